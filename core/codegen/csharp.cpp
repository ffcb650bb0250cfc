#include "core/codegen/target.h"

namespace pattaro {
namespace {

QString unit(char32_t c) { return QStringLiteral("\\u") + hex4(c); }

QString stringLiteral(const QString& text)
{
    // A verbatim string keeps a pattern's backslashes readable.
    if (allPlainPrintable(text))
        return QStringLiteral("@\"") + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
    const auto other = [](const QString& units, qsizetype i) {
        const char16_t c = units[i].unicode();
        return isPlainPrintable(c) ? QString(QChar(c)) : unit(c);
    };
    return u'"' + cStyleEscaped(text, other) + u'"';
}

QString replacement(const CodeInput& input)
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
            out += QStringLiteral("$`");
            break;
        case ReplacementPart::Kind::After:
            out += QStringLiteral("$'");
            break;
        }
    }
    return out;
}

QString snippet(const CodeInput& input, QStringList&)
{
    return QStringLiteral("var regex = new Regex(%1%2);\n"
                          "string result = regex.Replace(text, %3);\n")
        .arg(stringLiteral(input.pattern.pattern),
             input.request.ignoreCase ? QStringLiteral(", RegexOptions.IgnoreCase | RegexOptions.CultureInvariant")
                                      : QString(),
             stringLiteral(replacement(input)));
}

QString program(const QString& snippet)
{
    return QStringLiteral("using System;\n"
                          "using System.IO;\n"
                          "using System.Text;\n"
                          "using System.Text.RegularExpressions;\n"
                          "\n"
                          "var utf8 = new UTF8Encoding(false);\n"
                          "string text = new StreamReader(Console.OpenStandardInput(), utf8).ReadToEnd();\n"
                          "%1"
                          "using var output = new StreamWriter(Console.OpenStandardOutput(), utf8);\n"
                          "output.Write(result);\n")
        .arg(snippet);
}

} // namespace

const TargetLanguage& cSharpTarget()
{
    // .NET numbers named groups after the others, so names are dropped.
    static const TargetLanguage t{
        {false, unit, QStringLiteral("(?<"), false, true, true, true, false, QStringLiteral("C#")},
        QStringLiteral("// "), snippet, program, {}};
    return t;
}

} // namespace pattaro
