#include "frame/orukforms.h"

#include "frame/modulequeries.h"

namespace pattaro {

void orukForms::startSubclassing()
{
    m_state.TrackSupported = true;
    m_state.TrackInUser32 =
        IsFunctionExported(m_errorLog, m_modules, QStringLiteral("TrackMouseEvent"), QStringLiteral("User32"));
    if (!m_state.TrackInUser32 &&
        !IsFunctionExported(m_errorLog, m_modules, QStringLiteral("_TrackMouseEvent"), QStringLiteral("Comctl32")))
        m_state.TrackSupported = false;
    if (!m_state.TrackSupported)
        return;
    const platform::HWND self = m_windowMessages.Register(this);
    const platform::HWND form = m_windowMessages.Register(m_host.FormWidget());
    m_subclasser.Subclass_Start(self);
    m_subclasser.Subclass_AddMsg(self, platform::WM_MOUSEMOVE, MSG_AFTER);
    m_subclasser.Subclass_AddMsg(self, platform::WM_MOUSELEAVE, MSG_AFTER);
    m_subclasser.Subclass_Start(form);
    m_subclasser.Subclass_AddMsg(form, platform::WM_SETCURSOR, MSG_AFTER);
    m_state.Moveable = m_host.Moveable();
    m_host.BorderStyle(0);
}

void orukForms::zSubclass_Proc(bool, bool&, std::int32_t&, platform::HWND& lng_hWnd, std::int32_t& uMsg,
                               std::int32_t&, std::int32_t&)
{
    switch (uMsg) {
    case platform::WM_SETCURSOR:
        Move(0, 0, m_host.ScaleWidth(), m_host.ScaleHeight());
        if (m_state.Window == WindowState::Normal)
            recordRestoreRect();
        break;
    case platform::WM_MOUSEMOVE:
        if (!m_state.MouseInside) {
            m_state.MouseInside = true;
            m_subclasser.TrackMouseLeave(lng_hWnd, m_state.TrackSupported, m_state.TrackInUser32);
        }
        break;
    case platform::WM_MOUSELEAVE: {
        m_state.MouseInside = false;
        std::int16_t all = -1;
        PaintCaptionBtns(all);
        break;
    }
    default:
        break;
    }
}

} // namespace pattaro
