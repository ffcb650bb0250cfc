#pragma once

#include "core/regex/regexerror.h"
#include "core/regex/syntaxsink.h"

#include <QString>
#include <optional>
#include <vector>

namespace pattaro {

// One piece of an expression with the pieces inside it. An Alternative's
// `number` is its place among its siblings, from 1.
struct SyntaxNode {
    SyntaxEvent what;
    std::vector<SyntaxNode> children;
};

struct ExpressionFlags {
    bool ignoreCase = false;
    bool multiline = false;
    bool global = false;
};

// An expression read by the translator, as a tree under a root of kind
// Expression; or, when the translator refuses it, only the refusal.
struct SyntaxTree {
    QString source;
    ExpressionFlags flags;
    SyntaxNode root;
    std::optional<RegexError> error;
};

SyntaxTree readSyntaxTree(const QString& source, ExpressionFlags flags);

// The indices leading from the root to the innermost node whose span holds
// the unit at `offset` (or, at the very end, the unit before it); empty
// when no node but the root does.
std::vector<int> pathToOffset(const SyntaxNode& root, qsizetype offset);

} // namespace pattaro
