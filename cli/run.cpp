#include "cli/run.h"

#include "core/codegen/codegen.h"
#include "core/commands/replaceeach.h"
#include "core/commands/simplecase.h"
#include "core/regex/regexp.h"
#include "core/text/largebuffer.h"
#include "core/text/utf8encoder.h"
#include "cli/escape.h"
#include "cli/terminal.h"

#include <algorithm>

namespace pattaro::cli {
namespace {

int foundAny(qsizetype count)
{
    return count > 0 ? kExitSuccess : kExitNothingMatched;
}

QString jsonSpan(qsizetype index, qsizetype length)
{
    return QStringLiteral("{\"index\":%1,\"length\":%2,\"value\":").arg(index).arg(length);
}

int count(RegExp& engine, const QString& text, bool json, Utf8Output& out)
{
    return WriteCount(engine.Count(text), json, out);
}

int listMatches(RegExp& engine, const QString& text, bool json, bool color, Utf8Output& out)
{
    // The whole search comes first: one that gives up writes nothing.
    const MatchCollection matches = engine.Execute(text);
    const QStringView subject = matches.Subject();
    const qsizetype n = matches.Count();
    if (json)
        out.write(QStringLiteral("{\"count\":%1,\"matches\":[").arg(n));
    qsizetype i = 0;
    for (const MatchCollection::Span& span : matches.spans()) {
        const QStringView value = subject.mid(span.firstIndex, span.length);
        if (json) {
            out.write(u"\n");
            out.write(jsonSpan(span.firstIndex, span.length));
            out.write(JsonString(value));
            out.write(i + 1 < n ? QStringView(u"},") : QStringView(u"}\n"));
        } else {
            out.write(QStringLiteral("%1\t%2\t").arg(span.firstIndex).arg(span.length));
            if (color)
                out.write(kMatchColorOn);
            out.write(EscapePlain(value));
            if (color)
                out.write(kMatchColorOff);
            out.write(u"\n");
        }
        ++i;
    }
    if (json)
        out.write(u"]}\n");
    return foundAny(n);
}

int replace(RegExp& engine, const QString& text, const QString& replacement, bool json, bool color,
            Utf8Output& out)
{
    // Encoded as the engine hands it over, which spares a full-size UTF-16
    // copy, and written only once complete: a replace that gives up
    // part-way writes nothing.
    QByteArray result;
    // Room for a result as long as the text, at up to three bytes a unit:
    // growing would copy it all. Room never written costs nothing.
    result.reserve((text.size() + RegExp::kReplacePieceUnits) * 3);
    AdviseLargeBuffer(result.data(), result.capacity());
    Utf8Encoder encoder;
    if (json)
        result += "{\"text\":\"";
    const RegExp::Marks marks = color && !json ? RegExp::Marks{kMatchColorOn, kMatchColorOff} : RegExp::Marks{};
    engine.Replace(text, replacement, marks, [&](QStringView piece) {
        encoder.append(result, json ? QStringView(JsonEscaped(piece)) : piece);
    });
    encoder.finish(result);
    if (json)
        result += "\"}\n";
    out.writeEncoded(result);
    return kExitSuccess;
}

int extract(RegExp& engine, const QString& text, const Arguments& args, Utf8Output& out)
{
    // Searching first reports an invalid pattern even when the
    // replacement is empty and nothing would be written.
    const MatchCollection matches = engine.Execute(text);
    const qsizetype n = matches.Count();
    if (args.json)
        out.write(QStringLiteral("{\"count\":%1,\"items\":[").arg(n));
    // An empty replacement writes nothing, as the window's command does; the
    // JSON listing still has an item for each match.
    if (n > 0 && (args.json || !args.replacement.isEmpty())) {
        const QStringView lineBreak = !args.lines ? QStringView() : args.crlf ? kItemLineBreak : QStringView(u"\n");
        // The items are written as they come, so their total is held to the
        // same bound as a replace result.
        const qsizetype limit = engine.ResultLimit(text.size());
        qsizetype written = 0;
        qsizetype index = 0;
        const std::vector<MatchCollection::Span>& spans = matches.spans();
        ReplaceEachMatch(
            engine, matches, args.replacement, false,
            [&](QStringView item) {
                written += item.size() + lineBreak.size();
                if (written > limit)
                    throw RegexError(RegexErrorCode::ExtractResultTooLong, -1, {.limit = limit});
                if (args.json) {
                    const MatchCollection::Span& span = spans[size_t(index)];
                    out.write(u"\n");
                    out.write(jsonSpan(span.firstIndex, span.length));
                    out.write(JsonString(item));
                    out.write(index + 1 < n ? QStringView(u"},") : QStringView(u"}\n"));
                } else {
                    out.write(item);
                    out.write(lineBreak);
                }
            },
            index);
    }
    if (args.json)
        out.write(u"]}\n");
    return foundAny(n);
}

} // namespace

int WriteCount(qsizetype n, bool json, Utf8Output& out)
{
    out.write(json ? QStringLiteral("{\"count\":%1}\n").arg(n) : QString::number(n) + u'\n');
    return foundAny(n);
}

std::chrono::milliseconds SearchTimeLimit(qsizetype textLength)
{
    // The window's limit suits what a person pastes; a script's large file
    // gets time in proportion, about a second per million characters.
    return std::max(RegExp::kDefaultTimeLimit, std::chrono::milliseconds(textLength / 1000));
}

void PrepareEngine(RegExp& engine, const Arguments& args, qsizetype textLength)
{
    engine.Global(true);
    engine.Multiline(true);
    engine.IgnoreCase(args.ignoreCase);
    engine.Pattern(args.pattern);
    engine.TimeLimit(args.timeLimit.value_or(SearchTimeLimit(textLength)));
}

int RunSearch(RegExp& engine, const Arguments& args, const QString& text, bool color, Utf8Output& out)
{
    switch (args.command) {
    case Command::Count:
        return count(engine, text, args.json, out);
    case Command::Matches:
        return listMatches(engine, text, args.json, color, out);
    case Command::Replace:
        return replace(engine, text, args.replacement, args.json, color, out);
    case Command::Extract:
        return extract(engine, text, args, out);
    case Command::Upper:
    case Command::Lower:
    case Command::Explain:
    case Command::Lint:
    case Command::Code:
    case Command::Run:
        break;
    }
    return kExitSuccess;
}

int RunCommand(RegExp& engine, const Arguments& args, const QString& text, bool color, Utf8Output& out)
{
    if (args.command == Command::Upper) {
        out.write(SimpleUpperCase(text));
        return kExitSuccess;
    }
    if (args.command == Command::Lower) {
        out.write(SimpleLowerCase(text));
        return kExitSuccess;
    }
    PrepareEngine(engine, args, text.size());
    return RunSearch(engine, args, text, color, out);
}

int RunCode(const Arguments& args, Utf8Output& out)
{
    out.write(codeFor(args.codeLanguage, {args.pattern, args.replacement, args.ignoreCase}, CodeShape::Program));
    return kExitSuccess;
}

} // namespace pattaro::cli
