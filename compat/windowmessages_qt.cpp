#include "compat/windowmessages_qt.h"

#include <QWidget>

namespace pattaro::platform {

QtWindowMessages::~QtWindowMessages()
{
    for (auto& [handle, hook] : m_hooks)
        delete hook.data();
}

HWND QtWindowMessages::Register(QWidget* widget)
{
    const HWND handle = HandleOf(widget);
    if (!hookOf(handle))
        m_hooks[handle] = new WindowHook(widget);
    return handle;
}

WindowMessages::Procedure QtWindowMessages::SetWindowProc(HWND hWnd, Procedure procedure)
{
    WindowHook* hook = hookOf(hWnd);
    return hook ? hook->Install(std::move(procedure)) : Procedure();
}

bool QtWindowMessages::TrackMouseEvent(const TRACKMOUSEEVENT& tme)
{
    WindowHook* hook = hookOf(tme.hwndTrack);
    if (tme.cbSize != kTrackMouseEventSize || !(tme.dwFlags & TME_LEAVE) || !hook)
        return false;
    hook->RequestLeave();
    return true;
}

WindowHook* QtWindowMessages::hookOf(HWND hWnd) const
{
    // A destroyed widget took its hook along; its entry reads as unknown.
    const auto found = m_hooks.find(hWnd);
    return found == m_hooks.end() ? nullptr : found->second.data();
}

} // namespace pattaro::platform
