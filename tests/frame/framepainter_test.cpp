#include "tests/frame/skin_fixture.h"

#include "frame/framepainter.h"
#include "frame/skinvalues.h"

using namespace pattaro;
using namespace pattaro::testing;
using platform::OleColor;

namespace {

constexpr OleColor kWhite = 0xFFFFFF;
constexpr OleColor kGlyph = 0x000000;
constexpr OleColor kDark = 0x0000FF;

class PainterTest : public SkinTest {
protected:
    PainterTest()
    {
        surface.BackColor(kWhite);
        surface.Cls();
        state.CurColorFrom = 0x00804020;
        state.CurColorTo = 0x00F0E0D0;
    }
    Pixels paintedGlyph(WindowState window)
    {
        state.Window = window;
        surface.Cls();
        FramePainter(surface, draw, log, state).Glyph(CaptionButton::MaximizeRestore, 2, 2, kGlyph);
        return painted(surface, kWhite);
    }

    platform::DrawingSurface surface{60, 30};
    FramePrimitives draw{log};
    FrameState state;
};

TEST_F(PainterTest, TheMaximiseGlyphBecomesTheRestoreGlyphOnlyWhenMaximised)
{
    const Pixels normal = paintedGlyph(WindowState::Normal);
    ASSERT_FALSE(normal.empty());
    EXPECT_NE(paintedGlyph(WindowState::Maximized), normal);
    EXPECT_EQ(paintedGlyph(WindowState::Minimized), normal);
}

TEST_F(PainterTest, TheCaptionHasADarkShadowExceptInTheDarkBandStyle)
{
    const struct {
        std::int32_t style;
        bool shadow;
    } cases[] = {{TitleCylinder, true}, {TitleTwoBands, true}, {TitleDarkBand, false}, {TitleLinear, true}};
    for (const auto& c : cases) {
        state.Style = c.style;
        surface.Cls();
        FramePainter(surface, draw, log, state).Caption(QStringLiteral("HHH"), platform::RECT{2, 2, 58, 28}, kDark);
        bool light = false, dark = false;
        for (int y = 0; y < surface.Height(); ++y)
            for (int x = 0; x < surface.Width(); ++x) {
                light |= surface.GetPixel(x, y) == state.CurColorTo;
                dark |= surface.GetPixel(x, y) == kDark;
            }
        EXPECT_TRUE(light) << c.style;
        EXPECT_EQ(dark, c.shadow) << c.style;
    }
}

TEST_F(PainterTest, OnlyAStyleWithATitleStartsOneAndSetsItsTextColour)
{
    const struct {
        std::int32_t style;
        bool starts;
        OleColor text;
    } cases[] = {{TitleCylinder, true, 0x000000}, {TitleDarkBand, true, 0xFFFFFF}, {9, false, 0x123456}};
    for (const auto& c : cases) {
        state.Style = c.style;
        surface.ForeColor(0x123456);
        EXPECT_EQ(FramePainter(surface, draw, log, state).StartTitle(), c.starts) << c.style;
        EXPECT_EQ(surface.ForeColor(), c.text) << c.style;
    }
}

} // namespace
