#include "core/regex/regexerror.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

struct EnglishCase {
    RegexError error;
    RegexError::Kind kind;
    const char* what;
};

// The command-line tool prints these after its own prefix, and scripts may
// look for them, so they keep their words whatever the codes become.
TEST(RegexError, KindAndEnglishOfEachSortOfReason)
{
    using enum RegexErrorCode;
    using enum RegexError::Kind;
    const EnglishCase rows[] = {
        {RegexError(UnterminatedGroup, 2), InvalidPattern, "Unterminated group at offset 2 of the expression"},
        {RegexError(BackslashAtEnd, 0), InvalidPattern, "\\ at end of pattern at offset 0 of the expression"},
        {RegexError(ExpressionTooLong, 65536, {70000, 65536}), InvalidPattern,
         "The expression is too long (70000 code units; at most 65536)"},
        {RegexError::compileFailed(125, 3), InvalidPattern,
         "lookbehind assertion is not fixed length at offset 3 of the expression"},
        {RegexError::compileFailed(115, 1), InvalidPattern,
         "reference to non-existent subpattern at offset 1 of the expression"},
        {RegexError::compileFailed(121, 4), GaveUp, "failed to allocate heap memory"},
        {RegexError(TookTooLong), GaveUp, "The search took too long on this text and was stopped"},
        {RegexError(ReplaceResultTooLong, -1, {.limit = 16}), GaveUp,
         "The result would be longer than 16 characters; the replace was stopped"},
        {RegexError(ExtractResultTooLong, -1, {.limit = 9}), GaveUp,
         "The result would be longer than 9 characters; the extract was stopped"},
        {RegexError::searchFailed(-34), GaveUp, "The search failed: bad option value"},
    };
    for (const EnglishCase& row : rows) {
        EXPECT_EQ(row.error.kind(), row.kind) << row.what;
        EXPECT_STREQ(row.error.what(), row.what);
        EXPECT_EQ(row.error.message(), QString::fromUtf8(row.what));
    }
}

struct Pcre2Case {
    int pcre2Error;
    RegexErrorCode code;
};

TEST(RegexError, Pcre2RefusalsComeUnderTheirOwnCodeOrKeepTheirNumber)
{
    using enum RegexErrorCode;
    const Pcre2Case rows[] = {
        {101, BackslashAtEnd},           {119, GroupsNestedTooDeeply},    {120, ExpressionTooLarge},
        {121, OutOfMemory},              {125, LookbehindNotFixedLength}, {135, LookbehindTooComplicated},
        {187, LookbehindTooLong},        {186, ExpressionTooComplicated}, {197, TooManyGroups},
        {115, OtherCompileError},
    };
    for (const Pcre2Case& row : rows) {
        const RegexError error = RegexError::compileFailed(row.pcre2Error, 7);
        EXPECT_EQ(error.code(), row.code) << row.pcre2Error;
        EXPECT_EQ(error.pcre2Error(), row.pcre2Error);
        EXPECT_EQ(error.patternOffset(), 7);
    }
}

} // namespace
} // namespace pattaro
