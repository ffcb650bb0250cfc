#pragma once

#include <cstdint>

namespace pattaro::geometry {

// The frame's measures in pixels of the control's surface.

// Caption buttons: square, in a row from the right edge.
inline constexpr std::int32_t kCaptionButtonSize = 18;
inline constexpr std::int32_t kCaptionButtonPitch = 21;
inline constexpr std::int32_t kCaptionButtonsRightMargin = 3;
// Between the centred button row and a button's top edge.
inline constexpr std::int32_t kCaptionButtonDrop = 2;

// The title's height: the text's height and padding, or the icon's size and
// padding, whichever is taller; the two-band style adds its band of dots.
inline constexpr std::int32_t kTitleTextPadding = 10;
inline constexpr std::int32_t kTitleIconPadding = 15;
inline constexpr std::int32_t kDotBandHeight = 10;

// The form's controls start this far below the title area.
inline constexpr std::int32_t kContentBelowTitle = 20;

// The upper band of the two-band and dark-band styles, and the main band
// below it, which overlaps it by a few rows.
inline constexpr std::int32_t kUpperBandTop = -2;
inline constexpr std::int32_t kMainBandTop = 7;

// The caption text's box: its left and top edges, the gap it keeps to the
// leftmost button, and where it starts below the dot band.
inline constexpr std::int32_t kCaptionLeft = 9;
inline constexpr std::int32_t kCaptionTop = 4;
inline constexpr std::int32_t kCaptionRightGap = 12;
inline constexpr std::int32_t kCaptionTopBelowDots = 11;
inline constexpr std::int32_t kCaptionBottomBelowDots = 3;
// Between the icon and the caption.
inline constexpr std::int32_t kIconCaptionGap = 6;

// The icon's left edge, and its drop below the centre line.
inline constexpr double kIconLeft = 9;
inline constexpr double kIconDrop = 2;
// The two-band style centres the icon in the band below the dots.
inline constexpr std::int32_t kIconDotBandAllowance = 8;

// The border around the client area is this many lines wide.
inline constexpr std::int32_t kBorderLines = 3;

// The line under the title bar stops short of both edges by this much.
inline constexpr std::int32_t kTitleUnderlineInset = 5;
// The shadow under the title bar.
inline constexpr std::int32_t kTitleShadowInset = 3;
inline constexpr std::int32_t kTitleShadowHeight = 8;

// The grip dots of the two-band style.
inline constexpr std::int32_t kGripDotCount = 9;
inline constexpr std::int32_t kGripDotPitch = 4;
inline constexpr std::int32_t kGripDotRowWidth = 34;
inline constexpr std::int32_t kGripDotBarHeight = 7;

// The icon's hot zone that opens the system menu, from the left edge; the
// menu opens just right of that edge.
inline constexpr float kSystemMenuZoneLeft = 2;
inline constexpr std::int32_t kSystemMenuZoneBeyondIcon = 8;
inline constexpr std::int32_t kSystemMenuLeft = 3;

// Resize grips: strips along the right and bottom edges.
inline constexpr std::int32_t kGripThickness = 3;
inline constexpr std::int32_t kGripEdgeInset = 4;
inline constexpr std::int32_t kRightGripBelowTitle = 9;
inline constexpr std::int32_t kRightGripShortfall = 10;
// Near the lower right corner a grip sizes both ways.
inline constexpr std::int32_t kRightGripCornerZone = 20;
inline constexpr std::int32_t kBottomGripCornerZone = 15;
// A drag by a grip keeps the window at least this wide and this far below
// the title bar tall; the pointer stays this far inside the new edge.
inline constexpr float kMinimumWidth = 130;
inline constexpr std::int32_t kMinimumBelowTitle = 15;
inline constexpr float kGripPointerInset = 5;

} // namespace pattaro::geometry
