#pragma once

#include <QCursor>
#include <cstdint>
#include <optional>

class QWidget;

namespace pattaro {

// Mouse-pointer codes of the skin control and its grips.
enum MousePointerCode : std::int16_t {
    PointerDefault = 0,
    PointerSizeNS = 7,
    PointerSizeNWSE = 8,
    PointerSizeWE = 9,
    PointerHand = 99, // over a caption button
};

// The cursor a code stands for; nothing for the default (the widget then
// shows whatever its parent shows, the arrow on a form).
std::optional<QCursor> CursorForPointer(std::int16_t code);

// Shows the pointer a code stands for over the widget.
void ShowPointer(QWidget& widget, std::int16_t code);

// A 32 x 32 pointing hand, hot spot at the fingertip (12, 1).
QCursor HandCursor();

} // namespace pattaro
