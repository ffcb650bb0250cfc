#pragma once

#include <cstdint>

namespace pattaro {

// The work and time one analysis may take. Work is counted in small steps
// the analysis takes one by one; the clock, monotonic nanoseconds, is read
// every so many of them. Tests give a clock that does not move, or one that
// jumps, so that no result depends on the machine's speed.
class AnalysisBudget {
public:
    using Clock = std::int64_t (*)();
    AnalysisBudget(std::int64_t nanoseconds, std::int64_t maxWork, Clock clock);

    // False once the work or the time is used up, and from then on.
    bool spend(std::int64_t work = 1);
    bool exhausted() const { return m_exhausted; }

private:
    Clock m_clock;
    std::int64_t m_deadline;
    std::int64_t m_workLeft;
    std::int64_t m_untilClock = 0;
    bool m_exhausted = false;
};

} // namespace pattaro
