#pragma once

#include "core/explain/characternames.h"
#include "core/explain/syntaxtree.h"

#include <QByteArray>
#include <QString>

namespace pattaro {

// The tree as indented lines, each a piece's source text and what it does;
// for a refused expression, the expression, a caret under the fault, and why.
QString explainAsText(const SyntaxTree& tree, ExplainLanguage language);

// The same as JSON: {"expression", "flags", "tree" | "error"}, each node
// {"kind", "start", "end", "source", "description", "children"}.
QByteArray explainAsJson(const SyntaxTree& tree, ExplainLanguage language);

} // namespace pattaro
