#include "tests/monkey/watchdog.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pattaro::testing {
namespace {

using namespace std::chrono_literals;
using Names = std::vector<std::string>;

// The actions reported, waited for from the test's thread.
class Reports {
public:
    void add(const std::string& action)
    {
        {
            std::lock_guard lock(m_mutex);
            m_actions.push_back(action);
        }
        m_added.notify_all();
    }

    // The wait is long only for a watchdog that fails to report.
    Names waitFor(std::size_t count)
    {
        std::unique_lock lock(m_mutex);
        m_added.wait_for(lock, 60s, [&] { return m_actions.size() >= count; });
        return m_actions;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_added;
    Names m_actions;
};

TEST(Watchdog, ReportsEveryActionStillRunningAtItsLimitOnceByName)
{
    Reports reports;
    Watchdog watchdog(1ms, [&](const std::string& action) { reports.add(action); });
    watchdog.start("#0 first");
    reports.waitFor(1);
    // Time for a repeated report to show, were there one.
    std::this_thread::sleep_for(20ms);
    ASSERT_EQ(reports.waitFor(1), Names{"#0 first"});
    watchdog.start("#1 started without a stop");
    ASSERT_EQ(reports.waitFor(2), (Names{"#0 first", "#1 started without a stop"}));
    watchdog.stop();
    watchdog.start("#2 after a stop");
    EXPECT_EQ(reports.waitFor(3), (Names{"#0 first", "#1 started without a stop", "#2 after a stop"}));
}

TEST(Watchdog, EndingWhileAnActionRunsReportsNothing)
{
    Reports reports;
    {
        Watchdog watchdog(24h, [&](const std::string& action) { reports.add(action); });
        watchdog.start("#0 the last action");
    }
    EXPECT_EQ(reports.waitFor(0), Names{});
}

TEST(WatchdogDeathTest, AHungActionEndsTheRunFailedAndNamed)
{
    // The child starts afresh rather than forking a process with Qt's threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Watchdog watchdog(1ms, abandonHungRun);
            watchdog.start("#7 click the frame");
            for (;;)
                std::this_thread::sleep_for(1h);
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "#7 click the frame");
}

} // namespace
} // namespace pattaro::testing
