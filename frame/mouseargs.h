#pragma once

#include <cstdint>

class QMouseEvent;

namespace pattaro {

// A mouse event as the skin's handlers take it: Button (1 left, 2 right,
// 4 middle; for a move, every button held), Shift (1 shift, 2 ctrl, 4 alt)
// and the point in the receiver's pixels.
struct MouseArgs {
    std::int16_t Button;
    std::int16_t Shift;
    float X;
    float Y;
};

// For a press or release: the button that changed.
MouseArgs ButtonArgs(const QMouseEvent& event);
// For a move: the buttons held.
MouseArgs MoveArgs(const QMouseEvent& event);

} // namespace pattaro
