#include "core/commands/matchtip.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

MatchCollection run(const QString& pattern, const QString& text, RegExp::Groups groups = RegExp::Groups::Keep)
{
    RegExp engine;
    // A clock that stands still: 65,536 matches of 64 groups must not give up
    // on a slow or busy machine.
    engine.Clock([]() -> std::int64_t { return 0; });
    engine.Global(true);
    engine.Pattern(pattern);
    return engine.Execute(text, groups);
}

TEST(MatchAt, FindsTheMatchCoveringAnOffset)
{
    // Matches: "ab" at 0, "ab" at 2 (adjacent), empty at 5, "ab" at 7.
    const MatchCollection matches(QStringLiteral("ababx-xab"), {{0, 2}, {2, 2}, {5, 0}, {7, 2}});
    const struct {
        qsizetype offset;
        qsizetype expected;
    } cases[] = {
        {-1, -1}, {0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, -1},
        {5, -1}, // an empty match covers no character
        {6, -1}, {7, 3}, {8, 3}, {9, -1}, {1000, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchAt(matches, c.offset), c.expected) << "offset " << c.offset;
    EXPECT_EQ(MatchAt(MatchCollection(), 0), -1);
}

TEST(MatchTipText, NamedUnnamedAndUnsetGroups)
{
    const MatchCollection matches = run(QStringLiteral("(?<year>\\d{4})-(\\d\\d)(x)?()"), QStringLiteral("1999-01 2024-05"));
    ASSERT_EQ(matches.Count(), 2);
    EXPECT_EQ(MatchTipText(matches, 1), QStringLiteral("第 2 个匹配，共 2 个\n"
                                                       "位置 8，长度 7\n"
                                                       "内容：“2024-05”\n"
                                                       "$<year>：“2024”\n"
                                                       "$2：“05”\n"
                                                       "$3：未参与匹配\n"
                                                       "$4：“”"));
}

TEST(MatchTipText, OffsetsCountCrLfAsTwoAndSurrogatePairsAsTwo)
{
    const QString text = QStringLiteral("a\r\n😀b\r\nxc");
    const MatchCollection matches = run(QStringLiteral("(\\r\\n)(.)|c"), text);
    ASSERT_EQ(matches.Count(), 3);
    EXPECT_TRUE(MatchTipText(matches, 0).startsWith(QStringLiteral("第 1 个匹配，共 3 个\n位置 1，长度 3\n内容：“\\r\\n\\uD83D”\n$1：“\\r\\n”\n$2：“\\uD83D”")))
        << MatchTipText(matches, 0).toStdString();
    EXPECT_TRUE(MatchTipText(matches, 1).startsWith(QStringLiteral("第 2 个匹配，共 3 个\n位置 6，长度 3")));
    EXPECT_TRUE(MatchTipText(matches, 2).startsWith(QStringLiteral("第 3 个匹配，共 3 个\n位置 9，长度 1\n内容：“c”\n$1：未参与匹配")));
}

TEST(TipVisibleText, StaysOneShortLineAndKeepsPairsWhole)
{
    const QString x59(59, u'x');
    const struct {
        QString text;
        QString shown;
    } cases[] = {
        {QStringLiteral("a\r\nb\rc\td"), QStringLiteral("a\\r\\nb\\rc\\td")},
        {QString(QChar(0)) + u'\x1b' + u'\x7f' + u'\x85', QStringLiteral("\\0\\u001B\\u007F\\u0085")},
        {QStringLiteral("a\u2028b\u2029c\u202Ed\uFEFF"), QStringLiteral("a\\u2028b\\u2029c\\u202Ed\\uFEFF")},
        {QString(QChar(0xD800)) + u'a' + QChar(0xDC00), QStringLiteral("\\uD800a\\uDC00")},
        {QStringLiteral("中文😀"), QStringLiteral("中文😀")},
        {QString(60, u'x'), QString(60, u'x')},
        {QString(61, u'x'), QString(60, u'x') + u'…'},
        // The pair would straddle the cut: it goes whole.
        {x59 + QStringLiteral("😀"), x59 + u'…'},
        {x59 + QStringLiteral("😀😀"), x59 + u'…'},
        {QString(58, u'x') + QStringLiteral("😀z"), QString(58, u'x') + QStringLiteral("😀…")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TipVisibleText(c.text), c.shown) << c.text.toStdString();
}

TEST(MatchTipText, LongCapturesAreShortenedAndMarkupStaysText)
{
    const QString text = QStringLiteral("<b>") + QString(500, u'y') + QStringLiteral("</b>");
    const MatchCollection matches = run(QStringLiteral("(<b>)(y+)"), text);
    const QString tip = MatchTipText(matches, 0);
    EXPECT_TRUE(tip.endsWith(QStringLiteral("$1：“<b>”\n$2：“") + QString(60, u'y') + QStringLiteral("…”（长度 500）")))
        << tip.toStdString();
    EXPECT_FALSE(Qt::mightBeRichText(tip));
}

TEST(MatchTipText, ManyGroupsAreSummedUp)
{
    const MatchCollection matches = run(QStringLiteral("(a)").repeated(25), QString(25, u'a'));
    const QStringList lines = MatchTipText(matches, 0).split(u'\n');
    ASSERT_EQ(lines.size(), 3 + kMaxTipGroups + 1);
    EXPECT_EQ(lines[3 + kMaxTipGroups - 1], QStringLiteral("$20：“a”"));
    EXPECT_EQ(lines.last(), QStringLiteral("……另有 5 个捕获组"));
}

TEST(MatchTipText, GroupsPastTheBudgetAreDroppedNotKept)
{
    // 64 empty groups matching at every position: 64 spans per match.
    const QString pattern = QStringLiteral("()").repeated(64);
    const qsizetype fitting = RegExp::kMaxKeptGroupSpans / 64;
    const MatchCollection kept = run(pattern, QString(fitting - 1, u'z'));
    ASSERT_EQ(kept.Count(), fitting);
    EXPECT_TRUE(kept.HasGroups());
    EXPECT_EQ(kept.Group(fitting - 1, 64).firstIndex, fitting - 1);

    const MatchCollection dropped = run(pattern, QString(fitting, u'z'));
    ASSERT_EQ(dropped.Count(), fitting + 1);
    EXPECT_FALSE(dropped.HasGroups());
    EXPECT_EQ(MatchTipText(dropped, 0).split(u'\n').last(), QStringLiteral("（捕获组太多，未保留其内容）"));

    // Not asked for: none kept, the names neither.
    const MatchCollection plain = run(QStringLiteral("(?<n>a)"), QStringLiteral("a"), RegExp::Groups::Drop);
    EXPECT_EQ(plain.GroupCount(), 1);
    EXPECT_FALSE(plain.HasGroups());
}

} // namespace
} // namespace pattaro
