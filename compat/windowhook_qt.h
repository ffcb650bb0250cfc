#pragma once

#include "compat/windowmessages.h"

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <memory>

class QMouseEvent;
class QWidget;

namespace pattaro::platform {

// One widget's window procedure: while a procedure is installed, filters the
// widget's events (and, for a top-level widget, its window's) into messages.
// Qt's handling of the event is the procedure's window default. A child of
// the widget, so it goes when the widget does.
class WindowHook : public QObject {
public:
    explicit WindowHook(QWidget* window);

    HWND Handle() const;
    // Returns the procedure it replaces; an empty one stops the filtering.
    WindowMessages::Procedure Install(WindowMessages::Procedure procedure);
    // Asks for one WM_MOUSELEAVE when the pointer leaves the widget's own
    // area: past its edge, or onto a child, as a child is a window of its own.
    void RequestLeave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterWindowEvent(QObject* watched, QEvent* event);
    void watchTopLevel();
    void stopWatching();
    void leaveIfOffOwnArea(const QMouseEvent& move);
    // Runs the procedure on the message; Qt's handling of the event happens
    // inside it when it calls the window default, so Qt is done with the
    // event either way.
    bool deliver(QObject* watched, QEvent* event, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam);

    QWidget* m_window;
    QPointer<QWindow> m_topLevel;
    // The window that sees every move over the widget, its children's too.
    QPointer<QWindow> m_pointerWindow;
    std::shared_ptr<const WindowMessages::Procedure> m_procedure;
    bool m_leaveRequested = false;
};

} // namespace pattaro::platform
