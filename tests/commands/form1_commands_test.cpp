#include "ui/clickablelabel.h"
#include "ui/richtext/richtextbox.h"
#include "ui/expressionfault.h"
#include "ui/form1.h"
#include "tests/support/addresssanitizer.h"
#include "testkit/scripted_messagebox.h"

#include <QFile>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

namespace pattaro {
namespace {

using platform::kIdNo;
using platform::kIdYes;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::OleColor;

constexpr OleColor kBlack = 0x00000000;
constexpr OleColor kGreen = 0x0000C000;
constexpr OleColor kOrange = 0x000080FF;

// Lets this process's address space grow by only `headroom` bytes more.
void limitAddressSpace(qint64 headroom)
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    ASSERT_TRUE(statm.open(QIODevice::ReadOnly));
    const qint64 pages = statm.readAll().split(' ').first().toLongLong();
    rlimit limit{};
    getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = rlim_t(pages * sysconf(_SC_PAGESIZE) + headroom);
    ASSERT_EQ(setrlimit(RLIMIT_AS, &limit), 0);
}

class Form1Commands : public ::testing::Test {
protected:
    testing::ScriptedMessageBox boxes;
    Form1 window{Form1Services{&boxes, [] { return QString(); }}};

    void set(const QString& source, const QString& pattern, const QString& replacement = {})
    {
        window.TXT1()->Text(source);
        window.Text3()->setText(pattern);
        window.Text4()->setText(replacement);
    }
    OleColor colorAt(qsizetype offset)
    {
        RichTextBox* view = window.TXT1();
        view->SelStart(offset);
        view->SelLength(1);
        return view->SelColor();
    }
    bool boldAt(qsizetype offset)
    {
        window.TXT1()->SelStart(offset);
        window.TXT1()->SelLength(1);
        return window.TXT1()->SelBold();
    }
    void colorRange(qsizetype start, qsizetype length, OleColor color)
    {
        window.TXT1()->SelStart(start);
        window.TXT1()->SelLength(length);
        window.TXT1()->SelColor(color);
    }
};

// ---- Match check --------------------------------------------------------

TEST_F(Form1Commands, MatchCheckSilentOrNoMatchKeepsEarlierColour)
{
    // No expression: nothing at all happens.
    set("abc", "");
    colorRange(1, 1, kOrange);
    window.Command1_Click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(window.sourceText().isEmpty());

    window.Text3()->setText("z");
    window.Command1_Click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "没有找到任何匹配的项目！");
    EXPECT_EQ(boxes.shown[0].title, "友情提示");
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(colorAt(1), kOrange);

    // An invalid expression is not reported at all.
    window.Text3()->setText("(a");
    window.Command1_Click();
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(colorAt(1), kOrange);
}

TEST_F(Form1Commands, MatchCheckAnsweredNoLeavesThePaneReset)
{
    set("a1b22c333", R"(\d+)");
    colorRange(0, 2, kOrange);
    window.TXT1()->SelBold(true);
    boxes.answers = {kIdNo};
    window.Command1_Click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "一共找到 3 个匹配项目！\r\n是否要高亮显示匹配的项目？");
    EXPECT_EQ(boxes.shown[0].title, "友情提示");
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(window.matchList().Count(), 3);
    EXPECT_EQ(window.TXT1()->SelStart(), 0);
    EXPECT_EQ(window.TXT1()->SelLength(), 9);
    for (qsizetype i = 0; i < 9; ++i) {
        EXPECT_EQ(colorAt(i), kBlack) << i;
        EXPECT_FALSE(boldAt(i)) << i;
    }
}

