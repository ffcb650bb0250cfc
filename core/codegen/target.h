#pragma once

#include "core/codegen/codegen.h"
#include "core/codegen/patternrewrite.h"
#include "core/codegen/replacementparts.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace pattaro {

// What a language's writer works from: the request read and the pattern
// rewritten for the language.
struct CodeInput {
    const CodeRequest& request;
    RewrittenPattern pattern;
    std::vector<ReplacementPart> replacement;
};

// One language: how its patterns differ, how it writes strings, and the
// lines it writes. Each lives in a file of its own.
struct TargetLanguage {
    PatternDialect dialect;
    QString commentPrefix;
    // Lines that set `result` to `text` replaced; may add caveats.
    QString (*snippet)(const CodeInput& input, QStringList& caveats);
    // The snippet, already indented for the program, in a whole program.
    QString (*program)(const QString& snippet);
    QString programIndent; // put before each line of the snippet in the program
};

const TargetLanguage& javaScriptTarget();
const TargetLanguage& pythonTarget();
const TargetLanguage& javaTarget();
const TargetLanguage& cSharpTarget();
const TargetLanguage& goTarget();
const TargetLanguage& phpTarget();
const TargetLanguage& cppQtTarget();

// Shared by the writers.
QString hex4(char32_t unit);          // "00e9"
bool isPlainPrintable(char16_t unit); // may stand in a string as it is
QString caveatForBeforeAfter(const QString& language);

// The inside of a double-quoted string in the style every target shares:
// `"`, `\` and any unit of `alsoBackslashed` after a backslash, \n \r \t by
// name, and every other unit as `other(text, i)` writes it; `other` may
// take a surrogate pair whole by moving i onto its second half.
template <typename Other>
QString cStyleEscaped(const QString& text, Other other, QStringView alsoBackslashed = {})
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"' || c == u'\\' || alsoBackslashed.contains(c))
            out += u'\\' + QString(c);
        else if (c == u'\n')
            out += QStringView(u"\\n");
        else if (c == u'\r')
            out += QStringView(u"\\r");
        else if (c == u'\t')
            out += QStringView(u"\\t");
        else
            out += other(text, i);
    }
    return out;
}

inline bool allPlainPrintable(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return isPlainPrintable(c.unicode()); });
}

} // namespace pattaro
