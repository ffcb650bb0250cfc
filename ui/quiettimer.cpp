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

void FillInScheduling(LivePreviewScheduling& scheduling, QThreadPool& pool, int milliseconds)
{
    if (!scheduling.quietTimer)
        scheduling.quietTimer = std::make_shared<QtQuietTimer>(milliseconds);
    if (!scheduling.runInBackground) {
        pool.setMaxThreadCount(1);
        scheduling.runInBackground = [&pool](std::function<void()> run) { pool.start(std::move(run)); };
    }
}

} // namespace pattaro
