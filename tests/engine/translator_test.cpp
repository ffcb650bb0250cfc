// How far an attempt can look decides whether a window needs partial
// matching; an underestimate would let a cut window change the result.
#include "core/regex/regexp.h"
#include "core/regex/translator.h"

#include <gtest/gtest.h>

using namespace pattaro;

TEST(Translator, ReachCountsEveryUnitAnAttemptCanExamine)
{
    const struct {
        const char16_t* pattern;
        qint64 reach;
    } cases[] = {
        {u"abc", 3},
        {u"a|bcd", 3},
        {u"a$", 2},            // $ looks at the unit after the a
        {u"\\bab\\b", 3},
        {u"a(?=bcd)", 4},      // look-ahead examines without consuming
        {u"(?=abc)a", 3},
        {u"a(?!b)", 2},
        {u"(?<=xyz)a", 3},
        {u"^a", 1},
        {u"a{2,5}", 5},
        {u"(ab){3}c", 7},
        {u"(a|bc)\\1", 4},     // the group's longest value, twice
        {u"[a-z]?x", 2},
        {u"(?=(a))*b", 1},     // a look-ahead allowed zero times never runs
        {u"a+", -1},
        {u"a{2,}", -1},
        {u"\\1(a)", -1},       // refers to a group not yet closed
        {u"(?=a*)b", -1},
        {u"(?:)*", 0},
    };
    for (const auto& c : cases) {
        const QString p = QString::fromUtf16(c.pattern);
        SCOPED_TRACE(p.toStdString());
        EXPECT_EQ(translatePattern(p, false, true).maxReach, c.reach);
        EXPECT_EQ(translatePattern(p, true, false).maxReach, c.reach);
    }
}

// Checking iterations for the empty text costs a callout per iteration, so
// only a repeated group that can match the empty text may carry the check.
TEST(Translator, ChecksOnlyGroupsThatCanRepeatEmpty)
{
    const struct {
        const char16_t* pattern;
        bool checked;
    } cases[] = {
        {u"(a*?)*", true},
        {u"(?:a|)+", true},
        {u"(?:(?=a))*", true},      // a look-ahead consumes nothing
        {u"(\\1a?)*", true},        // so may a back-reference
        {u"(?:a|b\\b)*", false},
        {u"(?:\\w+\\s*)*", false},
        {u"(a|b)*", false},
        {u"(?:a+|[b-z]{2,})+", false},
        {u"(a?){3}", false},        // a fixed count has no iteration beyond its minimum
        {u"(a?){0}", false},
        {u"(?=(a?)*)", true},
        {u"(?=a?)*", false},        // look-aheads repeat at most once
        {u"a*", false},
    };
    for (const auto& c : cases) {
        const QString p = QString::fromUtf16(c.pattern);
        SCOPED_TRACE(p.toStdString());
        const Translation t = translatePattern(p, false, false);
        EXPECT_EQ(!t.groupNumbers.empty(), c.checked);
        EXPECT_EQ(t.pattern.contains(u"(?C"), c.checked);
    }
}

// Clearing the groups inside a repeated group, and counting iterations, costs
// callouts at every iteration, so only patterns where either can show carry them.
TEST(Translator, KeepsBooksOnlyWhereTheyShow)
{
    const struct {
        const char16_t* pattern;
        bool books;
    } cases[] = {
        {u"(?:(a)|b)+", true},      // group 1 may be left from an earlier iteration
        {u"((a)|b){2}", true},      // a fixed count repeats too
        {u"(a\\1|b)*", true},       // a reference inside sees the group cleared
        {u"(?<x>a\\k<x>)*", true},
        {u"(|a){1,3}", true},       // counts to check beyond the minimum only
        {u"(?:(a)|b)?", false},     // at most once: nothing earlier to clear
        {u"(a|b)*", false},         // every iteration sets the group itself
        {u"(\\w+\\s)*\\1", false},  // a reference after the loop sees the last one
        {u"(?:(a)|b){0}", false},
        {u"(?=(a))*b", false},      // a look-ahead repeats at most once
        {u"(|a)+", false},          // written twice instead
        {u"(a)(b)", false},
    };
    for (const auto& c : cases) {
        const QString p = QString::fromUtf16(c.pattern);
        SCOPED_TRACE(p.toStdString());
        const Translation t = translatePattern(p, false, false);
        EXPECT_EQ(!t.actions.empty(), c.books);
        EXPECT_EQ(t.pattern.contains(u"(?C{d"), c.books);
    }
}

