#include "frame/framelayout.h"

#include "frame/skinvalues.h"

namespace pattaro {

std::optional<platform::RECT> CaptionRect(std::int32_t style, std::int32_t titleAreaHeight, std::int32_t textRight,
                                          std::optional<std::int16_t> iconSize)
{
    platform::RECT text;
    switch (style) {
    case TitleCylinder:
    case TitleDarkBand:
    case TitleLinear:
        text = {9, 4, textRight - 12, titleAreaHeight};
        break;
    case TitleTwoBands:
        // Below the band of grip dots.
        text = {9, 11, textRight - 12, titleAreaHeight + 3};
        break;
    default:
        return std::nullopt;
    }
    if (iconSize) {
        platform::OffsetRect(text, *iconSize + 6, 0);
        text.Right -= *iconSize;
    }
    return text;
}

} // namespace pattaro
