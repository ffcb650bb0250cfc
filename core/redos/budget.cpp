#include "core/redos/budget.h"

namespace pattaro {
namespace {

constexpr std::int64_t kWorkPerClockRead = 4096;

} // namespace

AnalysisBudget::AnalysisBudget(std::int64_t nanoseconds, std::int64_t maxWork, Clock clock)
    : m_clock(clock), m_deadline(clock() + nanoseconds), m_workLeft(maxWork)
{
}

bool AnalysisBudget::spend(std::int64_t work)
{
    if (m_exhausted)
        return false;
    m_workLeft -= work;
    m_untilClock -= work;
    if (m_untilClock <= 0) {
        m_untilClock = kWorkPerClockRead;
        if (m_clock() > m_deadline)
            m_exhausted = true;
    }
    if (m_workLeft < 0)
        m_exhausted = true;
    return !m_exhausted;
}

} // namespace pattaro
