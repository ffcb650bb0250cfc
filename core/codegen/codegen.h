#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace pattaro {

enum class CodeLanguage { JavaScript, Python, Java, CSharp, Go, Php, CppQt };

struct CodeLanguageInfo {
    CodeLanguage language;
    QString displayName; // for menus: "C++ (Qt QRegularExpression)"
    QString name;        // for the command line: "cpp"
};

// Every language code can be written in, in menu order.
const std::vector<CodeLanguageInfo>& codeLanguages();
// The language whose command-line name is `name`, case ignored.
const CodeLanguageInfo* codeLanguageNamed(const QString& name);

// What the window's replace-all does: every match (global), ^ and $ at line
// starts and ends (multiline), and the case option.
struct CodeRequest {
    QString pattern;     // in the window's dialect
    QString replacement; // JavaScript replacement syntax: $1, $&, $<name>, $$ …
    bool ignoreCase = false;
};

enum class CodeShape {
    Snippet, // a few lines working on a variable `text`
    Program, // reads standard input, writes the result to standard output
};

struct GeneratedCode {
    QString text;
    // Where the language cannot do what the window does; each also stands
    // as a comment in `text`.
    QStringList caveats;
};

// Throws RegexError(InvalidPattern) for a pattern the window would refuse.
GeneratedCode generateCode(CodeLanguage language, const CodeRequest& request, CodeShape shape);
QString codeFor(CodeLanguage language, const CodeRequest& request, CodeShape shape);

} // namespace pattaro
