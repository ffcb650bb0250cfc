#include "frame/framelayout.h"

#include "compat/vbnumbers.h"
#include "frame/framegeometry.h"
#include "frame/skinvalues.h"

namespace pattaro {

using namespace geometry;

std::optional<std::int32_t> TitleAreaHeight(std::int32_t style, std::int32_t titleHeight)
{
    if (style < TitleCylinder || style > TitleLinear)
        return std::nullopt;
    return titleHeight + (style == TitleTwoBands ? kDotBandHeight : 0);
}

std::int32_t TitleHeightForText(std::int32_t textHeight)
{
    return platform::toInt32(double(textHeight) + kTitleTextPadding);
}

std::int16_t TitleHeightForIcon(std::int16_t iconSize)
{
    return platform::toInt16(std::int32_t(iconSize) + kTitleIconPadding);
}

std::int32_t CaptionButtonLeft(std::int32_t controlWidth, std::int32_t k)
{
    return controlWidth - kCaptionButtonsRightMargin - kCaptionButtonPitch * (k + 1);
}

TitleBarLayout LayOutTitleBar(const TitleBarInput& in)
{
    TitleBarLayout out;
    const std::int32_t textRight =
        in.Visible.at(std::size_t(in.Leftmost)) ? in.LeftmostLeft : platform::toInt16(in.Width);
    if (const auto area = TitleAreaHeight(in.Style, in.TitleHeight)) {
        out.TitleAreaHeight = *area;
        out.ButtonRowTop = platform::toInt32((*area - kCaptionButtonSize) / 2.0);
    } else {
        out.TitleAreaHeight = in.FormerTitleAreaHeight;
        out.ButtonRowTop = in.FormerButtonRowTop;
    }
    std::int32_t k = 0;
    for (std::size_t i = 0; i < kCaptionButtonCount; ++i)
        if (in.Visible[i])
            out.Buttons[i] = ButtonBox{CaptionButtonLeft(in.Width, k++), out.ButtonRowTop + kCaptionButtonDrop};
    out.Caption = CaptionRect(in.Style, out.TitleAreaHeight, textRight, in.Icon).value_or(platform::RECT{});
    return out;
}

IconPlace IconPosition(std::int32_t style, std::int32_t titleAreaHeight, std::int32_t edge)
{
    if (style == TitleTwoBands)
        return {kIconLeft, (titleAreaHeight - kIconDotBandAllowance - edge) / 2.0 + kDotBandHeight};
    return {kIconLeft, (titleAreaHeight - edge) / 2.0 + kIconDrop};
}

std::optional<platform::RECT> CaptionRect(std::int32_t style, std::int32_t titleAreaHeight, std::int32_t textRight,
                                          std::optional<std::int16_t> iconSize)
{
    platform::RECT text;
    switch (style) {
    case TitleCylinder:
    case TitleDarkBand:
    case TitleLinear:
        text = {kCaptionLeft, kCaptionTop, textRight - kCaptionRightGap, titleAreaHeight};
        break;
    case TitleTwoBands:
        text = {kCaptionLeft, kCaptionTopBelowDots, textRight - kCaptionRightGap,
                titleAreaHeight + kCaptionBottomBelowDots};
        break;
    default:
        return std::nullopt;
    }
    if (iconSize) {
        platform::OffsetRect(text, *iconSize + kIconCaptionGap, 0);
        text.Right -= *iconSize;
    }
    return text;
}

} // namespace pattaro
