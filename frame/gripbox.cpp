#include "frame/gripbox.h"

#include "compat/controlcolor.h"
#include "frame/mousepointer.h"

#include <QMouseEvent>

namespace pattaro {

GripBox::GripBox(QWidget* form, const QString& name) : QWidget(form)
{
    setObjectName(name);
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void GripBox::MousePointer(std::int16_t code)
{
    m_mousePointer = code;
    ShowPointer(*this, code);
}

void GripBox::BackColor(platform::OleColor color)
{
    platform::SetControlBackColor(this, color);
    update();
}

void GripBox::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(ButtonArgs(*event));
}

void GripBox::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove(MoveArgs(*event));
}

void GripBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(ButtonArgs(*event));
}

} // namespace pattaro
