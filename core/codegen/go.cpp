#include "core/codegen/target.h"

namespace pattaro {
namespace {

QString unit(char32_t c) { return QStringLiteral("\\x{%1}").arg(hex4(c)); }

QString stringLiteral(const QString& text, QStringList& caveats)
{
    // A raw string keeps a pattern's backslashes readable.
    if (!text.contains(u'`') &&
        std::all_of(text.begin(), text.end(), [](QChar c) { return isPlainPrintable(c.unicode()); }))
        return u'`' + text + u'`';
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
            out += QStringLiteral("\\U%1").arg(uint(QChar::surrogateToUcs4(c, text[++i])), 8, 16, QChar(u'0'));
        else if (c.isSurrogate()) {
            out += QStringLiteral("\\ufffd");
            caveats << QStringLiteral("Go strings cannot hold a lone surrogate; U+FFFD stands for it.");
        } else
            out += isPlainPrintable(c.unicode()) ? QString(c) : QStringLiteral("\\u") + hex4(c.unicode());
    }
    return out + u'"';
}

QString replacement(const CodeInput& input, QStringList& caveats)
{
    QString out;
    for (const ReplacementPart& part : input.replacement) {
        switch (part.kind) {
        case ReplacementPart::Kind::Text:
            out += QString(part.text).replace(u'$', QStringLiteral("$$"));
            break;
        case ReplacementPart::Kind::Group:
            out += QStringLiteral("${%1}").arg(part.group);
            break;
        case ReplacementPart::Kind::Before:
        case ReplacementPart::Kind::After:
            caveats << caveatForBeforeAfter(QStringLiteral("Go"));
            break;
        }
    }
    return out;
}

QString snippet(const CodeInput& input, QStringList& caveats)
{
    caveats << QStringLiteral("Go skips an empty match right after another match; the window does not.");
    const QString pattern = (input.request.ignoreCase ? QStringLiteral("(?i)") : QString()) + input.pattern.pattern;
    const QString text = QStringLiteral("re := regexp.MustCompile(%1)\n"
                                        "result := re.ReplaceAllString(text, %2)\n")
                             .arg(stringLiteral(pattern, caveats), stringLiteral(replacement(input, caveats), caveats));
    caveats.removeDuplicates();
    return text;
}

QString program(const QString& snippet)
{
    return QStringLiteral("package main\n"
                          "\n"
                          "import (\n"
                          "\t\"io\"\n"
                          "\t\"os\"\n"
                          "\t\"regexp\"\n"
                          ")\n"
                          "\n"
                          "func main() {\n"
                          "\tinput, err := io.ReadAll(os.Stdin)\n"
                          "\tif err != nil {\n"
                          "\t\tpanic(err)\n"
                          "\t}\n"
                          "\ttext := string(input)\n"
                          "%1"
                          "\tos.Stdout.WriteString(result)\n"
                          "}\n")
        .arg(snippet);
}

} // namespace

const TargetLanguage& goTarget()
{
    static const TargetLanguage t{
        {false, unit, QStringLiteral("(?P<"), true, false, false, false, true, QStringLiteral("Go")},
        QStringLiteral("// "), snippet, program, QStringLiteral("	")};
    return t;
}

} // namespace pattaro
