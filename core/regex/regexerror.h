#pragma once

#include <QString>
#include <stdexcept>

namespace pattaro {

// Every reason the engine refuses an expression or gives up on a search. The
// callers word each one for their readers; nothing reads the English
// message back.
enum class RegexErrorCode {
    // Expressions refused by the engine's own reading.
    ExpressionTooLong,
    UnmatchedParenthesis,
    UnterminatedGroup,
    UnterminatedClass,
    NothingToRepeat,
    InvalidQuantifier,
    QuantifierOutOfOrder,
    RepeatCountTooLarge,
    ClassRangeOutOfOrder,
    InvalidGroup,
    InvalidGroupName,
    DuplicateGroupName,
    InvalidNamedReference,
    UnknownGroupName,
    InvalidEscape,
    BackslashAtEnd,
    GroupsNestedTooDeeply,
    ExpressionTooLarge,
    VaryingLookbehindInLookbehind,
    GroupInUnboundedLookbehind,
    ReferenceRightwardInLookbehind,
    ReferenceOutOfVaryingLookbehind,
    // Expressions PCRE2 refuses when it compiles the translation.
    LookbehindNotFixedLength,
    LookbehindTooComplicated,
    LookbehindTooLong,
    ExpressionTooComplicated,
    TooManyGroups,
    OtherCompileError,
    // Searches given up.
    TookTooLong,
    BacktracksWithoutEnd,
    NeedsTooMuchMemory,
    OutOfMemory,
    ReplaceResultTooLong,
    ExtractResultTooLong,
    OtherSearchError,
};
// The codes run from 0 to this, less one, for whoever must word them all.
inline constexpr int kRegexErrorCodeCount = int(RegexErrorCode::OtherSearchError) + 1;

// The numbers some reasons carry: for ExpressionTooLong the expression's
// length and the most allowed, for a result too long the most allowed.
struct RegexErrorSizes {
    qsizetype actual = 0;
    qsizetype limit = 0;
};

// Raised by Execute, Test and Replace: why, and for a refused expression
// where (a code-unit offset into the pattern). what() and message() are
// English, for logs and the command-line tool.
class RegexError : public std::runtime_error {
public:
    enum class Kind { InvalidPattern, GaveUp };
    using Sizes = RegexErrorSizes;
    explicit RegexError(RegexErrorCode code, qsizetype patternOffset = -1, Sizes sizes = {});
    // PCRE2's refusal of the translation, by its compile error number, under
    // the engine's code for it or OtherCompileError.
    static RegexError compileFailed(int pcre2Error, qsizetype patternOffset);
    // A search PCRE2 ended with an error the engine has no reason of its own
    // for: OtherSearchError.
    static RegexError searchFailed(int pcre2Error);

    RegexErrorCode code() const { return m_code; }
    Kind kind() const;
    QString message() const { return m_message; }
    // Offset into the pattern where the fault was found, or -1.
    qsizetype patternOffset() const { return m_patternOffset; }
    // Whether the expression was refused for what is at patternOffset(), not
    // as a whole (too long) nor for a search.
    bool atPlace() const;
    Sizes sizes() const { return m_sizes; }
    // PCRE2's number for the failure when PCRE2 reported it, else 0; the
    // only detail of OtherCompileError and OtherSearchError.
    int pcre2Error() const { return m_pcre2Error; }

private:
    RegexError(RegexErrorCode code, qsizetype patternOffset, Sizes sizes, int pcre2Error, const QString& reason);

    RegexErrorCode m_code;
    QString m_message;
    qsizetype m_patternOffset;
    Sizes m_sizes;
    int m_pcre2Error = 0;
};

} // namespace pattaro
