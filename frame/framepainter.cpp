#include "frame/framepainter.h"

#include "compat/vbnumbers.h"
#include "frame/captionglyphs.h"
#include "frame/colormath.h"
#include "frame/errortrap.h"
#include "frame/framegeometry.h"
#include "frame/skinvalues.h"

#include <utility>

namespace pattaro {

using namespace geometry;
using platform::OleColor;
using platform::RECT;

namespace {

constexpr OleColor kBlack = 0x000000;
constexpr OleColor kWhite = 0xFFFFFF;
constexpr double kTitleFactor = 5.01;
constexpr double kShadowFactor = 2.01;
constexpr double kButtonFactor = 2.01;
constexpr std::uint32_t kCaptionFormat = platform::DT_LEFT | platform::DT_VCENTER | platform::DT_SINGLELINE;

} // namespace

bool FramePainter::StartTitle() const
{
    if (!TitleAreaHeight(m_state.Style, m_state.TitleHeight))
        return false;
    m_surface.ForeColor(m_state.Style == TitleDarkBand ? kWhite : kBlack);
    return true;
}

void FramePainter::TitleBackground(std::int32_t left, std::int32_t width, bool outlined, bool upperBand) const
{
    const OleColor C1 = m_state.CurColorFrom, C2 = m_state.CurColorTo;
    const std::int32_t CH = m_state.TitleAreaHeight;
    const std::int32_t upperHeight = kMainBandTop - kUpperBandTop + 1;
    const auto box = [&](OleColor a, OleColor b, std::int32_t top, std::int32_t h, std::int32_t style) {
        m_draw.GradientInRectangle(m_surface, a, b, RECT{left, top, width, h}, style, false, 0, kTitleFactor);
    };
    switch (m_state.Style) {
    case TitleCylinder:
        m_draw.GradientInRectangle(m_surface, C1, C2, RECT{left, -1, width, CH + 1}, GradientCylinder, outlined, C1,
                                   kTitleFactor);
        break;
    case TitleTwoBands:
        if (upperBand)
            box(C1, C2, kUpperBandTop, upperHeight, GradientCylinder);
        box(C1, C2, kMainBandTop, CH - kMainBandTop, GradientCylinder);
        break;
    case TitleDarkBand:
        box(C1, C2, kUpperBandTop, upperHeight, GradientVertical);
        box(C1, C1, kMainBandTop, CH - kMainBandTop, GradientCylinder);
        break;
    case TitleLinear:
        box(C1, C2, -1, CH + 1, GradientVertical);
        break;
    default:
        break;
    }
}

void FramePainter::TitleBar(std::int32_t sw, std::int32_t sh, OleColor D) const
{
    const OleColor C1 = m_state.CurColorFrom, C2 = m_state.CurColorTo;
    const std::int32_t CH = m_state.TitleAreaHeight;
    if (StartTitle()) {
        TitleBackground(m_state.TitleRectLeft, sw + 1, false, true);
        m_draw.Line(m_surface, -1, CH, sw + 1, CH, C1);
        m_draw.Line(m_surface, kTitleUnderlineInset, CH, sw - kTitleUnderlineInset, CH, D);
        if (m_state.Style == TitleTwoBands)
            GripDots(C2, D, kGripDotBarHeight, sw);
    }

    // Lines around the client area below the title bar, the innermost dark.
    for (std::int32_t i = 0; i < kBorderLines; ++i)
        m_draw.Rectangle(m_surface, i, CH + 1, sw - 1 - 2 * i, sh - CH - 2 - i, i + 1 < kBorderLines ? C1 : D);

    // A soft shadow under the title bar, from half the back colour.
    const OleColor back = PlainColor(m_surface.BackColor());
    m_draw.GradientInRectangle(m_surface, back, AsColor(BlendColors(std::int32_t(back), 0)),
                               RECT{kTitleShadowInset, CH, sw - 2 * kTitleShadowInset, kTitleShadowHeight},
                               GradientVertical, false, 0, kShadowFactor);

    // The border's rounded inner corners under the title bar.
    const std::pair<std::int32_t, std::int32_t> lightCorners[] = {
        {2, CH + 1}, {2, CH + 2}, {3, CH + 1}, {sw - 3, CH + 1}, {sw - 3, CH + 2}, {sw - 4, CH + 1}};
    const std::pair<std::int32_t, std::int32_t> darkCorners[] = {
        {4, CH + 1}, {3, CH + 2}, {sw - 5, CH + 1}, {sw - 4, CH + 2}};
    for (const auto& [x, y] : lightCorners)
        m_surface.SetPixel(x, y, C1);
    for (const auto& [x, y] : darkCorners)
        m_surface.SetPixel(x, y, D);
}

void FramePainter::GripDots(OleColor shadowColour, OleColor dotColour, std::int32_t barHeight,
                            std::int32_t width) const
{
    TrapErrors(m_errorLog, "PaintShpInBar", [&] {
        const std::int32_t x0 = platform::toInt16((width - kGripDotRowWidth) / 2.0);
        const std::int32_t y0 = platform::toInt16((barHeight - 2) / 2.0);
        for (std::int32_t i = 0; i < kGripDotCount; ++i) {
            m_draw.Rectangle(m_surface, x0 + kGripDotPitch * i + 1, y0 + 1, 1, 1, shadowColour);
            m_draw.Rectangle(m_surface, x0 + kGripDotPitch * i, y0, 1, 1, dotColour);
        }
    });
}

void FramePainter::Caption(const QString& shown, RECT box, OleColor dark) const
{
    m_surface.ForeColor(m_state.CurColorTo);
    m_surface.DrawTextEx(shown, box, kCaptionFormat);
    if (m_state.Style == TitleDarkBand)
        return;
    platform::OffsetRect(box, -1, -1);
    m_surface.ForeColor(dark);
    m_surface.DrawTextEx(shown, box, kCaptionFormat);
}

OleColor FramePainter::ButtonFace(const CaptionBtn& button, bool highlight, OleColor glyphColour) const
{
    const std::int32_t L = button.Left, T = button.Top, W = button.Width, H = button.Height;
    if (highlight) {
        const OleColor pale = AsColor(BlendColors(std::int32_t(glyphColour), std::int32_t(kWhite)));
        m_draw.GradientInRectangle(m_surface, pale, kWhite, RECT{L, T, W, H}, GradientCylinder, true,
                                   m_state.CurColorFrom, kButtonFactor);
        return glyphColour;
    }
    // The two-band style's upper band lies above every button.
    TitleBackground(L - 1, W + 2, false, false);
    return m_state.Style == TitleDarkBand ? m_state.CurColorTo : glyphColour;
}

void FramePainter::Glyph(CaptionButton which, std::int32_t L, std::int32_t T, OleColor colour) const
{
    CaptionGlyph glyph = CaptionGlyph::Close;
    if (which == CaptionButton::MaximizeRestore)
        glyph = m_state.Window == WindowState::Maximized ? CaptionGlyph::Restore : CaptionGlyph::Maximize;
    else if (which == CaptionButton::Minimize)
        glyph = CaptionGlyph::Minimize;
    for (const GlyphStroke& s : StrokesOf(glyph)) {
        if (s.Outline)
            m_draw.Rectangle(m_surface, L + s.X1, T + s.Y1, s.X2, s.Y2, colour);
        else
            m_draw.Line(m_surface, L + s.X1, T + s.Y1, L + s.X2, T + s.Y2, colour);
    }
}

} // namespace pattaro
