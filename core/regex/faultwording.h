#pragma once

#include "core/regex/regexp.h"

#include <QString>

namespace pattaro {

// What the window and the expression's explanation say about an expression
// the engine refused or gave up on: the engine's reason in Chinese and, for a
// refused expression, where in it the fault lies, counted in characters from
// 1 as a person reads it.
// Every code has its own wording; the engine's English is never shown.
QString expressionFaultText(const RegexError& error, const QString& expression);

} // namespace pattaro
