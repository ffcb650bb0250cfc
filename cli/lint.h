#pragma once

#include "cli/arguments.h"
#include "cli/output.h"

#include <QStringList>

namespace pattaro::cli {

// lint: whether each expression can backtrack without end, with the part
// responsible, the growth measured on the engine, an attack text and a
// rewrite where one applies. Exits 0 when every expression is safe, 1 when
// one is not, 2 when one is invalid.
int RunLint(const Arguments& args, const QStringList& patterns, Utf8Output& out);

// The expressions of a lint FILE: one a line, blank lines skipped, a CR
// before the LF dropped.
QStringList LintPatternsOfText(const QString& text);

} // namespace pattaro::cli
