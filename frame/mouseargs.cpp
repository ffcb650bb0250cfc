#include "frame/mouseargs.h"

#include <QMouseEvent>

namespace pattaro {

namespace {

std::int16_t buttonBits(Qt::MouseButtons buttons)
{
    return std::int16_t((buttons.testFlag(Qt::LeftButton) ? 1 : 0) | (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
                        (buttons.testFlag(Qt::MiddleButton) ? 4 : 0));
}

std::int16_t shiftBits(Qt::KeyboardModifiers modifiers)
{
    return std::int16_t((modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                        (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
                        (modifiers.testFlag(Qt::AltModifier) ? 4 : 0));
}

MouseArgs argsWith(const QMouseEvent& event, std::int16_t button)
{
    const QPointF at = event.position();
    return {button, shiftBits(event.modifiers()), float(at.x()), float(at.y())};
}

} // namespace

MouseArgs ButtonArgs(const QMouseEvent& event)
{
    return argsWith(event, buttonBits(event.button()));
}

MouseArgs MoveArgs(const QMouseEvent& event)
{
    return argsWith(event, buttonBits(event.buttons()));
}

} // namespace pattaro
