#pragma once

#include "core/explain/characternames.h"
#include "core/explain/syntaxtree.h"

#include <QString>

namespace pattaro {

// What a piece of the expression does, in a sentence: "第 1 个捕获组",
// "重复 1 次或更多次（贪婪）", "`\8` 即字符 8".
QString describe(const SyntaxNode& node, const SyntaxTree& tree, ExplainLanguage language);

// The piece's kind as a stable English word, for machines reading --json.
QString kindName(SyntaxKind kind);

// Where and why the expression was refused; `tree.error` must be set.
QString describeError(const SyntaxTree& tree, ExplainLanguage language);

} // namespace pattaro
