#include "core/codegen/codegen.h"

#include "core/codegen/target.h"
#include "core/regex/translator.h"

#include <QRegularExpression>

namespace pattaro {
namespace {

const TargetLanguage& target(CodeLanguage language)
{
    switch (language) {
    case CodeLanguage::JavaScript:
        return javaScriptTarget();
    case CodeLanguage::Python:
        return pythonTarget();
    case CodeLanguage::Java:
        return javaTarget();
    case CodeLanguage::CSharp:
        return cSharpTarget();
    case CodeLanguage::Go:
        return goTarget();
    case CodeLanguage::Php:
        return phpTarget();
    case CodeLanguage::CppQt:
        break;
    }
    return cppQtTarget();
}

QString indented(const QString& lines, const QString& pad)
{
    QString out;
    for (const QString& line : lines.split(u'\n')) {
        if (!line.isEmpty())
            out += pad + line;
        out += u'\n';
    }
    out.chop(1);
    return out;
}

} // namespace

QString hex4(char32_t unit) { return QStringLiteral("%1").arg(uint(unit), 4, 16, QChar(u'0')); }

bool isPlainPrintable(char16_t unit)
{
    if (unit < 0x80)
        return unit >= 0x20 && unit < 0x7f;
    const QChar c(unit);
    return !c.isSurrogate() && c.isPrint() && c.category() != QChar::Other_Format && unit >= 0xa0;
}

QString caveatForBeforeAfter(const QString& language)
{
    return QStringLiteral("%1's replacement has no form for $` and $' (the text before and after the match); "
                          "they are left out.")
        .arg(language);
}

const std::vector<CodeLanguageInfo>& codeLanguages()
{
    static const std::vector<CodeLanguageInfo> languages = {
        {CodeLanguage::JavaScript, QStringLiteral("JavaScript"), QStringLiteral("javascript")},
        {CodeLanguage::Python, QStringLiteral("Python"), QStringLiteral("python")},
        {CodeLanguage::Java, QStringLiteral("Java"), QStringLiteral("java")},
        {CodeLanguage::CSharp, QStringLiteral("C#"), QStringLiteral("csharp")},
        {CodeLanguage::Go, QStringLiteral("Go"), QStringLiteral("go")},
        {CodeLanguage::Php, QStringLiteral("PHP"), QStringLiteral("php")},
        {CodeLanguage::CppQt, QStringLiteral("C++ (Qt QRegularExpression)"), QStringLiteral("cpp")},
    };
    return languages;
}

const CodeLanguageInfo* codeLanguageNamed(const QString& name)
{
    for (const CodeLanguageInfo& info : codeLanguages())
        if (info.name.compare(name, Qt::CaseInsensitive) == 0)
            return &info;
    return nullptr;
}

GeneratedCode generateCode(CodeLanguage language, const CodeRequest& request, CodeShape shape)
{
    // Refuses what the window refuses, with the window's error.
    translatePattern(request.pattern, request.ignoreCase, true);
    const TargetLanguage& t = target(language);
    CodeInput input{request, rewritePattern(request.pattern, t.dialect), {}};
    input.replacement = replacementParts(request.replacement, input.pattern.groupCount, input.pattern.groupNumbers);
    GeneratedCode code;
    code.caveats = input.pattern.caveats;
    // Unicode case folding, where the window compares upper cases: ſ, the
    // Kelvin sign, ı and İ, which letters and classes can meet.
    static const QRegularExpression foldingMeets(QStringLiteral("[ksi\\[ſKıİ]|\\\\w"),
                                                 QRegularExpression::CaseInsensitiveOption);
    const bool foldingMatters =
        request.pattern.contains(foldingMeets) || input.pattern.pattern.contains(foldingMeets);
    if (request.ignoreCase && !t.dialect.javaScript && foldingMatters)
        code.caveats << QStringLiteral("Ignoring case, %1 also matches ſ with s, the Kelvin sign with k and "
                                       "ı or İ with i; the window does not.")
                            .arg(t.dialect.name);
    const QString lines = t.snippet(input, code.caveats);
    QString comments;
    for (const QString& caveat : code.caveats)
        comments += t.commentPrefix + caveat + u'\n';
    code.text = comments + lines;
    if (shape == CodeShape::Program)
        code.text = t.program(indented(code.text, t.programIndent));
    return code;
}

QString codeFor(CodeLanguage language, const CodeRequest& request, CodeShape shape)
{
    return generateCode(language, request, shape).text;
}

} // namespace pattaro
