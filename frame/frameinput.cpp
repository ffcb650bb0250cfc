#include "frame/frameinput.h"

#include "compat/vbnumbers.h"
#include "frame/framegeometry.h"
#include "frame/mousepointer.h"
#include "frame/skinvalues.h"

namespace pattaro {

using namespace geometry;

CaptionButton CaptionButtonAt(const std::array<CaptionBtn, kCaptionButtonCount>& buttons, std::int32_t x,
                              std::int32_t y)
{
    for (const CaptionButton which : kCaptionButtons) {
        const CaptionBtn& b = buttons.at(std::size_t(which));
        if (b.Visible && b.Left < x && x < b.Left + b.Width && b.Top < y && y < b.Top + b.Height)
            return which;
    }
    return CaptionButton::None;
}

bool FrameInput::overButtons(float x) const
{
    const CaptionBtn& leftmost = m_state.Button(m_state.LeftmostBtn);
    return x >= leftmost.Left && leftmost.Visible;
}

bool FrameInput::Press(std::int16_t button, float x, float y)
{
    m_state.LastButton = button;
    return button == kLeftButton && y < m_state.TitleAreaHeight && kSystemMenuZoneLeft < x &&
           x < m_state.IconSize + kSystemMenuZoneBeyondIcon;
}

HoverChange FrameInput::Hover(float x, float y)
{
    HoverChange change;
    const CaptionButton under = CaptionButtonAt(m_state.CaptionBtns, platform::toInt16(double(x)),
                                                platform::toInt16(double(y)));
    m_state.BtnUnderMouse = under;
    if (under != CaptionButton::None) {
        change.OnButton = true;
        if (under != m_state.HotBtn) {
            change.Unlight = m_state.HotBtn;
            change.Light = under;
            m_state.HotBtn = under;
        }
        return change;
    }
    if (m_state.HotBtn != CaptionButton::None) {
        change.Unlight = m_state.HotBtn;
        m_state.HotBtn = CaptionButton::None;
    }
    m_state.MouseOnTitle = y < m_state.TitleAreaHeight;
    return change;
}

std::optional<GripDrag> FrameInput::DragGrip(float x, float y) const
{
    if (m_state.GripPointer < 1)
        return std::nullopt;
    GripDrag drag;
    drag.X = x;
    drag.Y = y;
    if (drag.X < kMinimumWidth) {
        drag.X = kMinimumWidth;
        drag.RightGripReleased = true;
    }
    if (drag.Y < m_state.TitleAreaHeight + kMinimumBelowTitle) {
        drag.Y = float(m_state.TitleAreaHeight + kMinimumBelowTitle);
        drag.BottomGripReleased = true;
    }
    const float width = drag.X + kGripPointerInset, height = drag.Y + kGripPointerInset;
    switch (m_state.GripPointer) {
    case PointerSizeNS:
        drag.Height = height;
        break;
    case PointerSizeNWSE:
        drag.Width = width;
        drag.Height = height;
        break;
    case PointerSizeWE:
        drag.Width = width;
        break;
    default:
        break;
    }
    return drag;
}

bool FrameInput::DragsWindow(float x, float y) const
{
    return y < m_state.TitleAreaHeight && m_state.Moveable && !overButtons(x);
}

FrameRequest FrameInput::Release(std::int16_t button, float x, float y)
{
    if (button == kLeftButton) {
        switch (m_state.BtnUnderMouse) {
        case CaptionButton::Close:
            return FrameRequest::Close;
        case CaptionButton::MaximizeRestore:
            return FrameRequest::ToggleMaximized;
        case CaptionButton::Minimize:
            return FrameRequest::Minimize;
        case CaptionButton::None:
            break;
        }
    }
    if (button == kRightButton && y < m_state.TitleAreaHeight && !overButtons(x))
        return FrameRequest::SystemMenu;
    return FrameRequest::None;
}

FrameInput::DoubleClick FrameInput::DoubleClicked()
{
    if (!m_state.Button(CaptionButton::MaximizeRestore).Visible)
        return {};
    const DoubleClick result{true, m_state.LastButton == kLeftButton && m_state.MouseOnTitle};
    m_state.LastButton = 0;
    return result;
}

FrameRequest FrameInput::KeyDown(std::int16_t keyCode, std::int16_t shift) const
{
    const bool altF4 = keyCode == kKeyF4 && (shift & kAltMask) != 0;
    return m_state.Button(CaptionButton::Close).Visible && altF4 ? FrameRequest::Close : FrameRequest::None;
}

std::optional<std::int16_t> FrameInput::GripPointer(bool rightGrip, float x, float y, std::int32_t width,
                                                    std::int32_t height) const
{
    if (m_state.BorderStyle != BorderSizable)
        return std::nullopt;
    // The right grip's lower end and the bottom grip's right end size both
    // ways.
    if (rightGrip)
        return y > height - m_state.TitleAreaHeight - kRightGripCornerZone ? PointerSizeNWSE : PointerSizeWE;
    return x > width - kBottomGripCornerZone ? PointerSizeNWSE : PointerSizeNS;
}

} // namespace pattaro
