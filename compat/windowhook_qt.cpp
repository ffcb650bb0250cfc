#include "compat/windowhook_qt.h"

#include <QMouseEvent>
#include <QWidget>

namespace pattaro::platform {

namespace {

std::int32_t buttonBits(Qt::MouseButtons buttons)
{
    std::int32_t bits = 0;
    if (buttons & Qt::LeftButton)
        bits |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        bits |= MK_RBUTTON;
    return bits;
}

// A cursor query for the client area, raised by a mouse move.
constexpr std::int32_t kSetCursorLParam = HTCLIENT | (WM_MOUSEMOVE << 16);

} // namespace

WindowHook::WindowHook(QWidget* window) : QObject(window), m_window(window) {}

HWND WindowHook::Handle() const
{
    return reinterpret_cast<HWND>(m_window);
}

WindowMessages::Procedure WindowHook::Install(WindowMessages::Procedure procedure)
{
    WindowMessages::Procedure previous = m_procedure ? *m_procedure : WindowMessages::Procedure();
    if (procedure) {
        // A fresh holder: a procedure that replaces itself while running
        // keeps its own copy alive until it returns.
        m_procedure = std::make_shared<const WindowMessages::Procedure>(std::move(procedure));
        m_window->installEventFilter(this);
        watchTopLevel();
    } else {
        m_procedure.reset();
        stopWatching();
    }
    return previous;
}

void WindowHook::RequestLeave()
{
    m_leaveRequested = true;
    // Qt tells a widget nothing when the pointer moves onto one of its
    // children; the top-level window sees that move.
    QWindow* pointerWindow = m_window->window()->windowHandle();
    if (pointerWindow == m_pointerWindow)
        return;
    if (m_pointerWindow && m_pointerWindow != m_topLevel)
        m_pointerWindow->removeEventFilter(this);
    m_pointerWindow = pointerWindow;
    if (m_pointerWindow)
        m_pointerWindow->installEventFilter(this);
}

void WindowHook::leaveIfOffOwnArea(const QMouseEvent& move)
{
    const QPoint at = m_window->mapFrom(m_window->window(), move.position().toPoint());
    if (m_window->rect().contains(at) && !m_window->childAt(at))
        return;
    m_leaveRequested = false;
    QEvent leave(QEvent::Leave);
    deliver(m_window, &leave, WM_MOUSELEAVE, 0, 0);
}

bool WindowHook::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pointerWindow && m_leaveRequested && event->type() == QEvent::MouseMove)
        leaveIfOffOwnArea(*static_cast<QMouseEvent*>(event));
    if (watched == m_topLevel && event->type() == QEvent::MouseMove)
        return deliver(watched, event, WM_SETCURSOR, std::int32_t(Handle()), kSetCursorLParam);
    if (watched == m_window)
        return filterWindowEvent(watched, event);
    return false;
}

bool WindowHook::filterWindowEvent(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        const QPoint at = move->position().toPoint();
        // A move a child passed up belongs to the child, not to this window.
        if (m_window->childAt(at))
            return false;
        return deliver(watched, event, WM_MOUSEMOVE, buttonBits(move->buttons()), MakeLParam(at.x(), at.y()));
    }
    case QEvent::Leave:
        if (!m_leaveRequested)
            return false;
        m_leaveRequested = false;
        return deliver(watched, event, WM_MOUSELEAVE, 0, 0);
    case QEvent::Resize:
        // The form's new size reaches the procedure as a cursor query, the
        // message that makes the skin fit itself to the client area again.
        if (!m_window->isWindow())
            return false;
        return deliver(watched, event, WM_SETCURSOR, std::int32_t(Handle()), kSetCursorLParam);
    case QEvent::Show:
        // A top-level widget has its window from its first showing on.
        watchTopLevel();
        return false;
    default:
        return false;
    }
}

void WindowHook::watchTopLevel()
{
    QWindow* topLevel = m_window->isWindow() ? m_window->windowHandle() : nullptr;
    if (topLevel == m_topLevel)
        return;
    if (m_topLevel && m_topLevel != m_pointerWindow)
        m_topLevel->removeEventFilter(this);
    m_topLevel = topLevel;
    if (m_topLevel)
        m_topLevel->installEventFilter(this);
}

void WindowHook::stopWatching()
{
    m_window->removeEventFilter(this);
    if (m_topLevel)
        m_topLevel->removeEventFilter(this);
    if (m_pointerWindow)
        m_pointerWindow->removeEventFilter(this);
    m_topLevel = nullptr;
    m_pointerWindow = nullptr;
    m_leaveRequested = false;
}

bool WindowHook::deliver(QObject* watched, QEvent* event, std::int32_t uMsg, std::int32_t wParam,
                         std::int32_t lParam)
{
    const auto procedure = m_procedure;
    const WindowMessages::WindowDefault qtHandling = [watched, event](HWND, std::int32_t, std::int32_t,
                                                                      std::int32_t) {
        return watched->event(event) ? 1 : 0;
    };
    (*procedure)(Handle(), uMsg, wParam, lParam, qtHandling);
    // Returning true keeps Qt from handling the event a second time; whether
    // it travels on to the parent still follows its accepted flag.
    return true;
}

} // namespace pattaro::platform
