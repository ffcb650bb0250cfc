#include "compat/windowdrag.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

namespace pattaro::platform {

WindowDrag::WindowDrag(QWidget* window) : m_window(window)
{
    qApp->installEventFilter(this);
}

void WindowDrag::start()
{
    if (m_active || !m_window)
        return;
    QWindow* const handle = m_window->windowHandle();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && handle && handle->startSystemMove())
        return;
    const bool held = QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
    m_grabOffset = held ? m_pressOffset : QCursor::pos() - m_window->pos();
    m_active = true;
}

bool WindowDrag::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (m_window) {
            const auto* press = static_cast<QMouseEvent*>(event);
            m_pressOffset = press->globalPosition().toPoint() - m_window->pos();
        }
        break;
    case QEvent::MouseMove:
        if (m_active) {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (move->buttons().testFlag(Qt::LeftButton) && m_window)
                m_window->move(move->globalPosition().toPoint() - m_grabOffset);
            else
                m_active = false;
        }
        break;
    case QEvent::MouseButtonRelease:
        m_active = false;
        break;
    default:
        break;
    }
    return false;
}

} // namespace pattaro::platform
