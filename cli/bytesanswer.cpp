#include "cli/bytesanswer.h"

#include "core/regex/linebound.h"
#include "core/text/bytefinder.h"
#include "core/text/textdecoding.h"
#include "core/text/utf8decoder.h"
#include "core/text/utf8encoder.h"
#include "cli/linecount.h"
#include "cli/run.h"

#include <algorithm>
#include <vector>

namespace pattaro::cli {
namespace {

enum class Presence { Found, Absent, AbsentFromOtherThanUtf8 };

// Whether any of the literals occurs in the text, and when none does,
// whether it is UTF-8, which is only then worth checking.
Presence lookFor(QByteArrayView text, const std::vector<ByteFinder>& literals)
{
    if (std::any_of(literals.cbegin(), literals.cend(),
                    [&](const ByteFinder& literal) { return literal.find(text) >= 0; }))
        return Presence::Found;
    return IsUtf8(text) ? Presence::Absent : Presence::AbsentFromOtherThanUtf8;
}

} // namespace

std::optional<int> AnswerFromBytes(RegExp& engine, const Arguments& args, QByteArrayView bytes, bool color,
                                   Utf8Output& out)
{
    // A replace written as JSON escapes the text, which takes decoding it.
    const bool searches = args.command == Command::Count || args.command == Command::Matches
                          || args.command == Command::Extract || (args.command == Command::Replace && !args.json);
    if (!searches)
        return std::nullopt;
    const std::optional<QByteArrayView> unchecked = Utf8TextBytesUnchecked(bytes, args.encoding);
    if (!unchecked)
        return std::nullopt;
    const QByteArrayView text = *unchecked;
    PrepareEngine(engine, args, bytes.size());
    RequiredLiteral literal;
    bool withinLines = false;
    try {
        literal = engine.Required();
        withinLines = args.command == Command::Count
                      && MatchesStayWithinLines(args.pattern, args.ignoreCase, engine.Multiline());
    } catch (const RegexError&) {
        return std::nullopt;
    }
    // A lone surrogate can match half of a pair, which UTF-8 does not show.
    if (std::any_of(literal.alternatives.cbegin(), literal.alternatives.cend(), HasLoneSurrogate))
        literal.alternatives.clear();
    std::vector<ByteFinder> finders;
    for (const QString& units : literal.alternatives)
        finders.emplace_back(EncodeUtf8(units));

    if (!finders.empty() && literal.wholeMatch && args.command == Command::Count) {
        const qsizetype found = CountLeftmostFirst(text, finders);
        if (!IsUtf8(text))
            return std::nullopt;
        return WriteCount(found, args.json, out);
    }
    const Presence presence = finders.empty() ? Presence::Found : lookFor(text, finders);
    if (presence == Presence::AbsentFromOtherThanUtf8)
        return std::nullopt;
    if (presence == Presence::Absent) {
        if (args.command == Command::Replace) {
            out.writeEncoded(text);
            return kExitSuccess;
        }
        // Nothing matches, as in an empty text: every match holds a unit.
        return RunSearch(engine, args, QString(), color, out);
    }
    if (!withinLines)
        return std::nullopt;
    RegExp second;
    PrepareEngine(second, args, bytes.size());
    const std::optional<qsizetype> found = CountLineByLine(engine, second, text, finders);
    if (!found)
        return std::nullopt;
    return WriteCount(*found, args.json, out);
}

} // namespace pattaro::cli
