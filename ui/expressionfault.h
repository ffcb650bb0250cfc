#pragma once

#include "core/regex/regexp.h"

#include <QString>

class QLineEdit;

namespace pattaro {

// The commands stay silent when the engine refuses an expression or gives up
// on it, so the expression box itself shows why nothing happened: a tinted
// background and what went wrong as its tool tip, until the next run or the
// next edit of the expression.
void markExpressionFault(QLineEdit* box, const QString& message);
// Words the engine's fault in Chinese, placed in the box's expression.
void markExpressionFault(QLineEdit* box, const RegexError& error);
void clearExpressionFault(QLineEdit* box);
bool hasExpressionFault(const QLineEdit* box);

} // namespace pattaro
