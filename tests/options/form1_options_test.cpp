#include "ui/clickablelabel.h"
#include "ui/richtext/richtextbox.h"
#include "ui/form1.h"
#include "dialogs/gcommondialog.h"
#include "compat/linkopener.h"
#include "tests/dialogs/scripted_commondialog.h"
#include "testkit/scripted_messagebox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using namespace platform;

struct ScriptedLinkOpener : LinkOpener {
    QStringList opened;
    bool works = true;
    bool open(const QString& address) override
    {
        opened << address;
        return works;
    }
};

class Form1Options : public ::testing::Test {
protected:
    Form1Services services()
    {
        Form1Services s{&boxes, [] { return QString(); }};
        s.commonDialogs = dialogs;
        s.linkOpener = &links;
        return s;
    }

    testing::ScriptedMessageBox boxes;
    std::shared_ptr<testing::ScriptedCommonDialogApi> dialogs = std::make_shared<testing::ScriptedCommonDialogApi>();
    ScriptedLinkOpener links;
    Form1 window{services()};
};

TEST_F(Form1Options, HelpLayoutToggleAndBack)
{
    window.Command4_Click();
    for (QGroupBox* f : {window.Frame1(), window.Frame2(), window.Frame3()})
        EXPECT_TRUE(f->isHidden()) << f->objectName().toStdString();
    for (QGroupBox* f : {window.Frame4(), window.Frame5(), window.Frame6()})
        EXPECT_FALSE(f->isHidden()) << f->objectName().toStdString();
    for (QPushButton* b : {window.Command1(), window.Command2(), window.Command3()})
        EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(window.Command4()->text(), "关闭正则表达式帮助");
    EXPECT_TRUE(window.Command4()->isEnabled());
    EXPECT_TRUE(window.Command4()->isVisibleTo(&window));
    // The case buttons and the swatches go with their frame.
    for (QWidget* w : {static_cast<QWidget*>(window.Command5()), static_cast<QWidget*>(window.Command6()),
                       static_cast<QWidget*>(window.Color1()), static_cast<QWidget*>(window.Check1())})
        EXPECT_FALSE(w->isVisibleTo(&window));

    window.Command4_Click();
    for (QGroupBox* f : {window.Frame1(), window.Frame2(), window.Frame3()})
        EXPECT_FALSE(f->isHidden());
    for (QGroupBox* f : {window.Frame4(), window.Frame5(), window.Frame6()})
        EXPECT_TRUE(f->isHidden());
    for (QPushButton* b : {window.Command1(), window.Command2(), window.Command3()})
        EXPECT_TRUE(b->isEnabled());
    EXPECT_EQ(window.Command4()->text(), "正则表达式帮助说明");
    EXPECT_TRUE(window.Command5()->isVisibleTo(&window));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Form1Options, CaseConversionIntoTheResultPane)
{
    const QString source = QString::fromUtf8("Regex é 正则\r\nMiXeD\r");
    window.TXT1()->Text(source);
    window.Command5_Click();
    EXPECT_EQ(window.TXT2()->Text(), QString::fromUtf8("REGEX É 正则\r\nMIXED\r"));
    window.Command6_Click();
    EXPECT_EQ(window.TXT2()->Text(), QString::fromUtf8("regex é 正则\r\nmixed\r"));
    EXPECT_EQ(window.TXT1()->Text(), source);

    // Letter for letter, so the result lines up with the source.
    window.TXT1()->Text(QString::fromUtf8("Straße İ"));
    window.Command5_Click();
    EXPECT_EQ(window.TXT2()->Text(), QString::fromUtf8("STRAßE İ"));
    window.Command6_Click();
    EXPECT_EQ(window.TXT2()->Text(), QString::fromUtf8("straße i"));

    window.TXT1()->Text(QString::fromUtf8("全是中文，没有字母。"));
    window.Command5_Click();
    EXPECT_EQ(window.TXT2()->Text(), QString::fromUtf8("全是中文，没有字母。"));

    window.TXT1()->Text(QString());
    window.Command6_Click();
    EXPECT_TRUE(window.TXT2()->Text().isEmpty());
}

TEST_F(Form1Options, CaseOptionFollowsCheck1)
{
    EXPECT_FALSE(window.regEngine().IgnoreCase());
    window.regEngine().Pattern("A");
    EXPECT_FALSE(window.regEngine().Test("a"));
    window.Check1()->setChecked(false);
    EXPECT_TRUE(window.regEngine().IgnoreCase());
    EXPECT_TRUE(window.regEngine().Test("a"));
    window.Check1()->setChecked(true);
    EXPECT_FALSE(window.regEngine().Test("a"));
}

