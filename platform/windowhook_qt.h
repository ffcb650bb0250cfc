#pragma once

#include "platform/windowmessages.h"

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <memory>

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
    void RequestLeave() { m_leaveRequested = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterWindowEvent(QObject* watched, QEvent* event);
    void watchTopLevel();
    void stopWatching();
    // Runs the procedure on the message; Qt's handling of the event happens
    // inside it when it calls the window default, so Qt is done with the
    // event either way.
    bool deliver(QObject* watched, QEvent* event, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam);

    QWidget* m_window;
    QPointer<QWindow> m_topLevel;
    std::shared_ptr<const WindowMessages::Procedure> m_procedure;
    bool m_leaveRequested = false;
};

} // namespace pattaro::platform
