#include "frame/frameinput.h"
#include "frame/mousepointer.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

constexpr CaptionButton kClose = CaptionButton::Close;
constexpr CaptionButton kMaximize = CaptionButton::MaximizeRestore;
constexpr CaptionButton kMinimize = CaptionButton::Minimize;
constexpr CaptionButton kNone = CaptionButton::None;

// A 400-pixel frame with a 31-pixel title, a 16-pixel icon and the three
// caption buttons laid out from the right.
FrameState laidOut()
{
    FrameState s;
    s.TitleAreaHeight = 31;
    s.IconSize = 16;
    s.Moveable = true;
    const std::int32_t lefts[] = {376, 355, 334};
    for (std::size_t i = 0; i < kCaptionButtonCount; ++i)
        s.CaptionBtns[i] = CaptionBtn{lefts[i], 8, 18, 18, 0, QString(), true};
    s.LeftmostBtn = kMinimize;
    return s;
}

TEST(FrameInput, AButtonIsHitStrictlyInsideItsBoxAndOnlyWhenVisible)
{
    FrameState s = laidOut();
    const struct {
        std::int32_t x, y;
        CaptionButton expected;
    } cases[] = {
        {377, 9, kClose},     {393, 25, kClose}, {376, 9, kNone},  {394, 9, kNone},
        {377, 8, kNone},      {377, 26, kNone},  {356, 9, kMaximize}, {340, 20, kMinimize},
        {200, 9, kNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaptionButtonAt(s.CaptionBtns, c.x, c.y), c.expected) << c.x << "," << c.y;
    s.CaptionBtns[1].Visible = false;
    EXPECT_EQ(CaptionButtonAt(s.CaptionBtns, 356, 9), kNone) << "hidden";
}

TEST(FrameInput, HoverLightsOneButtonAtATimeStartingWithCloseTakenAsLit)
{
    FrameState s = laidOut();
    FrameInput input(s);
    const struct {
        float x, y;
        bool onButton;
        std::optional<CaptionButton> unlight, light;
        CaptionButton hot;
    } steps[] = {
        {380, 15, true, std::nullopt, std::nullopt, kClose}, // close counts as lit before any move
        {200, 15, false, kClose, std::nullopt, kNone},
        {200, 100, false, std::nullopt, std::nullopt, kNone},
        {380, 15, true, kNone, kClose, kClose}, // unlighting none redraws every button
        {340, 15, true, kClose, kMinimize, kMinimize},
        {341, 16, true, std::nullopt, std::nullopt, kMinimize},
    };
    for (const auto& step : steps) {
        const HoverChange change = input.Hover(step.x, step.y);
        EXPECT_EQ(change.OnButton, step.onButton) << step.x << "," << step.y;
        EXPECT_EQ(change.Unlight, step.unlight) << step.x << "," << step.y;
        EXPECT_EQ(change.Light, step.light) << step.x << "," << step.y;
        EXPECT_EQ(s.HotBtn, step.hot) << step.x << "," << step.y;
    }
    input.Hover(200, 10);
    EXPECT_TRUE(s.MouseOnTitle);
    input.Hover(200, 31);
    EXPECT_FALSE(s.MouseOnTitle);
}

TEST(FrameInput, ReleaseAsksForTheButtonUnderThePointerOrTheSystemMenu)
{
    const struct {
        const char* name;
        CaptionButton under;
        std::int16_t button;
        float x, y;
        FrameRequest expected;
    } cases[] = {
        {"close", kClose, kLeftButton, 380, 15, FrameRequest::Close},
        {"maximise", kMaximize, kLeftButton, 360, 15, FrameRequest::ToggleMaximized},
        {"minimise", kMinimize, kLeftButton, 340, 15, FrameRequest::Minimize},
        {"right on a button", kClose, kRightButton, 380, 15, FrameRequest::None},
        {"left on the title", kNone, kLeftButton, 200, 15, FrameRequest::None},
        {"right on the title", kNone, kRightButton, 200, 15, FrameRequest::SystemMenu},
        {"right below the title", kNone, kRightButton, 200, 31, FrameRequest::None},
        {"right beside the buttons", kNone, kRightButton, 334, 2, FrameRequest::None},
    };
    for (const auto& c : cases) {
        FrameState s = laidOut();
        s.BtnUnderMouse = c.under;
        EXPECT_EQ(FrameInput(s).Release(c.button, c.x, c.y), c.expected) << c.name;
    }
}

TEST(FrameInput, ALeftPressOnTheIconOpensTheSystemMenu)
{
    const struct {
        std::int16_t button;
        float x, y;
        bool opens;
    } cases[] = {
        {kLeftButton, 3, 10, true},  {kLeftButton, 23, 30, true},  {kLeftButton, 2, 10, false},
        {kLeftButton, 24, 10, false}, {kLeftButton, 10, 31, false}, {kRightButton, 10, 10, false},
    };
    for (const auto& c : cases) {
        FrameState s = laidOut();
        EXPECT_EQ(FrameInput(s).Press(c.button, c.x, c.y), c.opens) << c.button << " " << c.x << "," << c.y;
        EXPECT_EQ(s.LastButton, c.button);
    }
}

TEST(FrameInput, ADoubleClickTogglesAfterALeftPressOnTheTitleWithAMaximiseButton)
{
    const struct {
        bool maxButton;
        std::int16_t lastButton;
        bool onTitle;
        bool heard, toggles;
    } cases[] = {
        {true, kLeftButton, true, true, true},
        {true, kRightButton, true, true, false},
        {true, kLeftButton, false, true, false},
        {false, kLeftButton, true, false, false},
    };
    for (const auto& c : cases) {
        FrameState s = laidOut();
        s.CaptionBtns[1].Visible = c.maxButton;
        s.LastButton = c.lastButton;
        s.MouseOnTitle = c.onTitle;
        const FrameInput::DoubleClick click = FrameInput(s).DoubleClicked();
        EXPECT_EQ(click.Heard, c.heard);
        EXPECT_EQ(click.Toggles, c.toggles);
        EXPECT_EQ(s.LastButton, c.heard ? 0 : c.lastButton) << "a heard click forgets the press";
    }
}

TEST(FrameInput, AltF4ClosesOnlyWithACloseButton)
{
    const struct {
        bool closeButton;
        std::int16_t key, shift;
        FrameRequest expected;
    } cases[] = {
        {true, kKeyF4, kAltMask, FrameRequest::Close},
        {true, kKeyF4, kAltMask | 1, FrameRequest::Close},
        {true, kKeyF4, 0, FrameRequest::None},
        {true, 114, kAltMask, FrameRequest::None},
        {false, kKeyF4, kAltMask, FrameRequest::None},
    };
    for (const auto& c : cases) {
        FrameState s = laidOut();
        s.CaptionBtns[0].Visible = c.closeButton;
        EXPECT_EQ(FrameInput(s).KeyDown(c.key, c.shift), c.expected) << c.key << " " << c.shift;
    }
}

TEST(FrameInput, AGripDragSizesItsWaysAndStopsAtTheSmallestSize)
{
    const struct {
        std::int16_t grip;
        float x, y;
        std::optional<float> width, height;
        bool rightReleased, bottomReleased;
    } cases[] = {
        {PointerSizeWE, 300, 200, 305.0f, std::nullopt, false, false},
        {PointerSizeNS, 300, 200, std::nullopt, 205.0f, false, false},
        {PointerSizeNWSE, 300, 200, 305.0f, 205.0f, false, false},
        // The smallest window: 130 wide, 15 below the 31-pixel title.
        {PointerSizeNWSE, 10, 10, 135.0f, 51.0f, true, true},
        {PointerSizeWE, 10, 200, 135.0f, std::nullopt, true, false},
    };
    for (const auto& c : cases) {
        FrameState s = laidOut();
        s.GripPointer = c.grip;
        const std::optional<GripDrag> drag = FrameInput(s).DragGrip(c.x, c.y);
        ASSERT_TRUE(drag);
        EXPECT_EQ(drag->Width, c.width) << c.grip;
        EXPECT_EQ(drag->Height, c.height) << c.grip;
        EXPECT_EQ(drag->RightGripReleased, c.rightReleased) << c.grip;
        EXPECT_EQ(drag->BottomGripReleased, c.bottomReleased) << c.grip;
    }
    FrameState idle = laidOut();
    EXPECT_FALSE(FrameInput(idle).DragGrip(10, 10)) << "no grip held";
}

TEST(FrameInput, GripsShowSizingPointersOnlyWithASizableBorderAndNotMaximised)
{
    FrameState s = laidOut();
    FrameInput input(s);
    EXPECT_EQ(input.GripPointer(true, 1, 10, 400, 300), std::nullopt) << "fixed border";
    s.BorderStyle = 1;
    // The right grip's lower 20 pixels below the title, the bottom grip's
    // right 15 pixels, size both ways.
    EXPECT_EQ(input.GripPointer(true, 1, 249, 400, 300), PointerSizeWE);
    EXPECT_EQ(input.GripPointer(true, 1, 250, 400, 300), PointerSizeNWSE);
    EXPECT_EQ(input.GripPointer(false, 385, 1, 400, 300), PointerSizeNS);
    EXPECT_EQ(input.GripPointer(false, 386, 1, 400, 300), PointerSizeNWSE);
    EXPECT_TRUE(input.GripsSize());
    s.Window = WindowState::Maximized;
    EXPECT_FALSE(input.GripsSize());
}

TEST(FrameInput, TheTitleDragsTheWindowLeftOfTheButtonsWhenMoveable)
{
    FrameState s = laidOut();
    FrameInput input(s);
    EXPECT_TRUE(input.DragsWindow(333, 30));
    EXPECT_FALSE(input.DragsWindow(334, 30)) << "over the buttons";
    EXPECT_FALSE(input.DragsWindow(200, 31)) << "below the title";
    s.Moveable = false;
    EXPECT_FALSE(input.DragsWindow(200, 10));
}

} // namespace
