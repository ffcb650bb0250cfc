#include "frame/orukforms.h"

#include "compat/localeinfo.h"
#include "frame/errortrap.h"
#include "frame/framegeometry.h"
#include "frame/framelayout.h"
#include "frame/mousepointer.h"

#include <QToolTip>

namespace pattaro {

namespace {

using platform::OleColor;

const QString kCloseTip = QStringLiteral("关闭");
const QString kMaximizeTip = QStringLiteral("最大化");
const QString kRestoreTip = QStringLiteral("还原");
const QString kMinimizeTip = QStringLiteral("最小化");

// A caption button's look as last drawn.
constexpr std::int16_t kLookNormal = 0;
constexpr std::int16_t kLookLit = -1;

} // namespace

void orukForms::CaptionBtnSetup()
{
    TrapErrors(m_errorLog, "CaptionBtnSetup", [&] {
        const std::int32_t sw = width();
        std::int32_t k = 0;
        for (CaptionBtn& button : m_state.CaptionBtns)
            if (button.Visible) {
                button.Left = CaptionButtonLeft(sw, k++);
                button.Width = geometry::kCaptionButtonSize;
                button.Height = geometry::kCaptionButtonSize;
                button.State = kLookNormal;
            }
        m_state.LanguageName = GetInfo(platform::LOCALE_SENGLANGUAGE);
        CaptionBtn& close = m_state.Button(CaptionButton::Close);
        CaptionBtn& minimize = m_state.Button(CaptionButton::Minimize);
        close.ToolTip = kCloseTip;
        minimize.ToolTip = kMinimizeTip;
        SystemMenu& menu = m_state.SysMnu;
        menu.MnuSyst(SystemMenu::kRestore).Caption = kRestoreTip;
        menu.MnuSyst(SystemMenu::kMaximize).Caption = kMaximizeTip;
        menu.MnuSyst(SystemMenu::kAlwaysOnTop).Caption = QStringLiteral("窗体置顶");
        menu.MnuSyst(SystemMenu::kMinimize).Caption = minimize.ToolTip;
        menu.MnuSyst(SystemMenu::kClose).Caption = close.ToolTip + QStringLiteral("            Alt+F4");
        menu.MnuSyst(SystemMenu::kMinimize).Visible = minimize.Visible;
        menu.MnuSyst(SystemMenu::kMaximize).Visible = m_state.Button(CaptionButton::MaximizeRestore).Visible;
    });
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
        // -1 draws every visible button, on the leftmost one's row.
        const bool all = index == -1;
        const std::int16_t reference = all ? ToNumber(m_state.LeftmostBtn) : index;
        CaptionBtn& button = m_state.CaptionBtns.at(std::size_t(reference));
        const std::int16_t look = highlight ? kLookLit : kLookNormal;
        if (!all)
            button.State = look;
        if (highlight && index == ToNumber(CaptionButton::MaximizeRestore))
            button.ToolTip = m_state.Window == WindowState::Maximized ? kRestoreTip : kMaximizeTip;

        const FramePainter paint = painter();
        glyphColour = paint.ButtonFace(button, highlight, glyphColour);
        if (highlight)
            setToolTip(button.ToolTip);
        else
            clearCaptionTip();

        if (all) {
            for (const CaptionButton which : kCaptionButtons) {
                CaptionBtn& each = m_state.Button(which);
                if (!each.Visible)
                    continue;
                each.State = look;
                paint.Glyph(which, each.Left, button.Top, glyphColour);
            }
        } else if (index != ToNumber(CaptionButton::Close) || button.Visible) {
            paint.Glyph(CaptionButtonOf(index), button.Left, button.Top, glyphColour);
        }
        update();
    });
}

void orukForms::PaintCaptionBtns(std::int16_t& index)
{
    TrapErrors(m_errorLog, "PaintCaptionBtns", [&] {
        if (index == -1) {
            DrawCaptionBtns(false, m_state.CurColorFrom, -1);
            MousePointer(PointerDefault);
            return;
        }
        for (const CaptionButton which : kCaptionButtons)
            if (m_state.Button(which).Visible)
                DrawCaptionBtns(ToNumber(which) == index, m_state.CurColorFrom, ToNumber(which));
    });
}

std::int16_t orukForms::HitTestCaptionBtn(std::int16_t x, std::int16_t y) const
{
    return ToNumber(CaptionButtonAt(m_state.CaptionBtns, x, y));
}

void orukForms::MousePointer(std::int16_t code)
{
    m_mousePointer = code;
    ShowPointer(*this, code);
}

} // namespace pattaro
