#include "frame/orukforms.h"

#include "compat/vbnumbers.h"
#include "frame/errortrap.h"

namespace pattaro {

void orukForms::minimize()
{
    DrawCaptionBtns(false, m_state.CurColorFrom, ToNumber(m_state.HotBtn));
    m_state.HotBtn = CaptionButton::None;
    m_host.WindowState(ToHostNumber(WindowState::Minimized));
}

void orukForms::recordRestoreRect()
{
    using platform::toInt32;
    m_state.RestoreRect = {toInt32(m_host.Left()), toInt32(m_host.Top()), toInt32(m_host.Width()),
                           toInt32(m_host.Height())};
}

void orukForms::orukWindowState()
{
    TrapErrors(m_errorLog, "orukWindowState", [&] {
        const bool restoring = m_state.Window == WindowState::Maximized;
        m_state.Window = restoring ? WindowState::Normal : WindowState::Maximized;
        m_state.SysMnu.MnuSyst(SystemMenu::kRestore).Enabled = !restoring;
        m_state.SysMnu.MnuSyst(SystemMenu::kMaximize).Enabled = restoring;
        if (restoring) {
            const platform::RECT& r = m_state.RestoreRect;
            m_host.Move(r.Left, r.Top, r.Right, r.Bottom);
            return;
        }
        // Grips that do not exist yet have nothing to hide.
        for (GripBox* g : {m_state.RightGrip.data(), m_state.BottomGrip.data()})
            if (g)
                g->hide();
        FitToWorkArea();
    });
}

void orukForms::FitToWorkArea()
{
    if (m_host.WindowState() == ToHostNumber(WindowState::Maximized))
        return;
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    TB_GetDesktopWorkArea(left, top, width, height);
    m_host.Move(left, top, width, height);
    for (GripBox* g : {m_state.RightGrip.data(), m_state.BottomGrip.data()})
        if (g)
            g->show();
}

void orukForms::TB_GetDesktopWorkArea(std::int32_t& left, std::int32_t& top, std::int32_t& width,
                                      std::int32_t& height)
{
    using platform::toInt32;
    const platform::RECT area = m_host.WorkArea();
    const double tx = m_host.TwipsPerPixelX(), ty = m_host.TwipsPerPixelY();
    left = toInt32(area.Left * tx);
    top = toInt32(area.Top * ty);
    width = toInt32((double(area.Right) - area.Left) * tx);
    height = toInt32((double(area.Bottom) - area.Top) * ty);
}

} // namespace pattaro
