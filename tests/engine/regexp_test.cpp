// The engine object as the window drives it: settings, the cached pattern,
// match lists and the errors it raises.
#include "core/regex/regexp.h"

#include <gtest/gtest.h>

using namespace pattaro;

TEST(RegExp, StartsEmptyAndNonGlobal)
{
    RegExp re;
    EXPECT_EQ(re.Pattern(), QString());
    EXPECT_FALSE(re.IgnoreCase());
    EXPECT_FALSE(re.Global());
    EXPECT_FALSE(re.Multiline());
    // The empty pattern matches the empty text before the first unit.
    const MatchCollection m = re.Execute("ab");
    ASSERT_EQ(m.Count(), 1);
    EXPECT_EQ(m.Item(0).FirstIndex(), 0);
    EXPECT_EQ(m.Item(0).Length(), 0);
}

TEST(RegExp, EachSettingChangeTakesEffect)
{
    RegExp re;
    re.Pattern("^a");
    EXPECT_EQ(re.Execute("a\nA\na").Count(), 1);
    re.Global(true);
    EXPECT_EQ(re.Execute("a\nA\na").Count(), 1);
    re.Multiline(true);
    EXPECT_EQ(re.Execute("a\nA\na").Count(), 2);
    re.IgnoreCase(true);
    EXPECT_EQ(re.Execute("a\nA\na").Count(), 3);
    re.Pattern("^b");
    EXPECT_EQ(re.Execute("a\nA\na").Count(), 0);
    re.IgnoreCase(false);
    re.Pattern("A");
    EXPECT_EQ(re.Execute("a\nA\na").Count(), 1);
    EXPECT_TRUE(re.Global());
    EXPECT_TRUE(re.Multiline());
}

TEST(RegExp, MatchListItemsAndValues)
{
    RegExp re;
    re.Global(true);
    re.Pattern("[0-9]+");
    const QString text = "a12 b345";
    const MatchCollection m = re.Execute(text);
    ASSERT_EQ(m.Count(), 2);
    EXPECT_EQ(m.Item(0).Value(), "12");
    EXPECT_EQ(m.Item(1).FirstIndex(), 5);
    EXPECT_EQ(m.Item(1).Length(), 3);
    EXPECT_EQ(m.Item(1).Value(), "345");
    EXPECT_THROW(m.Item(2), std::out_of_range);
    EXPECT_THROW(m.Item(-1), std::out_of_range);
    EXPECT_EQ(MatchCollection().Count(), 0);
}

TEST(RegExp, NonGlobalFindsAndReplacesTheFirstMatchOnly)
{
    RegExp re;
    re.Pattern("o");
    EXPECT_EQ(re.Execute("foo").Count(), 1);
    EXPECT_EQ(re.Replace("foo", "0"), "f0o");
    re.Global(true);
    EXPECT_EQ(re.Replace("foo", "0"), "f00");
    EXPECT_EQ(re.Replace("bar", "0"), "bar");
}

TEST(RegExp, TestAgreesWithExecute)
{
    RegExp re;
    re.Global(true);
    re.Multiline(true);
    for (const char* p : {"x", "^$", "(?=a)", "\\b", "[]", "a(?!b)"}) {
        re.Pattern(p);
        for (const char* text : {"", "ab", "x\r\n", "a"}) {
            SCOPED_TRACE(std::string(p) + " on " + text);
            EXPECT_EQ(re.Test(text), re.Execute(text).Count() >= 1);
        }
    }
}

TEST(RegExp, CountAgreesWithExecute)
{
    RegExp re;
    re.Multiline(true);
    for (const bool global : {false, true}) {
        re.Global(global);
        // Empty matches step on by one unit, a surrogate pair's halves too.
        for (const char* p : {"x", "", "^", "$", "\\b", "[\\uD800-\\uDFFF]", "a*"}) {
            re.Pattern(QString::fromUtf8(p));
            for (const char* text : {"", "xax", "x\r\nx\n", "\xF0\x9F\x98\x80" "aa"}) {
                SCOPED_TRACE(std::string(p) + " on " + text + (global ? " global" : ""));
                EXPECT_EQ(re.Count(QString::fromUtf8(text)), re.Execute(QString::fromUtf8(text)).Count());
            }
        }
    }
    re.Pattern("(a");
    EXPECT_THROW(re.Count("a"), RegexError);
}

