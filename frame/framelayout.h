#pragma once

#include "compat/rect.h"

#include <cstdint>
#include <optional>

namespace pattaro {

// Where the caption goes (left, top, right, bottom) in a title bar of
// effective height titleAreaHeight, its right end at textRight, beside the
// form's icon when there is one. Nothing for a style without a caption area.
std::optional<platform::RECT> CaptionRect(std::int32_t style, std::int32_t titleAreaHeight, std::int32_t textRight,
                                          std::optional<std::int16_t> iconSize);

// Left edge of the k-th visible caption button from the right (k from 0).
constexpr std::int32_t CaptionButtonLeft(std::int32_t controlWidth, std::int32_t k)
{
    return controlWidth - 3 - 21 * (k + 1);
}

} // namespace pattaro
