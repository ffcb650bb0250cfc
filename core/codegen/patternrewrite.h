#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace pattaro {

// How a target language's regular expressions differ from the window's
// dialect, as far as rewriting a pattern needs to know.
struct PatternDialect {
    // JavaScript itself: classes, `.`, `^`, `$` and `\b` keep their form.
    bool javaScript = false;
    // How the pattern writes one UTF-16 code unit (`\u00e9`, `\x{e9}`).
    QString (*unit)(char32_t) = nullptr;
    QString namedGroupOpen = QStringLiteral("(?<"); // or "(?P<"
    // Names the language takes as they are; others become plain groups,
    // which keeps the numbering, as every reference is by number.
    bool keepsNames = true;
    // Look-around, conditionals and back-references exist (not in RE2).
    bool backtracking = true;
    // Whether (?(n)\n) is understood, so that a reference to a group that
    // has not taken part matches the empty text, as in the window.
    bool conditionals = true;
    // Look-behinds of any length (JavaScript, .NET); others want a fixed
    // or bounded one.
    bool anyLookbehind = false;
    // The text is matched by code point, not by UTF-16 code unit.
    bool codePoints = false;
    QString name; // for the comments: "Python"
};

struct RewrittenPattern {
    QString pattern;
    QStringList caveats;
    int groupCount = 0;
    QHash<QString, int> groupNumbers; // by name
};

// The pattern must be valid in the window's dialect.
RewrittenPattern rewritePattern(const QString& source, const PatternDialect& dialect);

} // namespace pattaro
