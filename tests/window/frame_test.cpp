#include "ui/clickablelabel.h"
#include "ui/richtext/richtextbox.h"
#include "compat/controlcolor.h"
#include "compat/screenshot.h"
#include "frame/colormath.h"
#include "frame/orukforms.h"
#include "frame/skinvalues.h"
#include "tests/window/window_fixture.h"

#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using testing::TestWindow;

bool between(int value, int a, int b)
{
    return std::min(a, b) <= value && value <= std::max(a, b);
}

TEST(WindowFrame, ScreenshotShowsTheSilverLinearTitleBar)
{
    TestWindow w;
    w.form->show();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("shot.png"));
    ASSERT_TRUE(platform::SaveScreenshot(*w.form, file));
    const QImage shot(file);
    ASSERT_EQ(shot.size(), QSize(620, 494));

    EXPECT_EQ(w.form->orukForms1()->Style(), TitleLinear);
    const FrameState& skin = w.form->orukForms1()->State();
    EXPECT_EQ(skin.TitleAreaHeight, 31);
    const ThemePair silver = *FixedThemePair(ThemeSilver);
    ASSERT_EQ(skin.CurColorFrom, silver.From);
    const QColor from = platform::toQColor(silver.From), to = platform::toQColor(silver.To);
    int previousRed = 256;
    for (int y = 0; y < 31; ++y) {
        const QColor c = shot.pixelColor(300, y);
        EXPECT_TRUE(between(c.red(), from.red(), to.red()) && between(c.green(), from.green(), to.green()) &&
                    between(c.blue(), from.blue(), to.blue()))
            << "row " << y << " " << c.name().toStdString();
        EXPECT_LE(c.red(), previousRed) << "light at the top, darker downwards: row " << y;
        previousRed = c.red();
    }
    EXPECT_EQ(shot.pixelColor(0, 200), from) << "the border";
}

TEST(WindowFrame, ThemeBackgroundReachesEverythingButTheSwatchesAndEditBoxes)
{
    TestWindow w;
    Form1& f = *w.form;
    f.show(); // the frame's first resize paints it
    const platform::OleColor light = FixedThemePair(ThemeSilver)->To;
    EXPECT_EQ(platform::ControlBackColor(f.Frame1()), light);
    EXPECT_EQ(platform::ControlBackColor(f.TXT2()), light);
    EXPECT_EQ(f.Command1()->property("Style").toInt(), 1);
    EXPECT_EQ(f.Color1()->BackColor(), 0x0000C000u) << "the user's highlight colours stay";
    EXPECT_EQ(f.Color2()->BackColor(), 0x000080FFu);
    EXPECT_EQ(platform::ControlBackColor(f.Text3()), 0x80000005u);
}

// Nothing modal opens in tests: the menu and the exit question behind its
// Close both reach the services the window was given.
TEST(WindowFrame, SystemMenuPopsUpThroughTheWindowsMenuService)
{
    const struct {
        const char* how;
        Qt::MouseButton button;
        QPoint at;
    } cases[] = {
        {"left click on the title-bar icon", Qt::LeftButton, QPoint(8, 10)},
        {"right click on the title", Qt::RightButton, QPoint(300, 10)},
    };
    for (const auto& c : cases) {
        TestWindow w;
        w.form->show();
        w.menus.choices = {SystemMenu::kClose};
        // The pointer gets there first, as a person's does.
        QTest::mouseMove(w.form->orukForms1(), c.at);
        QTest::mouseClick(w.form->orukForms1(), c.button, {}, c.at);
        ASSERT_EQ(w.menus.shown.size(), 1u) << c.how;
        ASSERT_EQ(w.frameMessages.shown.size(), 1u) << c.how;
        EXPECT_EQ(w.frameMessages.shown[0].text, u"确认退出程序？"_qs) << c.how;
        EXPECT_TRUE(w.form->isVisible()) << c.how << ": the question was answered No";
    }
}

} // namespace
} // namespace pattaro
