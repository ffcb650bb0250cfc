#pragma once

#include "core/redos/lint.h"

#include <QString>

namespace pattaro {

// What the expression box's tool tip says of a lint, in Chinese: which part
// can backtrack without end, how the time grows, the attack text (its
// pieces, shortened) and the rewrite if any; or that the analysis could not
// tell. Empty when there is nothing to say (safe, or invalid: the engine's
// own fault is worded elsewhere).
QString lintWarningText(const LintReport& report, const QString& expression);

// Text as typed, backslashes and all, but with line breaks, tabs and the
// other controls spelled out (\n, \r, \t, \u0001), so that it stays on one
// line of a tool tip or a report.
QString controlsSpelledOut(QStringView text);

} // namespace pattaro
