#include "core/codegen/target.h"

namespace pattaro {
namespace {

QString unit(char32_t c) { return QStringLiteral("\\x{%1}").arg(hex4(c)); }

QString stringLiteral(const QString& text)
{
    const auto other = [](const QString& units, qsizetype i) {
        const QChar c = units[i];
        // \u may not name a surrogate; \x takes every hex digit that
        // follows, so the literal ends after it.
        if (c.isSurrogate())
            return QStringLiteral("\\x%1\" u\"").arg(hex4(c.unicode()));
        return isPlainPrintable(c.unicode()) ? QString(c) : QStringLiteral("\\u") + hex4(c.unicode());
    };
    return QStringLiteral("u\"") + cStyleEscaped(text, other) + QStringLiteral("\"_s");
}

QString partsExpression(const CodeInput& input)
{
    QStringList terms;
    for (const ReplacementPart& part : input.replacement) {
        switch (part.kind) {
        case ReplacementPart::Kind::Text:
            terms << stringLiteral(part.text);
            break;
        case ReplacementPart::Kind::Group:
            terms << QStringLiteral("match.captured(%1)").arg(part.group);
            break;
        case ReplacementPart::Kind::Before:
            terms << QStringLiteral("text.first(match.capturedStart())");
            break;
        case ReplacementPart::Kind::After:
            terms << QStringLiteral("text.sliced(match.capturedEnd())");
            break;
        }
    }
    return terms.isEmpty() ? QStringLiteral("QString()") : terms.join(u" + ");
}

QString snippet(const CodeInput& input, QStringList&)
{
    // A loop rather than QString::replace, which after an empty match
    // looks for a longer one at the same place; the window moves on.
    return QStringLiteral(
               "const QRegularExpression pattern(%1%2);\n"
               "QString result;\n"
               "qsizetype copied = 0;\n"
               "for (qsizetype from = 0; from <= text.size();) {\n"
               "    const QRegularExpressionMatch match = pattern.match(text, from);\n"
               "    if (!match.hasMatch())\n"
               "        break;\n"
               "    result += QStringView(text).sliced(copied, match.capturedStart() - copied);\n"
               "    result += %3;\n"
               "    copied = match.capturedEnd();\n"
               "    from = match.capturedLength() == 0 ? copied + 1 : copied;\n"
               "}\n"
               "result += QStringView(text).sliced(copied);\n")
        .arg(stringLiteral(input.pattern.pattern),
             input.request.ignoreCase ? QStringLiteral(", QRegularExpression::CaseInsensitiveOption") : QString(),
             partsExpression(input));
}

QString program(const QString& snippet)
{
    return QStringLiteral("#include <QRegularExpression>\n"
                          "#include <QString>\n"
                          "#include <QTextStream>\n"
                          "#include <cstdio>\n"
                          "\n"
                          "using namespace Qt::StringLiterals;\n"
                          "\n"
                          "int main()\n"
                          "{\n"
                          "    QTextStream input(stdin);\n"
                          "    const QString text = input.readAll();\n"
                          "%1"
                          "    QTextStream(stdout) << result;\n"
                          "}\n")
        .arg(snippet);
}

} // namespace

const TargetLanguage& cppQtTarget()
{
    static const TargetLanguage t{
        {false, unit, QStringLiteral("(?<"), true, true, true, false, true, QStringLiteral("Qt")},
        QStringLiteral("// "), snippet, program, QStringLiteral("    ")};
    return t;
}

} // namespace pattaro
