#include "core/codegen/target.h"

namespace pattaro {
namespace {

QString unit(char32_t c) { return QStringLiteral("\\u") + hex4(c); }

QString stringLiteral(const QString& text)
{
    const auto other = [](const QString& units, qsizetype i) {
        const char16_t c = units[i].unicode();
        return isPlainPrintable(c) ? QString(QChar(c)) : unit(c);
    };
    return u'"' + cStyleEscaped(text, other) + u'"';
}

QString snippet(const CodeInput& input, QStringList&)
{
    // The window's own dialect, so the replacement is taken as it is.
    return QStringLiteral("const pattern = /%1/gm%2;\n"
                          "const result = text.replace(pattern, %3);\n")
        .arg(input.pattern.pattern.isEmpty() ? QStringLiteral("(?:)") : input.pattern.pattern,
             input.request.ignoreCase ? QStringLiteral("i") : QString(), stringLiteral(input.request.replacement));
}

QString program(const QString& snippet)
{
    return QStringLiteral("const text = require(\"fs\").readFileSync(0, \"utf8\");\n"
                          "%1"
                          "process.stdout.write(result);\n")
        .arg(snippet);
}

} // namespace

const TargetLanguage& javaScriptTarget()
{
    static const TargetLanguage t{
        {true, unit, QStringLiteral("(?<"), true, true, true, true, false, QStringLiteral("JavaScript")},
        QStringLiteral("// "), snippet, program, {}};
    return t;
}

} // namespace pattaro
