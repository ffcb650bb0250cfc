#pragma once

#include "core/explain/syntaxtree.h"
#include "core/redos/automaton.h"

#include <QString>
#include <optional>

namespace pattaro {

// A standard rewrite of the part of the expression that backtracks without
// end, when one applies inside `where`: the whole expression rewritten.
//   (a+)+ and its kin      → a+          one repeat of a repeat
//   (a|b|a)*               → [ab]*       alternatives of one unit each
//   (\w+\s?)*              → (?:\w+(?:\s\w+)*\s?)?   words and single gaps
//   \s*\s*, .*.*           → \s*, .*     the same repeat twice in a row
// A capturing group stays a capturing group, so that later group numbers
// keep their meaning.
std::optional<QString> suggestRewrite(const SyntaxTree& tree, SourceSpan where);

} // namespace pattaro
