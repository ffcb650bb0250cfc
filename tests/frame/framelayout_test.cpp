#include "frame/framelayout.h"
#include "frame/skinvalues.h"

#include <gtest/gtest.h>

using namespace pattaro;
using platform::RECT;

namespace {

constexpr CaptionButton kClose = CaptionButton::Close;
constexpr CaptionButton kMinimize = CaptionButton::Minimize;

// A 400-pixel bar with a 25-pixel title and all three buttons, laid out
// before at the same width.
TitleBarInput barOfStyle(std::int32_t style)
{
    TitleBarInput in;
    in.Style = style;
    in.TitleHeight = 25;
    in.Width = 400;
    in.Visible = {true, true, true};
    in.Leftmost = kMinimize;
    in.LeftmostLeft = 334;
    in.FormerTitleAreaHeight = 41;
    in.FormerButtonRowTop = 5;
    return in;
}

TEST(TitleBarLayout, EachStyleSetsTitleHeightButtonRowAndCaption)
{
    const struct {
        std::int32_t style;
        std::int32_t titleAreaHeight, buttonRowTop;
        RECT caption;
    } cases[] = {
        // (25 - 18) / 2 = 3.5 rounds to even.
        {TitleCylinder, 25, 4, RECT{9, 4, 322, 25}},
        // The band of dots adds 10 rows, and the caption goes below it.
        {TitleTwoBands, 35, 8, RECT{9, 11, 322, 38}},
        {TitleDarkBand, 25, 4, RECT{9, 4, 322, 25}},
        {TitleLinear, 25, 4, RECT{9, 4, 322, 25}},
        // No title: the last layout's height and row stay, with no caption.
        {7, 41, 5, RECT{}},
        {-1, 41, 5, RECT{}},
    };
    for (const auto& c : cases) {
        const TitleBarLayout layout = LayOutTitleBar(barOfStyle(c.style));
        EXPECT_EQ(layout.TitleAreaHeight, c.titleAreaHeight) << c.style;
        EXPECT_EQ(layout.ButtonRowTop, c.buttonRowTop) << c.style;
        EXPECT_EQ(layout.Caption, c.caption) << c.style;
        const std::int32_t top = c.buttonRowTop + 2;
        EXPECT_EQ(layout.Buttons[0], (ButtonBox{376, top})) << c.style;
        EXPECT_EQ(layout.Buttons[1], (ButtonBox{355, top})) << c.style;
        EXPECT_EQ(layout.Buttons[2], (ButtonBox{334, top})) << c.style;
    }
}

TEST(TitleBarLayout, HiddenButtonsCloseUpAndTheCaptionEndsAtTheFormerLeftmost)
{
    using Boxes = std::array<std::optional<ButtonBox>, kCaptionButtonCount>;
    const struct {
        const char* name;
        std::array<bool, kCaptionButtonCount> visible;
        CaptionButton leftmost;
        std::int32_t width;
        Boxes boxes;
        std::int32_t captionRight;
    } cases[] = {
        {"close and minimise", {true, false, true}, kMinimize, 400, Boxes{ButtonBox{376, 6}, {}, ButtonBox{355, 6}},
         322},
        {"close only", {true, false, false}, kClose, 400, Boxes{ButtonBox{376, 6}, {}, {}}, 322},
        // Without buttons the caption runs to the control's right edge.
        {"none", {false, false, false}, kClose, 400, Boxes{}, 388},
        // Widened: the buttons move, the caption keeps the former width
        // until the next layout.
        {"widened", {true, true, true}, kMinimize, 500,
         Boxes{ButtonBox{476, 6}, ButtonBox{455, 6}, ButtonBox{434, 6}}, 322},
    };
    for (const auto& c : cases) {
        TitleBarInput in = barOfStyle(TitleCylinder);
        in.Visible = c.visible;
        in.Leftmost = c.leftmost;
        in.Width = c.width;
        const TitleBarLayout layout = LayOutTitleBar(in);
        EXPECT_EQ(layout.Buttons, c.boxes) << c.name;
        EXPECT_EQ(layout.Caption.Right, c.captionRight) << c.name;
    }
}

TEST(TitleBarLayout, AnIconPushesTheCaptionRight)
{
    TitleBarInput in = barOfStyle(TitleLinear);
    in.Icon = std::int16_t(16);
    EXPECT_EQ(LayOutTitleBar(in).Caption, (RECT{31, 4, 328, 25}));
}

TEST(TitleBarLayout, AWidthBeyondSixteenBitsFailsOnlyWithoutButtons)
{
    TitleBarInput in = barOfStyle(TitleCylinder);
    in.Width = 40000;
    EXPECT_NO_THROW(LayOutTitleBar(in));
    in.Visible = {false, false, false};
    EXPECT_ANY_THROW(LayOutTitleBar(in));
}

TEST(TitleBarLayout, TitleHeightIsTheTallerOfTextAndIcon)
{
    EXPECT_EQ(TitleHeightForText(16), 26);
    EXPECT_EQ(TitleHeightForIcon(16), 31);
    EXPECT_EQ(TitleAreaHeight(TitleTwoBands, 31), 41);
    EXPECT_EQ(TitleAreaHeight(TitleLinear, 31), 31);
    EXPECT_EQ(TitleAreaHeight(4, 31), std::nullopt);
    EXPECT_ANY_THROW(TitleHeightForIcon(32760)) << "beyond 16 bits";
}

TEST(TitleBarLayout, TheIconSitsCentredBelowTheDotsInTheTwoBandStyle)
{
    const struct {
        std::int32_t style, titleAreaHeight, edge;
        IconPlace expected;
    } cases[] = {
        {TitleCylinder, 31, 16, {9, 9.5}},
        {TitleLinear, 47, 32, {9, 9.5}},
        {TitleTwoBands, 41, 16, {9, 18.5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IconPosition(c.style, c.titleAreaHeight, c.edge), c.expected) << c.style;
}

TEST(TitleBarLayout, CaptionRectDependsOnStyleAndIcon)
{
    const struct {
        std::int32_t style, titleHeight;
        std::optional<std::int16_t> icon;
        std::optional<RECT> expected;
    } cases[] = {
        {TitleCylinder, 31, std::nullopt, RECT{9, 4, 388, 31}},
        {TitleLinear, 31, std::int16_t(16), RECT{31, 4, 394, 31}},
        // Below the grip dots: 7 pixels lower, 3 pixels deeper.
        {TitleTwoBands, 41, std::nullopt, RECT{9, 11, 388, 44}},
        {TitleDarkBand, 31, std::int16_t(32), RECT{47, 4, 394, 31}},
        {7, 31, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaptionRect(c.style, c.titleHeight, 400, c.icon), c.expected) << "style " << c.style;
}

} // namespace
