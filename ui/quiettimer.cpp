#include "ui/quiettimer.h"

namespace pattaro {

QtQuietTimer::QtQuietTimer(int milliseconds)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(milliseconds);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_due)
            m_due();
    });
}

void QtQuietTimer::Restart(std::function<void()> due)
{
    m_due = std::move(due);
    m_timer.start();
}

} // namespace pattaro