// PCRE2 matches look-behinds of a fixed length per alternative fastest, so
// only the others are checked by a callout, or written once per length when
// their groups must show; what cannot be followed exactly is refused.
TEST(Translator, WritesEachLookbehindTheCheapestExactWay)
{
    enum Way { Native, Callout, PerLength, Refused };
    const struct {
        const char16_t* pattern;
        Way way;
        RegexErrorCode refusal;
    } cases[] = {
        {u"(?<=ab|c)d", Native, {}},
        {u"(?<=^|\\s)#", Native, {}},
        {u"(?<=a{3})b", Native, {}},
        {u"(?<=(a)\\1)b", Native, {}},        // the group on the left is not yet set
        {u"(?<=(?:)??a)b", Callout, {}},      // PCRE2 calls any varying repeat varying
        {u"(?<=(?:Mr|Mrs)\\. )\\w", Callout, {}},
        {u"(?<=\\$\\s*)\\d", Callout, {}},
        {u"(?<!a+|b)c", Callout, {}},
        {u"(?<=<(b|strong)>)x", PerLength, {}},
        {u"(?<!(a|bc))x", PerLength, {}},
        {u"(?<=(a+))b", Refused, RegexErrorCode::GroupInUnboundedLookbehind},
        {u"(?<=(a{1,20}))b", Refused, RegexErrorCode::GroupInUnboundedLookbehind},
        {u"(a)(?<=\\1b*)c", Refused, RegexErrorCode::ReferenceOutOfVaryingLookbehind},
        {u"(?<=\\1(a))b", Refused, RegexErrorCode::ReferenceRightwardInLookbehind},
        {u"(?<=\\1(?=(a)))b", Refused, RegexErrorCode::ReferenceRightwardInLookbehind},
        {u"(?<=a*(?<=b+))c", Refused, RegexErrorCode::VaryingLookbehindInLookbehind},
    };
    for (const auto& c : cases) {
        const QString p = QString::fromUtf16(c.pattern);
        SCOPED_TRACE(p.toStdString());
        try {
            const Translation t = translatePattern(p, false, false);
            EXPECT_EQ(t.lookbehinds.size(), c.way == Callout ? 1u : 0u);
            EXPECT_EQ(t.positionSlots, c.way == PerLength ? 1 : 0);
            EXPECT_NE(c.way, Refused);
        } catch (const RegexError& e) {
            EXPECT_EQ(c.way, Refused) << e.what();
            EXPECT_EQ(e.code(), c.refusal) << e.what();
        }
    }
}

// A repeat just before $ with the m flag cannot give a unit back and still
// match when its atom is one unit that is never a line terminator, so it is
// written possessive; anywhere else that would lose matches.
TEST(Translator, WritesARepeatPossessiveOnlyWhereGivingBackCannotMatch)
{
    const struct {
        const char16_t* pattern;
        bool possessive;
        bool multiline = true;
    } cases[] = {
        {u"\\w+$", true},       {u"a*$", true},         {u".{2,}$", true},     {u"[^\\n\\r\\u2028\\u2029]+$", true},
        {u"\\d?$", true},       {u"x{3}$", true},       {u"\\u4e2d+$", true},  {u"[^a]+$", false},
        {u"\\s+$", false},      {u"\\D+$", false},      {u"\\r+$", false},     {u"a+?$", false},
        {u"(a)+$", false},      {u"(?:ab)+$", false},   {u"a+b$", false},      {u"(a)\\1+$", false},
        {u"[^\\n\\r]+$", false}, {u"a+$", false, false},
    };
    for (const auto& c : cases) {
        const QString p = QString::fromUtf16(c.pattern);
        SCOPED_TRACE(p.toStdString());
        const QString taken = translatePattern(p, false, c.multiline).pattern;
        const QString left = translatePattern(p, false, c.multiline, nullptr, RepeatShortcuts::Left).pattern;
        EXPECT_EQ(taken != left, c.possessive) << taken.toStdString();
        EXPECT_EQ(translatePattern(p, true, c.multiline).pattern
                      != translatePattern(p, true, c.multiline, nullptr, RepeatShortcuts::Left).pattern,
                  c.possessive);
    }
}
