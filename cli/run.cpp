#include "cli/run.h"

#include "app/commands/replaceeach.h"
#include "app/commands/simplecase.h"
#include "app/components/regex/regexp.h"
#include "app/components/textfile/largebuffer.h"
#include "app/components/textfile/utf8encoder.h"
#include "cli/escape.h"

#include <algorithm>

namespace pattaro::cli {
namespace {

void listMatches(const MatchCollection& matches, bool json, Utf8Output& out)
{
    if (json && matches.Count() == 0) {
        out.write(u"[]\n");
        return;
    }
    if (json)
        out.write(u"[\n");
    qsizetype i = 0;
    for (const MatchCollection::Span& span : matches.spans()) {
        const QString value = matches.Item(i).Value();
        if (json) {
            out.write(QStringLiteral("{\"index\":%1,\"length\":%2,\"value\":")
                          .arg(span.firstIndex)
                          .arg(span.length));
            out.write(JsonString(value));
            out.write(i + 1 < matches.Count() ? QStringView(u"},\n") : QStringView(u"}\n"));
        } else {
            out.write(QStringLiteral("%1\t%2\t").arg(span.firstIndex).arg(span.length));
            out.write(EscapePlain(value));
            out.write(u"\n");
        }
        ++i;
    }
    if (json)
        out.write(u"]\n");
}

} // namespace

std::chrono::milliseconds SearchTimeLimit(qsizetype textLength)
{
    // The window's limit suits what a person pastes; a script's large file
    // gets time in proportion, about a second per million characters.
    return std::max(RegExp::kDefaultTimeLimit, std::chrono::milliseconds(textLength / 1000));
}

void RunCommand(const Arguments& args, const QString& text, Utf8Output& out)
{
    if (args.command == Command::Upper) {
        out.write(SimpleUpperCase(text));
        return;
    }
    if (args.command == Command::Lower) {
        out.write(SimpleLowerCase(text));
        return;
    }

    RegExp engine;
    engine.Global(true);
    engine.Multiline(true);
    engine.IgnoreCase(args.ignoreCase);
    engine.Pattern(args.pattern);
    engine.TimeLimit(args.timeLimit.value_or(SearchTimeLimit(text.size())));

    switch (args.command) {
    case Command::Count:
        out.write(QString::number(engine.Execute(text).Count()) + u'\n');
        break;
    case Command::Matches:
        listMatches(engine.Execute(text), args.json, out);
        break;
    case Command::Replace: {
        // Encoded as the engine hands it over, which spares a full-size UTF-16
        // copy, and written only once complete: a replace that gives up
        // part-way writes nothing.
        QByteArray result;
        // Room for a result as long as the text, at up to three bytes a unit:
        // growing would copy it all. Room never written costs nothing.
        result.reserve((text.size() + RegExp::kReplacePieceUnits) * 3);
        AdviseLargeBuffer(result.data(), result.capacity());
        Utf8Encoder encoder;
        engine.Replace(text, args.replacement, [&](QStringView piece) { encoder.append(result, piece); });
        encoder.finish(result);
        out.writeEncoded(result);
        break;
    }
    case Command::Extract: {
        // Searching first reports an invalid pattern even when the
        // replacement is empty and nothing would be written.
        const MatchCollection matches = engine.Execute(text);
        if (args.replacement.isEmpty() || matches.Count() == 0)
            break;
        qsizetype index = 0;
        ReplaceEachMatch(
            engine, matches, args.replacement, args.lines,
            [&out](QStringView piece) { out.write(piece); }, index);
        break;
    }
    case Command::Upper:
    case Command::Lower:
        break;
    }
}

} // namespace pattaro::cli
