#include "compat/controlcolor.h"

#include "compat/oletranslate.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>

namespace pattaro::platform {

namespace {

constexpr const char* kProperty = "BackColor";

} // namespace

void SetControlBackColor(QWidget* control, OleColor color)
{
    control->setProperty(kProperty, QVariant::fromValue(quint32(color)));
    OleColor plain = color;
    if (OleTranslateColor(color, &plain) != kS_OK)
        return;
    QPalette p = control->palette();
    const QColor shown = toQColor(plain);
    const bool editing = qobject_cast<QAbstractScrollArea*>(control) || qobject_cast<QLineEdit*>(control);
    if (editing) {
        p.setColor(QPalette::Base, shown);
    } else {
        p.setColor(QPalette::Window, shown);
        p.setColor(QPalette::Button, shown);
    }
    control->setPalette(p);
    // Under a style sheet the text area keeps the palette it was polished
    // with, so it is told directly.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
        QPalette inner = area->viewport()->palette();
        inner.setColor(QPalette::Base, shown);
        area->viewport()->setPalette(inner);
    }
}

std::optional<OleColor> ControlBackColor(const QWidget* control)
{
    const QVariant value = control->property(kProperty);
    if (!value.isValid())
        return std::nullopt;
    return OleColor(value.toUInt());
}

} // namespace pattaro::platform
