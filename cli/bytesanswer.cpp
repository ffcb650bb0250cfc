#include "cli/bytesanswer.h"

#include "core/regex/linebound.h"
#include "core/text/bytefinder.h"
#include "core/text/textdecoding.h"
#include "core/text/utf8encoder.h"
#include "cli/linecount.h"
#include "cli/run.h"

#include <algorithm>
#include <vector>

namespace pattaro::cli {

std::optional<int> AnswerFromBytes(RegExp& engine, const Arguments& args, QByteArrayView bytes, bool color,
                                   Utf8Output& out)
{
    // A replace written as JSON escapes the text, which takes decoding it.
    const bool searches = args.command == Command::Count || args.command == Command::Matches
                          || args.command == Command::Extract || (args.command == Command::Replace && !args.json);
    if (!searches)
        return std::nullopt;
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
    // Past a byte order mark, where the text begins when it is UTF-8, which
    // is only checked when the bytes can answer.
    const QByteArrayView body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    const bool counted = !finders.empty() && literal.wholeMatch && args.command == Command::Count;
    const bool absent = !finders.empty() && !counted
                        && std::none_of(finders.cbegin(), finders.cend(),
                                        [&](const ByteFinder& finder) { return finder.find(body) >= 0; });
    if (!counted && !absent && !withinLines)
        return std::nullopt;
    const std::optional<QByteArrayView> text = Utf8TextBytes(bytes, args.encoding);
    if (!text)
        return std::nullopt;
    if (counted)
        return WriteCount(CountLeftmostFirst(*text, finders), args.json, out);
    if (!absent) {
        RegExp second;
        PrepareEngine(second, args, bytes.size());
        return WriteCount(CountLineByLine(engine, second, *text, finders), args.json, out);
    }
    if (args.command == Command::Replace) {
        out.writeEncoded(*text);
        return kExitSuccess;
    }
    // Nothing matches, as in an empty text: every match holds a unit.
    return RunSearch(engine, args, QString(), color, out);
}

} // namespace pattaro::cli
