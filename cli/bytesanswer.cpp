#include "cli/bytesanswer.h"

#include "core/text/bytefinder.h"
#include "core/text/textdecoding.h"
#include "core/text/utf8encoder.h"
#include "cli/run.h"

#include <vector>

namespace pattaro::cli {

std::optional<int> AnswerFromBytes(RegExp& engine, const Arguments& args, QByteArrayView bytes, bool color,
                                   Utf8Output& out)
{
    // A replace written as JSON escapes the text, which takes decoding it.
    const bool searches = args.command == Command::Count || args.command == Command::Matches
                          || args.command == Command::Extract || (args.command == Command::Replace && !args.json);
    if (!searches || args.ignoreCase)
        return std::nullopt;
    PrepareEngine(engine, args, bytes.size());
    RequiredLiteral literal;
    try {
        literal = engine.Required();
    } catch (const RegexError&) {
        return std::nullopt;
    }
    if (literal.alternatives.empty())
        return std::nullopt;
    std::vector<ByteFinder> finders;
    for (const QString& units : literal.alternatives) {
        // A lone surrogate can match half of a pair, which UTF-8 does not show.
        if (HasLoneSurrogate(units))
            return std::nullopt;
        finders.emplace_back(EncodeUtf8(units));
    }
    // Where the text begins when it is UTF-8: past its byte order mark. Its
    // validity is checked once the literals' search says that it pays.
    const QByteArrayView body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    const bool counted = literal.wholeMatch && args.command == Command::Count;
    qsizetype found = 0;
    if (counted) {
        found = CountLeftmostFirst(body, finders);
    } else {
        for (const ByteFinder& finder : finders) {
            if (finder.find(body) >= 0)
                return std::nullopt;
        }
    }
    const std::optional<QByteArrayView> text = Utf8TextBytes(bytes, args.encoding);
    if (!text)
        return std::nullopt;
    if (counted)
        return WriteCount(found, args.json, out);
    if (args.command == Command::Replace) {
        out.writeEncoded(*text);
        return kExitSuccess;
    }
    // Nothing matches, as in an empty text: every match holds a unit.
    return RunSearch(engine, args, QString(), color, out);
}

} // namespace pattaro::cli
