#pragma once

#include "ui/livepreviewscheduling.h"

#include <QThreadPool>
#include <QTimer>

namespace pattaro {

// A QuietTimer on Qt's timer: due once `milliseconds` pass without a Restart.
class QtQuietTimer : public QuietTimer {
public:
    explicit QtQuietTimer(int milliseconds);
    void Restart(std::function<void()> due) override;
    void Stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
    std::function<void()> m_due;
};

// Fills in what `scheduling` leaves out: a QtQuietTimer of `milliseconds`,
// and `pool` held to one thread, so that a newer run waits for the older,
// which gives up at its next look at the clock.
void FillInScheduling(LivePreviewScheduling& scheduling, QThreadPool& pool, int milliseconds);

} // namespace pattaro
