#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace pattaro {

// The caption buttons. Their numbers index the button table and are the
// numbers the control's public operations take and give.
enum class CaptionButton : std::int16_t { None = -1, Close = 0, MaximizeRestore = 1, Minimize = 2 };

inline constexpr std::size_t kCaptionButtonCount = 3;
// Right to left, the order they stand in the title bar.
inline constexpr std::array<CaptionButton, kCaptionButtonCount> kCaptionButtons{
    CaptionButton::Close, CaptionButton::MaximizeRestore, CaptionButton::Minimize};

constexpr std::int16_t ToNumber(CaptionButton which)
{
    return std::int16_t(which);
}

// A number outside the table is no button.
constexpr CaptionButton CaptionButtonOf(std::int16_t number)
{
    return number >= 0 && std::size_t(number) < kCaptionButtonCount ? CaptionButton(number) : CaptionButton::None;
}

// One caption button of the title bar. Measures in pixels of the control's
// surface.
struct CaptionBtn {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int16_t State = 0; // the look last drawn: 0 normal, -1 highlighted
    QString ToolTip;
    bool Visible = false;
};

} // namespace pattaro
