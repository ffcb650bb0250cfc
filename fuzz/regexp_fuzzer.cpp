// Patterns, options, texts and replacements as a user could type them, run
// through translation, compilation, Execute, Test and Replace. Errors the
// engine reports are expected; crashes, sanitizer findings and broken
// promises about the matches are not.
#include "core/regex/regexp.h"
#include "fuzz/fuzzinput.h"

#include <chrono>
#include <cstdlib>

namespace {

using namespace pattaro;

// Longer inputs only slow the fuzzer down; the window's own texts are
// covered by the tests.
constexpr std::size_t kMaxInput = 4096;
// Enough for any sensible search of these sizes, even under the sanitizers,
// and short enough that a runaway pattern cannot stall the fuzzer.
constexpr std::chrono::milliseconds kTimeLimit{20};
constexpr qsizetype kOutputLimit = qsizetype(1) << 16;

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// Matches lie inside the text, in order, without overlapping, and a search
// that is not Global finds at most one.
void checkMatches(const MatchCollection& matches, const QString& subject, bool global)
{
    require(global || matches.Count() <= 1);
    qsizetype previousEnd = 0;
    qsizetype previousStart = -1;
    for (qsizetype i = 0; i < matches.Count(); ++i) {
        const Match match = matches.Item(i);
        require(match.FirstIndex() >= previousEnd && match.FirstIndex() > previousStart);
        require(match.Length() >= 0 && match.FirstIndex() + match.Length() <= subject.size());
        require(match.Value() == subject.mid(match.FirstIndex(), match.Length()));
        previousStart = match.FirstIndex();
        previousEnd = match.FirstIndex() + match.Length();
    }
}

qsizetype matchedLength(const MatchCollection& matches)
{
    qsizetype total = 0;
    for (const MatchCollection::Span& span : matches.spans())
        total += span.length;
    return total;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > kMaxInput)
        return 0;
    // The first byte's low bits are the options, so a seed may start with a
    // readable digit: '0' none, '1' IgnoreCase, '2' Global, '4' Multiline.
    const std::uint8_t options = data[0];
    const QStringList texts = fuzz::splitTexts(data + 1, size - 1);
    const QString pattern = texts.value(0);
    const QString subject = texts.value(1);
    const QString replacement = texts.value(2);

    RegExp re;
    re.Pattern(pattern);
    re.IgnoreCase(options & 1);
    re.Global(options & 2);
    re.Multiline(options & 4);
    re.TimeLimit(kTimeLimit);
    re.OutputLimit(kOutputLimit);

    MatchCollection matches;
    try {
        matches = re.Execute(subject);
    } catch (const RegexError&) {
        return 0;
    }
    checkMatches(matches, subject, re.Global());

    // Each call below may give up on its own; only a finished one is checked.
    try {
        require(re.Test(subject) == (matches.Count() > 0));
    } catch (const RegexError& e) {
        require(e.kind() == RegexError::Kind::GaveUp);
    }
    try {
        const QString replaced = re.Replace(subject, replacement);
        require(matches.Count() > 0 || replaced == subject);
    } catch (const RegexError& e) {
        require(e.kind() == RegexError::Kind::GaveUp);
    }
    try {
        const QString removed = re.Replace(subject, QString());
        require(removed.size() == subject.size() - matchedLength(matches));
    } catch (const RegexError& e) {
        require(e.kind() == RegexError::Kind::GaveUp);
    }
    return 0;
}
