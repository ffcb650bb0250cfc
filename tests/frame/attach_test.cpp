#include "tests/frame/skin_fixture.h"

#include "compat/propertybag.h"
#include "frame/skinvalues.h"

#include <QLocale>
#include <array>

using namespace pattaro;
using namespace pattaro::testing;

namespace {

class AttachTest : public SkinTest {
protected:
    // Two frames 40 and 100 pixels down, a button elsewhere on the form.
    AttachTest()
    {
        host.add(QStringLiteral("Frame1"), 600);
        host.add(QStringLiteral("Frame2"), 1500);
        host.add(QStringLiteral("Inner"), 0).inSkin = false;
    }
    std::vector<double> tops() const
    {
        std::vector<double> out;
        for (const auto& c : host.controls)
            out.push_back(c->top);
        return out;
    }
};

TEST_F(AttachTest, LoadingKeepsTheSavedLayoutAndRecordsTheBounds)
{
    host.left = 1507.5; // 100.5 pixels: rounds to even
    skin.UserControl_ReadProperties(platform::PropertyBag());
    EXPECT_EQ(tops(), (std::vector<double>{600, 1500, 0}));
    EXPECT_EQ(host.height, 7410);
    EXPECT_EQ(skin.geometry(), QRect(0, 0, 620, 494));
    EXPECT_EQ(host.borderStyle, 0) << "the skin is the frame now";
    EXPECT_EQ(skin.Subclassing().SubclassTable().size(), 2u);
    skin.orukWindowState();
    skin.orukWindowState();
    EXPECT_EQ((std::array{host.left, host.top, host.width, host.height}), (std::array{1508.0, 1200.0, 9300.0, 7410.0}))
        << "restored to the bounds recorded on loading";
}

TEST_F(AttachTest, WithoutMouseTrackingNothingIsSubclassedAndTheFrameStays)
{
    for (const bool comctl : {true, false}) {
        host.borderStyle = 2;
        modules = platform::Modules({{QStringLiteral("User32"),
                                      {QStringLiteral("SetWindowLongA"), QStringLiteral("CallWindowProcA")}, true},
                                     {QStringLiteral("Comctl32"),
                                      comctl ? QStringList{QStringLiteral("_TrackMouseEvent")} : QStringList{},
                                      false}});
        orukForms other(host, platform());
        other.UserControl_ReadProperties(platform::PropertyBag());
        EXPECT_FALSE(other.State().TrackInUser32);
        EXPECT_EQ(other.Subclassing().SubclassTable().empty(), !comctl);
        EXPECT_EQ(host.borderStyle, comctl ? 0 : 2);
        EXPECT_TRUE(reports().empty());
    }
}

TEST_F(AttachTest, ContentTopOffsetMovesTheTopmostControlOntoTheTarget)
{
    EXPECT_EQ(skin.ContentTopOffset(51), 11) << "40 px lies 11 above";
    EXPECT_EQ(skin.ContentTopOffset(40), 0) << "already there";
    EXPECT_EQ(skin.ContentTopOffset(30), -10) << "second pass: 10 below";
    host.controls.clear();
    EXPECT_EQ(skin.ContentTopOffset(51), -1000);
}

TEST_F(AttachTest, StyleOneAddsTenPixelsOnceAndTakesThemBack)
{
    skin.UserControl_ReadProperties(platform::PropertyBag());
    const struct {
        std::int32_t style;
        double height, firstTop;
    } steps[] = {{TitleTwoBands, 7560, 750}, {TitleCylinder, 7410, 600}, {TitleTwoBands, 7560, 750},
                 {TitleTwoBands, 7560, 750}};
    for (const auto& s : steps) {
        skin.Style(s.style);
        EXPECT_EQ(host.height, s.height) << s.style;
        EXPECT_EQ(host.controls[0]->top, s.firstTop);
        EXPECT_EQ(host.controls[2]->top, 0) << "controls in other containers stay";
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(AttachTest, WhileMaximisedOnlyTheStoredHeightTakesTheStyleChange)
{
    skin.UserControl_ReadProperties(platform::PropertyBag());
    const double normalHeight = host.height;
    skin.orukWindowState();
    const double maximisedHeight = host.height;
    skin.Style(TitleTwoBands);
    EXPECT_EQ(host.height, maximisedHeight);
    skin.orukWindowState();
    EXPECT_EQ(host.height, normalHeight + 150) << "restored 10 pixels taller";
    EXPECT_EQ(host.controls[0]->top, 750);
}

TEST_F(AttachTest, IconSizeAlignsTheContentsUnderTheTallerTitle)
{
    skin.UserControl_ReadProperties(platform::PropertyBag());
    skin.IconSize(20); // title 35, contents at 55
    EXPECT_EQ(tops(), (std::vector<double>{825, 1725, 0}));
    EXPECT_EQ(host.height, 7410 + 225);
    host.minHeight = 8000; // a form that refuses to shrink still moves its contents
    skin.IconSize(16); // back up 4 pixels, under the 31-pixel title
    EXPECT_EQ(tops(), (std::vector<double>{765, 1665, 0}));
    EXPECT_EQ(host.height, 7410 + 225);
    EXPECT_TRUE(reports().empty());
}

TEST_F(AttachTest, AnIconTooLargeForAnyTitleIsReportedAndDrawnNoLargerThanTheTitle)
{
    host.icon = QImage(16, 16, QImage::Format_ARGB32);
    host.icon.fill(Qt::red);
    skin.UserControl_ReadProperties(platform::PropertyBag());
    skin.IconSize(32753); // the title's height overflows 16 bits
    EXPECT_EQ(reports(), (std::vector<Report>{{"6", "TitleBarHeightSetup"}}));
    EXPECT_LE(host.largestIconEdge, 31) << "never more than the title bar's height";
    EXPECT_GT(host.largestIconEdge, 0) << "the icon is still drawn";
}

TEST_F(AttachTest, BackColorsSpareWindowColouredControlsGripsAndSwatches)
{
    host.controls.clear();
    auto& frame = host.add(QStringLiteral("Frame1"), 0);
    auto& text = host.add(QStringLiteral("Text3"), 0);
    text.backColor = 0x80000005;
    auto& grip = host.add(QStringLiteral("m_picRight"), 0);
    auto& swatch = host.add(QStringLiteral("Color1"), 0);
    swatch.keepsBackColor = true;
    auto& button = host.add(QStringLiteral("Command1"), 0);
    button.commandButton = true;
    auto& image = host.add(QStringLiteral("Image1"), 0);
    image.backColor.reset();

    const platform::OleColor c = 0x00ABCDEF;
    skin.ApplyBackColorToControls(c);
    EXPECT_EQ(frame.backColor, 0x00FFFFFF) << "only with ChangeAllBackgrounds";

    platform::PropertyBag bag;
    bag.WriteProperty(QStringLiteral("ChangeAllBackgrounds"), true);
    skin.UserControl_ReadProperties(bag);
    skin.ApplyBackColorToControls(c);
    EXPECT_EQ(frame.backColor, c);
    EXPECT_EQ(text.backColor, 0x80000005u);
    EXPECT_EQ(grip.backColor, 0x00FFFFFFu);
    EXPECT_EQ(swatch.backColor, 0x00FFFFFFu);
    EXPECT_EQ(button.backColor, c);
    EXPECT_EQ(button.style, 1) << "made graphical";
    EXPECT_TRUE(reports().empty());
}

TEST_F(AttachTest, ResizeWithAnUnknownBackColorStyleUsesTheButtonFace)
{
    auto& frame = *host.controls[0];
    platform::PropertyBag bag;
    bag.WriteProperty(QStringLiteral("ChangeAllBackgrounds"), true);
    bag.WriteProperty(QStringLiteral("BackColorStyle"), std::int32_t(5));
    skin.UserControl_ReadProperties(bag);
    EXPECT_EQ(frame.backColor, kTestButtonFace);
}

TEST_F(AttachTest, LanguageNameComesFromTheUsersLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    EXPECT_EQ(skin.GetInfo(0x1001), QStringLiteral("Chinese"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(skin.GetInfo(0x1001), QStringLiteral("English"));
    EXPECT_EQ(skin.GetInfo(0x1234), QString());
    QLocale::setDefault(before);
}

} // namespace