TEST(RegExp, InvalidPatternSaysWhatAndWhere)
{
    RegExp re;
    re.Pattern("ab(c");
    try {
        re.Execute("abc");
        FAIL() << "accepted";
    } catch (const RegexError& e) {
        EXPECT_EQ(e.kind(), RegexError::Kind::InvalidPattern);
        EXPECT_EQ(e.patternOffset(), 2);
        EXPECT_EQ(e.code(), RegexErrorCode::UnterminatedGroup);
        EXPECT_STREQ(e.what(), "Unterminated group at offset 2 of the expression");
    }
    // Every call fails alike until the pattern changes.
    EXPECT_THROW(re.Test("abc"), RegexError);
    EXPECT_THROW(re.Replace("abc", "x"), RegexError);
    re.Pattern("ab(c)");
    EXPECT_TRUE(re.Test("abc"));
}

TEST(RegExp, PatternsBeyondPcreAreRefusedWithTheirPlace)
{
    // A capturing group in a look-behind of unbounded length, and repeats
    // beyond 65535.
    RegExp re;
    re.Pattern("xy(?<=(a)+)b");
    try {
        re.Test("ab");
        FAIL() << "accepted";
    } catch (const RegexError& e) {
        EXPECT_EQ(e.kind(), RegexError::Kind::InvalidPattern);
        EXPECT_EQ(e.patternOffset(), 2);
        EXPECT_EQ(e.code(), RegexErrorCode::GroupInUnboundedLookbehind);
    }
    re.Pattern("a{70000}");
    EXPECT_THROW(re.Test("a"), RegexError);
    // An upper bound beyond it only means "as many as there are".
    re.Pattern("a{2,100000}");
    EXPECT_EQ(re.Execute(QString(70000, u'a')).Item(0).Length(), 70000);
}

// A look-behind of unbounded length looks back kLookbehindReach units at
// most; JavaScript has no such bound.
TEST(RegExp, ALookbehindReachesBackAThousandUnits)
{
    const struct {
        const char* pattern;
        int as;
        bool found;
    } cases[] = {
        {"(?<=^a*)b", 1000, true},
        {"(?<=^a*)b", 1001, false},
        {"(?<!^a*)b", 1001, true},
        {"(?<=^(?:a|a){0,2000})b", 1001, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        RegExp re;
        re.Pattern(c.pattern);
        EXPECT_EQ(re.Test(QString(c.as, u'a') + u'b'), c.found);
    }
}

TEST(RegExp, MatchesKeepTheirTextWhenTheSourceChanges)
{
    RegExp re;
    re.Global(true);
    QString text = "one two";
    re.Pattern("\\w+");
    const MatchCollection m = re.Execute(text);
    text = "xxx";
    ASSERT_EQ(m.Count(), 2);
    EXPECT_EQ(m.Item(1).Value(), "two");
}

TEST(RegExp, ReplaceOutputIsBounded)
{
    // With no floor the bound is four units per unit of text; outputs from
    // JavaScript's "a".repeat(n).replace(/a/g, …).
    struct Case {
        qsizetype length;
        const char* replacement;
        qsizetype expectedLength; // -1: gives up
    };
    const Case cases[] = {
        {4, "$`", 6},
        {100, "$&$&$&$&", 400},
        {100, "$&$&$&$&$&", -1},
        {100000, "$`", -1},
    };
    RegExp re;
    re.Global(true);
    re.Pattern("a");
    re.OutputLimit(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.replacement);
        const QString text(c.length, u'a');
        if (c.expectedLength >= 0) {
            EXPECT_EQ(re.Replace(text, c.replacement).size(), c.expectedLength);
            continue;
        }
        try {
            re.Replace(text, c.replacement);
            ADD_FAILURE() << "no limit";
        } catch (const RegexError& e) {
            EXPECT_EQ(e.code(), RegexErrorCode::ReplaceResultTooLong);
            EXPECT_EQ(e.sizes().limit, 4 * c.length) << e.what();
        }
    }
    // A floor above four times the text is what counts.
    re.OutputLimit(500);
    EXPECT_EQ(re.Replace(QString(100, u'a'), "$&$&$&$&$&").size(), 500);
}