TEST_F(Form1Commands, MatchCheckAnsweredYesAlternatesAcrossLineBreaks)
{
    // Offsets after each CR LF must land on the matched characters.
    set("a1\r\nb22\r\nc333\r\n4", R"(\d+)");
    boxes.answers = {kIdYes};
    window.Command1_Click();
    window.TXT1()->Flush();
    EXPECT_EQ(window.TXT1()->SelStart(), 15); // the last match stays selected
    EXPECT_EQ(window.TXT1()->SelLength(), 1);
    EXPECT_EQ(window.curMatch().FirstIndex(), 15);
    EXPECT_EQ(window.matchIndex(), 4);

    const std::vector<std::pair<qsizetype, OleColor>> expected{
        {0, kBlack}, {1, kGreen},  {4, kBlack},  {5, kOrange}, {6, kOrange},
        {9, kBlack}, {10, kGreen}, {12, kGreen}, {15, kOrange}};
    for (const auto& [offset, color] : expected) {
        EXPECT_EQ(colorAt(offset), color) << offset;
        EXPECT_EQ(boldAt(offset), color != kBlack) << offset;
    }
}

TEST_F(Form1Commands, MatchCheckReadsTheSwatchesOnEveryRun)
{
    set("1a2", R"(\d)");
    window.Color1()->BackColor(0x00112233);
    boxes.answers = {kIdYes, kIdYes};
    window.Command1_Click();
    EXPECT_EQ(colorAt(0), 0x00112233u);
    EXPECT_EQ(colorAt(2), kOrange);
    window.Color2()->BackColor(0x00445566);
    window.Command1_Click();
    EXPECT_EQ(colorAt(0), 0x00112233u);
    EXPECT_EQ(colorAt(1), kBlack);
    EXPECT_EQ(colorAt(2), 0x00445566u);
}

TEST_F(Form1Commands, MatchCheckCountsEmptyMatches)
{
    set("a\nb\nc", "^");
    boxes.answers = {kIdYes};
    window.Command1_Click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.startsWith("一共找到 3 个"));
    EXPECT_EQ(colorAt(0), kBlack);
}

TEST_F(Form1Commands, MatchCheckColoursBeyondSixteenBits)
{
    constexpr qsizetype n = 40000;
    set(QString(n, u'a'), "a");
    boxes.answers = {kIdYes};
    window.Command1_Click();
    EXPECT_TRUE(boxes.shown[0].text.startsWith("一共找到 40000 个"));
    EXPECT_EQ(colorAt(32768), kGreen);
    EXPECT_EQ(colorAt(n - 1), kOrange);
    EXPECT_TRUE(boldAt(n - 1));
}

// ---- Replace and keep ----------------------------------------------------

TEST_F(Form1Commands, ReplaceKeep)
{
    set("a1b22c", R"(\d+)", "#");
    window.Command2_Click();
    EXPECT_EQ(window.TXT2()->Text(), "a#b#c");
    EXPECT_EQ(window.TXT1()->Text(), "a1b22c");
    EXPECT_EQ(window.sourceText(), "a1b22c");
    EXPECT_TRUE(boxes.shown.empty());

    window.Text4()->clear();
    window.Command2_Click();
    EXPECT_EQ(window.TXT2()->Text(), "abc");

    set("no digits\r\n", R"(\d)", "#");
    window.Command2_Click();
    EXPECT_EQ(window.TXT2()->Text(), "no digits\r\n");
}

