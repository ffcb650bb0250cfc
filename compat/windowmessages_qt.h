#pragma once

#include "compat/windowhook_qt.h"
#include "compat/windowmessages.h"

#include <QPointer>
#include <unordered_map>

class QWidget;

namespace pattaro::platform {

// Window messages for Qt widgets. A widget's handle is its address, so no
// native window is made for it. Messages: WM_MOUSEMOVE for moves over the
// widget itself (wParam the button bits, lParam the point in its pixels);
// WM_MOUSELEAVE when the pointer leaves it after a TrackMouseEvent request;
// for a top-level widget, WM_SETCURSOR (wParam its handle's low 32 bits,
// lParam HTCLIENT | WM_MOUSEMOVE << 16) on every move anywhere in its window
// and whenever it is resized. Qt's handling of the event behind a message is
// the window default the procedure passes it on to.
class QtWindowMessages : public WindowMessages {
public:
    QtWindowMessages() = default;
    QtWindowMessages(const QtWindowMessages&) = delete;
    QtWindowMessages& operator=(const QtWindowMessages&) = delete;
    // Leaves every window to Qt alone.
    ~QtWindowMessages() override;

    // Makes the widget's window reachable by its handle until the widget is
    // destroyed; registering again is harmless.
    HWND Register(QWidget* widget);
    static HWND HandleOf(const QWidget* widget) { return reinterpret_cast<HWND>(widget); }

    Procedure SetWindowProc(HWND hWnd, Procedure procedure) override;
    bool TrackMouseEvent(const TRACKMOUSEEVENT& tme) override;

private:
    WindowHook* hookOf(HWND hWnd) const;

    std::unordered_map<HWND, QPointer<WindowHook>> m_hooks;
};

} // namespace pattaro::platform
