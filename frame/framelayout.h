#pragma once

#include "compat/rect.h"
#include "frame/captionbtn.h"

#include <array>
#include <cstdint>
#include <optional>

namespace pattaro {

// What the title bar's layout depends on: the style, the measured title
// height, the control's width, which caption buttons show, and the form's
// icon.
struct TitleBarInput {
    std::int32_t Style = 0;
    std::int32_t TitleHeight = 0;
    std::int32_t Width = 0;
    std::array<bool, kCaptionButtonCount> Visible{};
    CaptionButton Leftmost = CaptionButton::Close;
    // Where the leftmost button stood when the bar was last laid out: the
    // caption ends there, so a resize trims it to the former width until
    // the next layout.
    std::int32_t LeftmostLeft = 0;
    // The icon's size when the form shows one.
    std::optional<std::int16_t> Icon;
    // A style without a title keeps the title height and button row of the
    // last layout.
    std::int32_t FormerTitleAreaHeight = 0;
    std::int32_t FormerButtonRowTop = 0;
};

struct ButtonBox {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    friend bool operator==(const ButtonBox&, const ButtonBox&) = default;
};

// Where the title bar's parts go, in pixels of the control's surface.
struct TitleBarLayout {
    std::int32_t TitleAreaHeight = 0;
    // The top of the centred row the buttons hang from.
    std::int32_t ButtonRowTop = 0;
    // A hidden button has no box.
    std::array<std::optional<ButtonBox>, kCaptionButtonCount> Buttons{};
    // Left, top, right, bottom; empty for a style without a caption area.
    platform::RECT Caption{};
    friend bool operator==(const TitleBarLayout&, const TitleBarLayout&) = default;
};

// The title area's height, the title and its extra band; nothing for a
// style without a title.
std::optional<std::int32_t> TitleAreaHeight(std::int32_t style, std::int32_t titleHeight);

// The title is as tall as the larger of these: its text's height with
// padding, and its icon's.
std::int32_t TitleHeightForText(std::int32_t textHeight);
std::int16_t TitleHeightForIcon(std::int16_t iconSize);

TitleBarLayout LayOutTitleBar(const TitleBarInput& in);

// Where an icon of edge pixels goes in a title area of the given height.
// Halves are kept: they round to even where the icon is drawn, like every
// conversion to whole pixels in the control.
struct IconPlace {
    double X = 0;
    double Y = 0;
    friend bool operator==(const IconPlace&, const IconPlace&) = default;
};
IconPlace IconPosition(std::int32_t style, std::int32_t titleAreaHeight, std::int32_t edge);

// Where the caption goes (left, top, right, bottom) in a title bar of
// effective height titleAreaHeight, its right end at textRight, beside the
// form's icon when there is one. Nothing for a style without a caption area.
std::optional<platform::RECT> CaptionRect(std::int32_t style, std::int32_t titleAreaHeight, std::int32_t textRight,
                                          std::optional<std::int16_t> iconSize);

// Left edge of the k-th visible caption button from the right (k from 0).
std::int32_t CaptionButtonLeft(std::int32_t controlWidth, std::int32_t k);

} // namespace pattaro
