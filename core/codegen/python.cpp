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
    const bool raw = !text.endsWith(u'\\') && !text.contains(u'"') &&
                     std::all_of(text.begin(), text.end(), [](QChar c) { return isPlainPrintable(c.unicode()); });
    if (raw)
        return QStringLiteral("r\"") + text + u'"';
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"' || c == u'\\')
            out += u'\\' + QString(c);
        else if (c == u'\n')
            out += QStringView(u"\\n");
        else if (c == u'\r')
            out += QStringView(u"\\r");
        else if (c == u'\t')
            out += QStringView(u"\\t");
        else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            out += unit(QChar::surrogateToUcs4(c, text[++i]));
        else
            out += isPlainPrintable(c.unicode()) ? QString(c) : unit(c.unicode());
    }
    return out + u'"';
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
