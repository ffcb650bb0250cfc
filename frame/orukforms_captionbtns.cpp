#include "frame/orukforms.h"

#include "compat/localeinfo.h"
#include "frame/captionglyphs.h"
#include "frame/colormath.h"
#include "frame/errortrap.h"
#include "frame/mousepointer.h"
#include "frame/skinvalues.h"
#include "frame/framelayout.h"

#include <QToolTip>

namespace pattaro {

namespace {

using platform::OleColor;
using platform::RECT;

constexpr OleColor kWhite = 0xFFFFFF;

const QString kCloseTip = QStringLiteral("关闭");
const QString kMaximizeTip = QStringLiteral("最大化");
const QString kRestoreTip = QStringLiteral("还原");
const QString kMinimizeTip = QStringLiteral("最小化");

} // namespace

void orukForms::CaptionBtnSetup()
{
    TrapErrors(m_errorLog, "CaptionBtnSetup", [&] {
        const std::int32_t sw = width();
        std::int32_t k = 0;
        for (CaptionBtn& button : m_CaptionBtns)
            if (button.Visible) {
                button.Left = CaptionButtonLeft(sw, k++);
                button.Width = 18;
                button.Height = 18;
                button.State = 0;
            }
        m_LanguageName = GetInfo(platform::LOCALE_SENGLANGUAGE);
        m_CaptionBtns[0].ToolTip = kCloseTip;
        m_CaptionBtns[2].ToolTip = kMinimizeTip;
        SysMnu.MnuSyst(SystemMenu::kRestore).Caption = kRestoreTip;
        SysMnu.MnuSyst(SystemMenu::kMaximize).Caption = kMaximizeTip;
        SysMnu.MnuSyst(SystemMenu::kAlwaysOnTop).Caption = QStringLiteral("窗体置顶");
        SysMnu.MnuSyst(SystemMenu::kMinimize).Caption = m_CaptionBtns[2].ToolTip;
        SysMnu.MnuSyst(SystemMenu::kClose).Caption = m_CaptionBtns[0].ToolTip + QStringLiteral("            Alt+F4");
        SysMnu.MnuSyst(SystemMenu::kMinimize).Visible = m_CaptionBtns[2].Visible;
        SysMnu.MnuSyst(SystemMenu::kMaximize).Visible = m_CaptionBtns[1].Visible;
    });
}

void orukForms::drawSymbol(std::int16_t index, std::int32_t L, std::int32_t T, OleColor colour)
{
    CaptionGlyph glyph = CaptionGlyph::Close;
    if (index == 1)
        glyph = m_WindowState == 2 ? CaptionGlyph::Restore : CaptionGlyph::Maximize;
    else if (index == 2)
        glyph = CaptionGlyph::Minimize;
    for (const GlyphStroke& s : StrokesOf(glyph)) {
        if (s.Outline)
            ApiRectangle(m_surface, L + s.X1, T + s.Y1, s.X2, s.Y2, colour);
        else
            APILineEx(m_surface, L + s.X1, T + s.Y1, L + s.X2, T + s.Y2, colour);
    }
}

void orukForms::clearCaptionTip()
{
    // A tip already on screen would stay up for its whole time after its
    // text is gone; it leaves with the button's highlight instead.
    if (!toolTip().isEmpty() && QToolTip::isVisible() && QToolTip::text() == toolTip())
        QToolTip::hideText();
    setToolTip(QString());
}

void orukForms::DrawCaptionBtns(bool highlight, OleColor glyphColour, std::int16_t index)
{
    TrapErrors(m_errorLog, "DrawCaptionBtns", [&] {
        const std::int16_t reference = index == -1 ? m_LeftmostBtn : index;
        CaptionBtn& button = m_CaptionBtns.at(std::size_t(reference));
        const std::int32_t L = button.Left, T = button.Top, W = button.Width, H = button.Height;
        const std::int16_t state = highlight ? -1 : 0;
        if (index != -1)
            button.State = state;

        if (highlight) {
            DrawGradientInRectangle(m_surface, AsColor(BlendColor(glyphColour, kWhite)), kWhite, RECT{L, T, W, H},
                                    2, true, m_CurColorFrom, 2.01);
            if (index == 1)
                m_CaptionBtns[1].ToolTip = m_WindowState == 2 ? kRestoreTip : kMaximizeTip;
            setToolTip(button.ToolTip);
        } else {
            // Style 1's upper band lies above every button.
            paintTitleBackground(L - 1, W + 2, false, false);
            if (m_Style == TitleDarkBand)
                glyphColour = m_CurColorTo;
            clearCaptionTip();
        }

        if (index == -1) {
            for (std::int16_t i = 0; i < 3; ++i) {
                CaptionBtn& each = m_CaptionBtns[std::size_t(i)];
                if (!each.Visible)
                    continue;
                each.State = state;
                drawSymbol(i, each.Left, T, glyphColour);
            }
        } else if (index != 0 || button.Visible) {
            drawSymbol(index, L, T, glyphColour);
        }
        update();
    });
}

void orukForms::PaintCaptionBtns(std::int16_t& index)
{
    TrapErrors(m_errorLog, "PaintCaptionBtns", [&] {
        if (index == -1) {
            DrawCaptionBtns(false, m_CurColorFrom, -1);
            MousePointer(PointerDefault);
            return;
        }
        for (std::int16_t i = 0; i < 3; ++i)
            if (m_CaptionBtns[std::size_t(i)].Visible)
                DrawCaptionBtns(i == index, m_CurColorFrom, i);
    });
}

std::int16_t orukForms::HitTestCaptionBtn(std::int16_t x, std::int16_t y) const
{
    for (std::int16_t i = 0; i < 3; ++i) {
        const CaptionBtn& b = m_CaptionBtns[std::size_t(i)];
        if (b.Visible && b.Left < x && x < b.Left + b.Width && b.Top < y && y < b.Top + b.Height)
            return i;
    }
    return -1;
}

void orukForms::MousePointer(std::int16_t code)
{
    m_mousePointer = code;
    ShowPointer(*this, code);
}

} // namespace pattaro
