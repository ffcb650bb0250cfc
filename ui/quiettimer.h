#pragma once

#include "ui/livepreviewscheduling.h"

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

} // namespace pattaro
