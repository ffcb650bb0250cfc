#include "core/codegen/target.h"

namespace pattaro {
namespace {

QString unit(char32_t c)
{
    return c > 0xffff ? QStringLiteral("\\U%1").arg(uint(c), 8, 16, QChar(u'0')) : QStringLiteral("\\u") + hex4(c);
}

QString stringLiteral(const QString& text)
{
    // A raw string keeps a pattern's backslashes readable.
    if (!text.endsWith(u'\\') && !text.contains(u'"') && allPlainPrintable(text))
        return QStringLiteral("r\"") + text + u'"';
    const auto other = [](const QString& units, qsizetype& i) {
        const QChar c = units[i];
        if (c.isHighSurrogate() && i + 1 < units.size() && units[i + 1].isLowSurrogate())
            return unit(QChar::surrogateToUcs4(c, units[++i]));
        return isPlainPrintable(c.unicode()) ? QString(c) : unit(c.unicode());
    };
    return u'"' + cStyleEscaped(text, other) + u'"';
}

QString template_(const CodeInput& input, QStringList& caveats)
{
    QString out;
    for (const ReplacementPart& part : input.replacement) {
        switch (part.kind) {
        case ReplacementPart::Kind::Text:
            out += QString(part.text).replace(u'\\', QStringLiteral("\\\\"));
            break;
        case ReplacementPart::Kind::Group:
            out += QStringLiteral("\\g<%1>").arg(part.group);
            break;
        case ReplacementPart::Kind::Before:
        case ReplacementPart::Kind::After:
            caveats << caveatForBeforeAfter(QStringLiteral("Python"));
            break;
        }
    }
    caveats.removeDuplicates();
    return out;
}

QString snippet(const CodeInput& input, QStringList& caveats)
{
    // A loop rather than sub(), which after an empty match looks for a
    // longer one at the same place; the window moves on.
    return QStringLiteral("pattern = re.compile(%1%2)\n"
                          "pieces = []\n"
                          "copied = start = 0\n"
                          "while start <= len(text):\n"
                          "    match = pattern.search(text, start)\n"
                          "    if not match:\n"
                          "        break\n"
                          "    pieces += [text[copied:match.start()], match.expand(%3)]\n"
                          "    copied = match.end()\n"
                          "    start = copied + 1 if match.start() == copied else copied\n"
                          "result = \"\".join(pieces) + text[copied:]\n")
        .arg(stringLiteral(input.pattern.pattern),
             input.request.ignoreCase ? QStringLiteral(", re.IGNORECASE") : QString(),
             stringLiteral(template_(input, caveats)));
}

QString program(const QString& snippet)
{
    // Bytes, so that CR LF reaches the pattern as it is.
    return QStringLiteral("import re\n"
                          "import sys\n"
                          "\n"
                          "text = sys.stdin.buffer.read().decode(\"utf-8\")\n"
                          "%1"
                          "sys.stdout.buffer.write(result.encode(\"utf-8\"))\n")
        .arg(snippet);
}

} // namespace

const TargetLanguage& pythonTarget()
{
    static const TargetLanguage t{
        {false, unit, QStringLiteral("(?P<"), true, true, true, false, true, QStringLiteral("Python")},
        QStringLiteral("# "), snippet, program, {}};
    return t;
}

} // namespace pattaro
