#pragma once

#include <QString>

class QLineEdit;

namespace pattaro {

// The commands stay silent when the engine refuses an expression or gives up
// on it, so the expression box itself shows why nothing happened: a tinted
// background and the engine's message as its tool tip, until the next run or
// the next edit of the expression.
void markExpressionFault(QLineEdit* box, const QString& message);
void clearExpressionFault(QLineEdit* box);
bool hasExpressionFault(const QLineEdit* box);

} // namespace pattaro