TEST_F(Form1Options, SwatchTakesTheChosenColour)
{
    EXPECT_EQ(window.colorDialog(), nullptr);
    dialogs->onChooseColor = [](CHOOSECOLOR& cc) {
        cc.rgbResult = 0x00112233;
        return kDialogConfirmed;
    };
    window.Color1_Click();
    ASSERT_EQ(dialogs->colorCalls.size(), 1u);
    const CHOOSECOLOR& cc = dialogs->colorCalls[0];
    EXPECT_EQ(cc.rgbResult, 0x0000C000u); // opens on the swatch's colour
    EXPECT_EQ(cc.Flags, CC_ANYCOLOR | CC_RGBINIT);
    EXPECT_EQ(cc.hwndOwner, 0);
    EXPECT_EQ(window.Color1()->BackColor(), 0x00112233u);
    EXPECT_EQ(window.Color2()->BackColor(), 0x000080FFu);

    GCommonDialog* first = window.colorDialog();
    ASSERT_NE(first, nullptr);
    window.Color2_Click();
    EXPECT_EQ(window.colorDialog(), first);
    EXPECT_EQ(dialogs->colorCalls[1].rgbResult, 0x000080FFu);
    EXPECT_EQ(window.Color2()->BackColor(), 0x00112233u);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Form1Options, FocusedSwatchesAndLinksAnswerSpaceOrEnter)
{
    dialogs->onChooseColor = [](CHOOSECOLOR& cc) {
        cc.rgbResult = 0x00112233;
        return kDialogConfirmed;
    };
    const struct {
        ClickableLabel* swatch;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        size_t dialogsAfter;
    } presses[] = {
        {window.Color1(), Qt::Key_A, {}, 0},
        {window.Color1(), Qt::Key_Space, {}, 1},
        {window.Color2(), Qt::Key_Return, {}, 2},
        {window.Color2(), Qt::Key_Enter, Qt::KeypadModifier, 3},
    };
    for (const auto& press : presses) {
        EXPECT_TRUE(press.swatch->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(press.swatch, press.key, press.modifiers);
        EXPECT_EQ(dialogs->colorCalls.size(), press.dialogsAfter) << press.key;
    }
    EXPECT_EQ(window.Color1()->BackColor(), 0x00112233u);
    EXPECT_EQ(window.Color2()->BackColor(), 0x00112233u);

    // The links answer the same keys.
    for (ClickableLabel* link : {window.Label5(), window.Label6(), window.Image1()}) {
        EXPECT_TRUE(link->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(link, Qt::Key_Space);
    }
    EXPECT_EQ(links.opened.size(), 3);
}

TEST_F(Form1Options, CancelOrFailureKeepsTheSwatch)
{
    window.Color1_Click();
    EXPECT_EQ(window.Color1()->BackColor(), 0x0000C000u);
    dialogs->onChooseColor = [](CHOOSECOLOR&) { return kDialogFailed; };
    window.Color2_Click();
    EXPECT_EQ(window.Color2()->BackColor(), 0x000080FFu);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Form1Options, CustomColoursCarryOverBetweenSwatches)
{
    dialogs->onChooseColor = [](CHOOSECOLOR& cc) {
        (*cc.lpCustColors)[0] = 0x00ABCDEF;
        return kDialogCancelled;
    };
    window.Color1_Click();
    dialogs->onChooseColor = nullptr;
    window.Color2_Click();
    ASSERT_EQ(dialogs->customColorsSeen.size(), 2u);
    EXPECT_EQ(dialogs->customColorsSeen[1][0], 0x00ABCDEFu);
}

TEST_F(Form1Options, LinksOpenTheirPages)
{
    window.Image1_Click();
    window.Label6_Click();
    window.Label5_Click();
    ASSERT_EQ(links.opened.size(), 3);
    EXPECT_EQ(links.opened[0], links.opened[1]);
    EXPECT_TRUE(QUrl(links.opened[0]).isValid());

    const QUrl contact(links.opened[2]);
    EXPECT_TRUE(contact.isValid());
    EXPECT_EQ(contact.path().section(u'/', -1), "msgrd");
    const auto items = QUrlQuery(contact).queryItems();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0], qMakePair(QString("V"), QString("1")));
    EXPECT_EQ(items[1].first, "Uin");
    EXPECT_FALSE(items[1].second.isEmpty());
    EXPECT_EQ(items[2], qMakePair(QString("Site"), QString("Pattaro")));
    EXPECT_EQ(items[3], qMakePair(QString("Menu"), QString("yes")));
}

TEST_F(Form1Options, LinkThatCannotOpenDoesNothing)
{
    links.works = false;
    window.Label5_Click();
    window.Image1_Click();
    EXPECT_EQ(links.opened.size(), 2);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(DesktopLinkOpener, RefusesTextThatIsNoLink)
{
    DesktopLinkOpener opener;
    EXPECT_FALSE(opener.open(QString()));
    EXPECT_FALSE(opener.open("not a link"));
    EXPECT_FALSE(opener.open("http://exa mple.org/"));
}

} // namespace
} // namespace pattaro
