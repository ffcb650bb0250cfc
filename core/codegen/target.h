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

} // namespace pattaro
