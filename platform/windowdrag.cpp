#include "platform/windowdrag.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

namespace pattaro::platform {

void WindowDrag::start()
{
    if (m_active || !m_window)
        return;
    QWindow* const handle = m_window->windowHandle();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && handle && handle->startSystemMove())
        return;
    m_grabOffset = QCursor::pos() - m_window->pos();
    m_active = true;
    qApp->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (move->buttons().testFlag(Qt::LeftButton) && m_window)
            m_window->move(move->globalPosition().toPoint() - m_grabOffset);
        else
            stop();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        stop();
    }
    return false;
}

void WindowDrag::stop()
{
    if (!m_active)
        return;
    m_active = false;
    qApp->removeEventFilter(this);
}

} // namespace pattaro::platform
