#include "core/commands/replaceeach.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace pattaro {
namespace {

// The engine as the window sets it up at start-up.
struct Engine {
    RegExp re;
    explicit Engine(const QString& pattern)
    {
        re.Global(true);
        re.Multiline(true);
        re.Pattern(pattern);
    }
    QString each(const QString& source, const QString& replacement, bool onePerLine)
    {
        QString out;
        const MatchCollection matches = re.Execute(source);
        if (re.Test(source)) {
            qsizetype index = -1;
            AppendEachReplaced(re, matches, replacement, onePerLine, out, index);
            EXPECT_EQ(index, matches.Count());
        }
        return out;
    }
};

TEST(ReplaceEachMatch, EachMatchIsJudgedInIsolation)
{
    // In "ba" the a follows a word character; alone it stands at a boundary.
    Engine boundary(R"(\Ba)");
    EXPECT_EQ(boundary.re.Replace("ba", "x"), "bx");
    EXPECT_EQ(boundary.each("ba", "x", false), "a");

    // Anchors: each item is its own line; a match that holds another match
    // inside it in isolation gets both replaced.
    Engine anchored("^a");
    EXPECT_EQ(anchored.each("ca", "b", false), "");
    EXPECT_EQ(anchored.each("a", "b", false), "b");
    Engine star("x*");
    // Items "xx" and "" (the empty match at the end): "xx" alone gives "yy".
    EXPECT_EQ(star.each("xx", "y", false), "yyy");
}

TEST(ReplaceEachMatch, SinkSeesItemsAndBreaksInOrder)
{
    Engine e(R"(\d)");
    QStringList pieces;
    qsizetype index = 0;
    ReplaceEachMatch(
        e.re, e.re.Execute("1a2"), "<$&>", true, [&](QStringView piece) { pieces << piece.toString(); },
        index);
    EXPECT_EQ(pieces, (QStringList{"<1>", "\r\n", "<2>", "\r\n"}));
}

TEST(ReplaceEachMatch, RepeatedTextsGiveTheirOwnResults)
{
    // Texts come back in any order, empty or beyond the length that is kept;
    // each must read as if replaced afresh.
    Engine words(R"(\w*)");
    const QString longWord(300, u'w');
    const QString source = "ab cd ab " + longWord + " ab " + longWord + " cd";
    const QString each = words.each(source, "<$&>", false);
    // A word alone gives itself and the empty match at its end.
    QString expected;
    for (const QString& word : QStringList{"ab", "cd", "ab", longWord, "ab", longWord, "cd"})
        expected += "<" + word + "><><>";
    EXPECT_EQ(each, expected);

    Engine digits(R"(\d)");
    EXPECT_EQ(digits.each("1 2 1 1 2", "[$&]", true), "[1]\r\n[2]\r\n[1]\r\n[1]\r\n[2]\r\n");
}

TEST(ReplaceEachMatch, FailureKeepsTheItemsDoneSoFar)
{
    // Both items match in the source through the look-behind. Alone, neither
    // has its c; "a!" then fails quickly, the long run backtracks until the
    // engine gives up.
    Engine e(R"((?<=c)a+!|(a+)+$)");
    const QString source = "ca!c" + QString(40, u'a') + "!";
    const MatchCollection matches = e.re.Execute(source);
    ASSERT_EQ(matches.Count(), 2);
    QString out = "kept:";
    qsizetype index = 0;
    EXPECT_THROW(AppendEachReplaced(e.re, matches, "<$&>", true, out, index), RegexError);
    EXPECT_EQ(out, "kept:a!\r\n");
    EXPECT_EQ(index, 1);
}

} // namespace
} // namespace pattaro
