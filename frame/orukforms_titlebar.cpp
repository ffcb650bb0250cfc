#include "frame/orukforms.h"

#include "compat/vbnumbers.h"
#include "frame/colormath.h"
#include "frame/errortrap.h"
#include "frame/framegeometry.h"
#include "frame/framelayout.h"

#include <algorithm>

namespace pattaro {

using platform::OleColor;

FramePainter orukForms::painter()
{
    return FramePainter(m_surface, m_draw, m_errorLog, m_state);
}

TitleBarInput orukForms::titleBarInput() const
{
    TitleBarInput in;
    in.Style = m_state.Style;
    in.TitleHeight = m_state.TitleHeight;
    in.Width = width();
    for (std::size_t i = 0; i < kCaptionButtonCount; ++i)
        in.Visible[i] = m_state.CaptionBtns[i].Visible;
    in.Leftmost = m_state.LeftmostBtn;
    in.LeftmostLeft = m_state.Button(m_state.LeftmostBtn).Left;
    if (!m_state.FormIcon.isNull())
        in.Icon = m_state.IconSize;
    in.FormerTitleAreaHeight = m_state.TitleAreaHeight;
    in.FormerButtonRowTop = m_state.BtnOffsetY;
    return in;
}

void orukForms::applyLayout(const TitleBarLayout& layout)
{
    m_state.TitleAreaHeight = layout.TitleAreaHeight;
    m_state.BtnOffsetY = layout.ButtonRowTop;
    for (std::size_t i = 0; i < kCaptionButtonCount; ++i)
        if (const auto& box = layout.Buttons[i]) {
            m_state.CaptionBtns[i].Left = box->Left;
            m_state.CaptionBtns[i].Top = box->Top;
        }
}

void orukForms::DrawTitleBarInitial()
{
    TrapErrors(m_errorLog, "DrawTitleBarInitial", [&] {
        fitSurface();
        const std::int32_t sw = width();
        // An icon larger than the title area (a size whose title height
        // overflowed) is drawn at the title's height, so its image stays small.
        const std::int32_t edge = std::min<std::int32_t>(m_state.IconSize, m_state.TitleAreaHeight);
        m_state.FormIcon = m_host.Icon(edge);
        m_state.TitleRectLeft = m_state.FormIcon.isNull() ? 0 : sw - 1;
        if (const auto area = TitleAreaHeight(m_state.Style, m_state.TitleHeight))
            m_state.TitleAreaHeight = *area;
        m_surface.Picture(QImage());

        const FramePainter paint = painter();
        if (paint.StartTitle())
            paint.TitleBackground(-1, m_state.TitleRectLeft + 2, true, true);

        if (!m_state.FormIcon.isNull()) {
            const IconPlace at = IconPosition(m_state.Style, m_state.TitleAreaHeight, edge);
            m_iconRect = QRect(platform::toInt32(at.X), platform::toInt32(at.Y), edge, edge);
            m_iconBackdrop = m_surface.Image().copy(m_iconRect);
            m_surface.PaintPicture(m_state.FormIcon, at.X, at.Y, edge, edge);
        }
        m_surface.Picture(m_surface.Image());
    });
}

void orukForms::DrawTitleBar()
{
    OleColor D = 0;
    platform::RECT text;
    const bool drawn = TrapErrors(m_errorLog, "DrawTitleBar", [&] {
        fitSurface();
        D = AsColor(BlendColor(m_state.CurColorFrom, 0));
        const TitleBarLayout layout = LayOutTitleBar(titleBarInput());
        applyLayout(layout);
        painter().TitleBar(width(), height(), D);
        text = layout.Caption;
    });
    if (!drawn)
        return;

    // From here on a failing step is skipped without a report.
    if (m_host.UserMode())
        SkipOnFailure([&] {
            const QString caption = m_host.Caption();
            if (!caption.isEmpty() && caption != m_state.Caption)
                m_state.Caption = caption;
        });
    SkipOnFailure([&] {
        if (!m_state.Caption.isEmpty())
            painter().Caption(TrimWord(m_state.Caption, text.Right - text.Left), text, D);
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
    painter().GripDots(shadowColour, dotColour, barHeight, width());
}

} // namespace pattaro
