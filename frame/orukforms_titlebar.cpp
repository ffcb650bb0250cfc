#include "frame/orukforms.h"

#include "compat/vbnumbers.h"
#include "frame/colormath.h"
#include "frame/errortrap.h"
#include "frame/skinvalues.h"
#include "frame/framelayout.h"

#include <algorithm>

namespace pattaro {

namespace {

using platform::OleColor;
using platform::RECT;

constexpr OleColor kBlack = 0x000000;
constexpr OleColor kWhite = 0xFFFFFF;
constexpr double kTitleFactor = 5.01;
constexpr std::int32_t kLinear = 0;
constexpr std::int32_t kCylinder = 2;
constexpr std::uint32_t kCaptionFormat = platform::DT_LEFT | platform::DT_VCENTER | platform::DT_SINGLELINE;

} // namespace

bool orukForms::startTitle()
{
    if (m_Style < TitleCylinder || m_Style > TitleLinear)
        return false;
    m_TitleAreaHeight = m_TitleHeight + (m_Style == TitleTwoBands ? 10 : 0);
    m_surface.ForeColor(m_Style == TitleDarkBand ? kWhite : kBlack);
    return true;
}

void orukForms::paintTitleBackground(std::int32_t left, std::int32_t width, bool outlined, bool upperBand)
{
    const OleColor C1 = m_CurColorFrom, C2 = m_CurColorTo;
    const std::int32_t CH = m_TitleAreaHeight;
    const auto box = [&](OleColor a, OleColor b, std::int32_t top, std::int32_t h, std::int32_t style) {
        DrawGradientInRectangle(m_surface, a, b, RECT{left, top, width, h}, style, false, 0, kTitleFactor);
    };
    switch (m_Style) {
    case TitleCylinder:
        DrawGradientInRectangle(m_surface, C1, C2, RECT{left, -1, width, CH + 1}, kCylinder, outlined, C1,
                                kTitleFactor);
        break;
    case TitleTwoBands:
        if (upperBand)
            box(C1, C2, -2, 10, kCylinder);
        box(C1, C2, 7, CH - 7, kCylinder);
        break;
    case TitleDarkBand:
        box(C1, C2, -2, 10, kLinear);
        box(C1, C1, 7, CH - 7, kCylinder);
        break;
    case TitleLinear:
        box(C1, C2, -1, CH + 1, kLinear);
        break;
    default:
        break;
    }
}

void orukForms::DrawTitleBarInitial()
{
    TrapErrors(m_errorLog, "DrawTitleBarInitial", [&] {
        fitSurface();
        const std::int32_t sw = width();
        // An icon larger than the title area (a size whose title height
        // overflowed) is drawn at the title's height, so its image stays small.
        const std::int32_t edge = std::min<std::int32_t>(m_IconSize, m_TitleAreaHeight);
        const QImage icon = m_host.Icon(edge);
        m_FormIcon = icon;
        const std::int32_t GX = icon.isNull() ? 0 : sw - 1;
        m_TitleRectLeft = GX;
        m_surface.Picture(QImage());

        if (startTitle())
            paintTitleBackground(-1, GX + 2, true, true);
        const std::int32_t CH = m_TitleAreaHeight;

        if (!m_FormIcon.isNull()) {
            // Halves in the icon's position round to even, like every
            // conversion to whole pixels in the control.
            const double y = m_Style == TitleTwoBands ? (CH - 8 - edge) / 2.0 + 10 : (CH - edge) / 2.0 + 2;
            const double x = 6 * 1.5;
            m_iconRect = QRect(platform::toInt32(x), platform::toInt32(y), edge, edge);
            m_iconBackdrop = m_surface.Image().copy(m_iconRect);
            m_surface.PaintPicture(m_FormIcon, x, y, edge, edge);
        }
        m_surface.Picture(m_surface.Image());
    });
}

void orukForms::DrawTitleBar()
{
    const std::int32_t sw = width(), sh = height();
    const OleColor C1 = m_CurColorFrom, C2 = m_CurColorTo;
    OleColor D = 0;
    RECT text;
    const bool drawn = TrapErrors(m_errorLog, "DrawTitleBar", [&] {
        fitSurface();
        D = AsColor(BlendColor(C1, 0));
        const CaptionBtn& close = m_CaptionBtns[0];
        const std::int32_t h = close.Visible ? close.Height : 18;
        const CaptionBtn& leftmost = m_CaptionBtns.at(std::size_t(m_LeftmostBtn));
        const std::int32_t textRight = leftmost.Visible ? leftmost.Left : platform::toInt16(sw);
        const std::int32_t GX = m_TitleRectLeft;

        if (startTitle()) {
            const std::int32_t bottom = m_TitleAreaHeight;
            paintTitleBackground(GX, sw + 1, false, true);
            APILineEx(m_surface, -1, bottom, sw + 1, bottom, C1);
            APILineEx(m_surface, 5, bottom, sw - 5, bottom, D);
            if (m_Style == TitleTwoBands)
                PaintShpInBar(C2, D, 7);
            m_BtnOffsetY = platform::toInt32((bottom - h) / 2.0);
        }
        const std::int32_t CH = m_TitleAreaHeight;

        // The border around the client area below the title bar.
        ApiRectangle(m_surface, 0, CH + 1, sw - 1, sh - CH - 2, C1);
        ApiRectangle(m_surface, 1, CH + 1, sw - 3, sh - CH - 3, C1);
        ApiRectangle(m_surface, 2, CH + 1, sw - 5, sh - CH - 4, D);

        std::int32_t k = 0;
        for (CaptionBtn& button : m_CaptionBtns)
            if (button.Visible) {
                button.Top = m_BtnOffsetY + 2;
                button.Left = CaptionButtonLeft(sw, k++);
            }

        // A soft shadow under the title bar, from half the back colour.
        const OleColor back = TranslateOleColor(m_surface.BackColor());
        DrawGradientInRectangle(m_surface, back, AsColor(BlendColor(back, 0)), RECT{3, CH, sw - 6, 8}, kLinear,
                                false, 0, 2.01);

        const std::pair<std::int32_t, std::int32_t> lightCorners[] = {
            {2, CH + 1}, {2, CH + 2}, {3, CH + 1}, {sw - 3, CH + 1}, {sw - 3, CH + 2}, {sw - 4, CH + 1}};
        const std::pair<std::int32_t, std::int32_t> darkCorners[] = {
            {4, CH + 1}, {3, CH + 2}, {sw - 5, CH + 1}, {sw - 4, CH + 2}};
        for (const auto& [x, y] : lightCorners)
            m_surface.SetPixel(x, y, C1);
        for (const auto& [x, y] : darkCorners)
            m_surface.SetPixel(x, y, D);

        const auto icon = m_FormIcon.isNull() ? std::nullopt : std::optional<std::int16_t>(m_IconSize);
        text = CaptionRect(m_Style, CH, textRight, icon).value_or(RECT{});
    });
    if (!drawn)
        return;

    // From here on a failing step is skipped without a report.
    if (m_host.UserMode())
        SkipOnFailure([&] {
            const QString caption = m_host.Caption();
            if (!caption.isEmpty() && caption != m_Caption)
                m_Caption = caption;
        });
    SkipOnFailure([&] {
        if (m_Caption.isEmpty())
            return;
        const QString shown = TrimWord(m_Caption, text.Right - text.Left);
        m_surface.ForeColor(C2);
        m_surface.DrawTextEx(shown, text, kCaptionFormat);
        if (m_Style != TitleDarkBand) {
            platform::OffsetRect(text, -1, -1);
            m_surface.ForeColor(D);
            m_surface.DrawTextEx(shown, text, kCaptionFormat);
        }
    });
    SkipOnFailure([&] {
        std::int16_t all = -1;
        PaintCaptionBtns(all);
    });
}

QString orukForms::TrimWord(const QString& text, std::int32_t maxWidth)
{
    QString r = text;
    TrapErrors(m_errorLog, "TrimWord", [&] {
        if (m_surface.TextWidth(text) <= maxWidth)
            return;
        qsizetype n = text.size();
        const QString ellipsis = QStringLiteral("...");
        while (n != 0 && m_surface.TextWidth(r + ellipsis) > maxWidth) {
            --n;
            r = r.left(n);
        }
        r = n != 0 ? r + ellipsis : QString();
    });
    return r;
}

void orukForms::PaintShpInBar(OleColor shadowColour, OleColor dotColour, std::int32_t barHeight)
{
    TrapErrors(m_errorLog, "PaintShpInBar", [&] {
        const std::int32_t x0 = platform::toInt16((width() - 18 - 16) / 2.0);
        const std::int32_t y0 = platform::toInt16((barHeight - 2) / 2.0);
        for (std::int32_t i = 0; i <= 8; ++i) {
            ApiRectangle(m_surface, x0 + 4 * i + 1, y0 + 1, 1, 1, shadowColour);
            ApiRectangle(m_surface, x0 + 4 * i, y0, 1, 1, dotColour);
        }
    });
}

} // namespace pattaro
