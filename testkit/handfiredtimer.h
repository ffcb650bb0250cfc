#pragma once

#include "ui/livepreviewscheduling.h"

#include <functional>

namespace pattaro::testing {

// A quiet timer that is due only when a test fires it, and counts how often
// the pause started again.
class HandFiredTimer : public QuietTimer {
public:
    void Restart(std::function<void()> due) override
    {
        m_due = std::move(due);
        ++restarts;
    }
    void Stop() override { m_due = nullptr; }
    bool IsPending() const { return bool(m_due); }
    void Fire()
    {
        auto due = std::move(m_due);
        m_due = nullptr;
        if (due)
            due();
    }
    int restarts = 0;

private:
    std::function<void()> m_due;
};

} // namespace pattaro::testing
