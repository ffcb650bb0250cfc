#include "core/regex/regexerror.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace pattaro {
namespace {

using enum RegexErrorCode;

// The English of each reason; %1 and %2 take its sizes.
const char* englishReason(RegexErrorCode code)
{
    switch (code) {
    case ExpressionTooLong: return "The expression is too long (%1 code units; at most %2)";
    case UnmatchedParenthesis: return "Unmatched ')'";
    case UnterminatedGroup: return "Unterminated group";
    case UnterminatedClass: return "Unterminated character class";
    case NothingToRepeat: return "Nothing to repeat";
    case InvalidQuantifier: return "Invalid quantifier";
    case QuantifierOutOfOrder: return "numbers out of order in {} quantifier";
    case RepeatCountTooLarge: return "Repeat count above 65535";
    case ClassRangeOutOfOrder: return "Range out of order in character class";
    case InvalidGroup: return "Invalid group";
    case InvalidGroupName: return "Invalid capture group name";
    case DuplicateGroupName: return "Duplicate capture group name";
    case InvalidNamedReference: return "Invalid named reference";
    case UnknownGroupName: return "Invalid named capture referenced";
    case InvalidEscape: return "Invalid escape";
    case BackslashAtEnd: return "\\ at end of pattern";
    case GroupsNestedTooDeeply: return "Groups nested too deeply";
    case ExpressionTooLarge: return "regular expression is too large";
    case VaryingLookbehindInLookbehind: return "Look-behind of varying length inside another";
    case GroupInUnboundedLookbehind:
        return "Capturing group inside a look-behind of unbounded or widely varying length";
    case ReferenceRightwardInLookbehind: return "Back-reference to a group on its right inside a look-behind";
    case ReferenceOutOfVaryingLookbehind:
        return "Back-reference inside a look-behind of varying length to a group outside it";
    case LookbehindNotFixedLength: return "lookbehind assertion is not fixed length";
    case LookbehindTooComplicated: return "lookbehind is too complicated";
    case LookbehindTooLong: return "lookbehind assertion is too long";
    case ExpressionTooComplicated: return "regular expression is too complicated";
    case TooManyGroups: return "too many capturing groups";
    case OtherCompileError: return "The expression could not be compiled";
    case TookTooLong: return "The search took too long on this text and was stopped";
    case BacktracksWithoutEnd: return "The expression backtracks without end on this text; the search was stopped";
    case NeedsTooMuchMemory: return "The expression needs too much memory on this text; the search was stopped";
    case OutOfMemory: return "There is not enough memory for this search; it was stopped";
    case ReplaceResultTooLong: return "The result would be longer than %1 characters; the replace was stopped";
    case ExtractResultTooLong: return "The result would be longer than %1 characters; the extract was stopped";
    case OtherSearchError: return "The search failed";
    }
    return "";
}

// The codes list every refusal before the first search given up.
bool refusesExpression(RegexErrorCode code) { return code < TookTooLong; }

bool isAtPlace(RegexErrorCode code, qsizetype patternOffset)
{
    return refusesExpression(code) && code != ExpressionTooLong && patternOffset >= 0;
}

QString withSizes(RegexErrorCode code, RegexError::Sizes sizes)
{
    const QString reason = QString::fromUtf8(englishReason(code));
    switch (code) {
    case ExpressionTooLong: return reason.arg(sizes.actual).arg(sizes.limit);
    case ReplaceResultTooLong:
    case ExtractResultTooLong: return reason.arg(sizes.limit);
    default: return reason;
    }
}

QString pcre2Message(int pcre2Error)
{
    PCRE2_UCHAR16 buffer[256];
    if (pcre2_get_error_message_16(pcre2Error, buffer, 256) < 0)
        return QStringLiteral("error %1").arg(pcre2Error);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer));
}

// The refusals PCRE2 can give for a translation, which reads as valid
// PCRE2 syntax: its limits, and what look-behinds it cannot follow.
RegexErrorCode compileErrorCode(int pcre2Error)
{
    switch (pcre2Error) {
    case PCRE2_ERROR_END_BACKSLASH: return BackslashAtEnd;
    case PCRE2_ERROR_PARENTHESES_NEST_TOO_DEEP: return GroupsNestedTooDeeply;
    case PCRE2_ERROR_PATTERN_TOO_LARGE: return ExpressionTooLarge;
    case PCRE2_ERROR_HEAP_FAILED: return OutOfMemory;
    case PCRE2_ERROR_LOOKBEHIND_NOT_FIXED_LENGTH: return LookbehindNotFixedLength;
    case PCRE2_ERROR_LOOKBEHIND_TOO_COMPLICATED: return LookbehindTooComplicated;
    case PCRE2_ERROR_LOOKBEHIND_TOO_LONG: return LookbehindTooLong;
    case PCRE2_ERROR_PATTERN_TOO_COMPLICATED: return ExpressionTooComplicated;
    case PCRE2_ERROR_TOO_MANY_CAPTURES: return TooManyGroups;
    default: return OtherCompileError;
    }
}

} // namespace

RegexError::RegexError(RegexErrorCode code, qsizetype patternOffset, Sizes sizes)
    : RegexError(code, patternOffset, sizes, 0, withSizes(code, sizes))
{
}

RegexError::RegexError(RegexErrorCode code, qsizetype patternOffset, Sizes sizes, int pcre2Error,
                       const QString& reason)
    : std::runtime_error((isAtPlace(code, patternOffset)
                              ? QStringLiteral("%1 at offset %2 of the expression").arg(reason).arg(patternOffset)
                              : reason)
                             .toStdString()),
      m_code(code), m_message(QString::fromStdString(what())), m_patternOffset(patternOffset), m_sizes(sizes),
      m_pcre2Error(pcre2Error)
{
}

RegexError RegexError::compileFailed(int pcre2Error, qsizetype patternOffset)
{
    return RegexError(compileErrorCode(pcre2Error), patternOffset, {}, pcre2Error, pcre2Message(pcre2Error));
}

RegexError RegexError::searchFailed(int pcre2Error)
{
    return RegexError(OtherSearchError, -1, {}, pcre2Error,
                      QStringLiteral("The search failed: %1").arg(pcre2Message(pcre2Error)));
}

bool RegexError::atPlace() const { return isAtPlace(m_code, m_patternOffset); }

RegexError::Kind RegexError::kind() const
{
    return refusesExpression(m_code) ? Kind::InvalidPattern : Kind::GaveUp;
}

} // namespace pattaro
