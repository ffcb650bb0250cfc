#include "core/codegen/target.h"

namespace pattaro {
namespace {

QString unit(char32_t c) { return QStringLiteral("\\x{%1}").arg(hex4(c)); }

QString stringLiteral(const QString& text, QStringList& caveats)
{
    // A raw string keeps a pattern's backslashes readable.
    if (!text.contains(u'`') && allPlainPrintable(text))
        return u'`' + text + u'`';
    const auto other = [&caveats](const QString& units, qsizetype& i) {
        const QChar c = units[i];
        if (c.isHighSurrogate() && i + 1 < units.size() && units[i + 1].isLowSurrogate())
            return QStringLiteral("\\U%1").arg(uint(QChar::surrogateToUcs4(c, units[++i])), 8, 16, QChar(u'0'));
        if (c.isSurrogate()) {
            caveats << QStringLiteral("Go strings cannot hold a lone surrogate; U+FFFD stands for it.");
            return QStringLiteral("\\ufffd");
        }
        return isPlainPrintable(c.unicode()) ? QString(c) : QStringLiteral("\\u") + hex4(c.unicode());
    };
    return u'"' + cStyleEscaped(text, other) + u'"';
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
