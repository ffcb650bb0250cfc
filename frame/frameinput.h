#pragma once

#include "frame/captionbtn.h"
#include "frame/framestate.h"

#include <array>
#include <cstdint>
#include <optional>

namespace pattaro {

// The mouse buttons, shift masks and key codes the frame's events carry.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kAltMask = 4;
inline constexpr std::int16_t kKeyF4 = 115;

// The visible caption button at x, y (strictly inside its box), or none.
CaptionButton CaptionButtonAt(const std::array<CaptionBtn, kCaptionButtonCount>& buttons, std::int32_t x,
                              std::int32_t y);

// What a pointer or key event asks of the control beyond its own state.
enum class FrameRequest { None, Close, ToggleMaximized, Minimize, SystemMenu };

// A move over a caption button, or off them: which to draw unlit and which
// lit. Unlighting CaptionButton::None draws every button unlit.
struct HoverChange {
    bool OnButton = false;
    std::optional<CaptionButton> Unlight;
    std::optional<CaptionButton> Light;
};

// A drag by a grip: the new width and height in pixels, each only if the
// grip sizes that way, and which grips' pointers fall back to the arrow
// because the pointer went past the smallest size.
struct GripDrag {
    float X = 0;
    float Y = 0;
    std::optional<float> Width;
    std::optional<float> Height;
    bool RightGripReleased = false;
    bool BottomGripReleased = false;
};

// Turns the frame's pointer and key events into changes of its state and
// requests to the control; draws nothing and asks nothing of the host.
class FrameInput {
public:
    explicit FrameInput(FrameState& state) : m_state(state) {}

    // A press: remembered for a double click; answers whether it opens the
    // system menu, a left press on the icon.
    bool Press(std::int16_t button, float x, float y);
    // A move to x, y: the caption buttons to draw anew, none when the
    // pointer stays on the lit one or stays off every button.
    HoverChange Hover(float x, float y);
    // Sizing by the grip that is held, if one is: its new extent, and the
    // pointer's place kept inside the smallest size.
    std::optional<GripDrag> DragGrip(float x, float y) const;
    // Whether a left move at x, y drags the window by its title bar.
    bool DragsWindow(float x, float y) const;
    // A release: the caption button's request, or the system menu for a
    // right release on the title bar.
    FrameRequest Release(std::int16_t button, float x, float y);
    // A double click: whether it toggles maximised, and whether the control
    // hears of it at all (not without a maximise button).
    struct DoubleClick {
        bool Heard = false;
        bool Toggles = false;
    };
    DoubleClick DoubleClicked();
    FrameRequest KeyDown(std::int16_t keyCode, std::int16_t shift) const;
    // The grips size the window unless it is maximised.
    bool GripsSize() const { return m_state.Window != WindowState::Maximized; }
    // A grip pressed while showing pointer: a sizing pointer starts a drag.
    void GripPressed(std::int16_t pointer) { m_state.GripPointer = pointer; }
    void GripReleased() { m_state.GripPointer = 0; }
    // The pointer a grip shows at x, y of its own surface, over a control
    // of the given size; nothing when the grips do not size the window.
    std::optional<std::int16_t> GripPointer(bool rightGrip, float x, float y, std::int32_t width,
                                            std::int32_t height) const;

private:
    bool overButtons(float x) const;

    FrameState& m_state;
};

} // namespace pattaro
