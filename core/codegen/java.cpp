#include "core/codegen/target.h"

namespace pattaro {
namespace {

QString unit(char32_t c) { return QStringLiteral("\\x{%1}").arg(hex4(c)); }

QString stringLiteral(const QString& text)
{
    const auto other = [](const QString& units, qsizetype i) {
        const char16_t c = units[i].unicode();
        if (isPlainPrintable(c))
            return QString(QChar(c));
        // Java reads \u escapes before anything else, so \u000a would end
        // the line: control characters go as three-digit octal.
        if (c < 0x80)
            return QStringLiteral("\\%1").arg(c, 3, 8, QChar(u'0'));
        return QStringLiteral("\\u") + hex4(c);
    };
    return u'"' + cStyleEscaped(text, other) + u'"';
}

QString replacement(const CodeInput& input, QStringList& caveats)
{
    QString out;
    bool afterGroup = false;
    for (const ReplacementPart& part : input.replacement) {
        switch (part.kind) {
        case ReplacementPart::Kind::Text:
            for (const QChar c : part.text) {
                // A digit right after $n would lengthen the number.
                if (c == u'\\' || c == u'$' || (afterGroup && c.isDigit()))
                    out += u'\\';
                out += c;
                afterGroup = false;
            }
            break;
        case ReplacementPart::Kind::Group:
            out += QStringLiteral("$%1").arg(part.group);
            afterGroup = true;
            break;
        case ReplacementPart::Kind::Before:
        case ReplacementPart::Kind::After:
            caveats << caveatForBeforeAfter(QStringLiteral("Java"));
            break;
        }
    }
    caveats.removeDuplicates();
    return out;
}

QString snippet(const CodeInput& input, QStringList& caveats)
{
    return QStringLiteral("Pattern pattern = Pattern.compile(%1%2);\n"
                          "String result = pattern.matcher(text).replaceAll(%3);\n")
        .arg(stringLiteral(input.pattern.pattern),
             input.request.ignoreCase ? QStringLiteral(", Pattern.CASE_INSENSITIVE | Pattern.UNICODE_CASE")
                                      : QString(),
             stringLiteral(replacement(input, caveats)));
}

QString program(const QString& snippet)
{
    return QStringLiteral("import java.io.IOException;\n"
                          "import java.nio.charset.StandardCharsets;\n"
                          "import java.util.regex.Pattern;\n"
                          "\n"
                          "public class Replace {\n"
                          "    public static void main(String[] args) throws IOException {\n"
                          "        String text = new String(System.in.readAllBytes(), StandardCharsets.UTF_8);\n"
                          "%1"
                          "        System.out.write(result.getBytes(StandardCharsets.UTF_8));\n"
                          "        System.out.flush();\n"
                          "    }\n"
                          "}\n")
        .arg(snippet);
}

} // namespace

const TargetLanguage& javaTarget()
{
    static const TargetLanguage t{
        {false, unit, QStringLiteral("(?<"), true, true, false, false, true, QStringLiteral("Java")},
        QStringLiteral("// "), snippet, program, QStringLiteral("        ")};
    return t;
}

} // namespace pattaro