TEST_F(Form1Commands, ReplaceKeepWithInvalidExpressionLeavesResult)
{
    window.TXT2()->Text("earlier");
    set("a(b", "(b", "x");
    window.Command2_Click();
    EXPECT_EQ(window.TXT2()->Text(), "earlier");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Form1Commands, RefusedExpressionIsShownOnTheBoxUntilItChanges)
{
    set("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "(a", "x");
    window.Command2_Click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(hasExpressionFault(window.Text3()));
    EXPECT_EQ(window.Text3()->toolTip(), "表达式第 1 个字符处有错误：分组缺少“)”。");

    // Typing into the box takes the mark away.
    window.Text3()->setText("(a+)+$");
    EXPECT_FALSE(hasExpressionFault(window.Text3()));

    // A search the engine gives up on is marked the same way, by every command.
    window.Command1_Click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(hasExpressionFault(window.Text3()));
    EXPECT_TRUE(window.Text3()->toolTip().endsWith("搜索已停止。")) << window.Text3()->toolTip().toStdString();

    // A run that succeeds clears it.
    window.Text3()->blockSignals(true);
    window.Text3()->setText("b");
    window.Text3()->blockSignals(false);
    boxes.answers = {kIdNo};
    window.Command3_Click();
    EXPECT_FALSE(hasExpressionFault(window.Text3()));
    EXPECT_EQ(window.TXT2()->Text(), "x");
}

// ---- Replace each match, drop the rest -------------------------------------

TEST_F(Form1Commands, ReplaceEachAsksAndJoinsOrBreaksLines)
{
    set("a1b22c", R"(\d+)", "#");
    boxes.answers = {kIdNo, kIdYes};
    window.Command3_Click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "是否将每个替换后的项目放在独立的一行中？");
    EXPECT_EQ(boxes.shown[0].title, "友情提示");
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(window.lineChoice(), kIdNo);
    EXPECT_EQ(window.TXT2()->Text(), "##");

    window.Command3_Click();
    EXPECT_EQ(window.lineChoice(), kIdYes);
    EXPECT_EQ(window.TXT2()->Text(), "#\r\n#\r\n");
    EXPECT_EQ(window.matchList().Count(), 2);
    EXPECT_EQ(window.TXT1()->Text(), "a1b22c");
}

TEST_F(Form1Commands, ReplaceEachStopsEarly)
{
    // Empty replacement: no question, result untouched.
    window.TXT2()->Text("earlier");
    set("a1", R"(\d)", "");
    window.Command3_Click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(window.TXT2()->Text(), "earlier");

    // Invalid expression: asks, then stops before clearing the result.
    set("a1", "(a", "x");
    window.Command3_Click();
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(window.TXT2()->Text(), "earlier");

    // No match: the result is cleared and stays empty.
    set("ca", "^a", "b");
    window.Command3_Click();
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(window.TXT2()->Text(), "");
}

TEST_F(Form1Commands, ReplaceEachBeyondSixteenBits)
{
    constexpr qsizetype n = 40000;
    set(QString(n, u'a'), "a", "b");
    window.Command3_Click();
    EXPECT_EQ(window.TXT2()->Text(), QString(n, u'b'));
    EXPECT_EQ(window.matchIndex(), n);
}

// ---- Results beyond memory ------------------------------------------------

TEST_F(Form1Commands, ResultsBeyondMemoryLeaveTheWindowWorking)
{
    if (kUnderAddressSanitizer)
        GTEST_SKIP() << "a capped address space leaves AddressSanitizer no room";
    // In a child process with 300 MB of room: each command is marked as
    // failed, TXT2 keeps what it held, and the window goes on working.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto run = [this] {
        limitAddressSpace(300 << 20);
        window.regEngine().TimeLimit(std::chrono::minutes(1));
        bool ok = true;
        // The engine's own result: each match adds all the text before it.
        window.TXT2()->Text("earlier");
        set(QString(100000, u'a'), "a", "$`");
        window.Command2_Click();
        ok = ok && window.TXT2()->Text() == "earlier" && hasExpressionFault(window.Text3());
        // The window's joined result: 2,000 items of 100,000 units each.
        set((QString(1000, u'a') + u' ').repeated(2000), "a+", QString("$&").repeated(100));
        boxes.answers = {kIdNo};
        window.Command3_Click();
        ok = ok && window.TXT2()->Text().isEmpty() && hasExpressionFault(window.Text3());
        set("a1b22c", R"(\d+)", "#");
        window.Command2_Click();
        ok = ok && window.TXT2()->Text() == "a#b#c" && !hasExpressionFault(window.Text3());
        std::_Exit(ok ? 0 : 1);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace pattaro
