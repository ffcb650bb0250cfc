#include "ui/expressionfault.h"

#include "core/regex/faultwording.h"

#include <QLineEdit>

namespace pattaro {
namespace {

const char* const kFaultProperty = "expressionFault";
const QColor kFaultTint(0xFF, 0xE0, 0xE0);

} // namespace

void markExpressionFault(QLineEdit* box, const QString& message)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, kFaultTint);
    box->setPalette(palette);
    box->setToolTip(message);
    box->setProperty(kFaultProperty, true);
}

void markExpressionFault(QLineEdit* box, const RegexError& error)
{
    markExpressionFault(box, expressionFaultText(error, box->text()));
}

void clearExpressionFault(QLineEdit* box)
{
    if (!hasExpressionFault(box))
        return;
    box->setPalette(QPalette());
    box->setToolTip(QString());
    box->setProperty(kFaultProperty, false);
}

bool hasExpressionFault(const QLineEdit* box)
{
    return box->property(kFaultProperty).toBool();
}

} // namespace pattaro
