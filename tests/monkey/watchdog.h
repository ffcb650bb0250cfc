#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace pattaro::testing {

// Notices an action that runs past its limit. It watches from a thread of
// its own: a hung action may sit in a nested modal loop or a busy loop, where
// nothing queued on the GUI thread would ever run.
class Watchdog {
public:
    using Overdue = std::function<void(const std::string& action)>;

    // overdue runs on the watching thread, once for each action that is
    // still running when its limit has passed.
    Watchdog(std::chrono::milliseconds limit, Overdue overdue)
        : m_limit(limit), m_overdue(std::move(overdue)), m_thread([this] { watch(); })
    {
    }

    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_ending = true;
        }
        m_changed.notify_one();
        m_thread.join();
    }

    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // The limit counts from here, also for an action started while another
    // had not stopped.
    void start(std::string action)
    {
        {
            std::lock_guard lock(m_mutex);
            m_action = std::move(action);
            m_running = true;
            ++m_starts;
        }
        m_changed.notify_one();
    }

    void stop()
    {
        {
            std::lock_guard lock(m_mutex);
            m_running = false;
        }
        m_changed.notify_one();
    }

private:
    void watch()
    {
        std::unique_lock lock(m_mutex);
        std::uint64_t watched = 0;
        for (;;) {
            m_changed.wait(lock, [&] { return m_ending || (m_running && m_starts != watched); });
            if (m_ending)
                return;
            watched = m_starts;
            const bool ended = m_changed.wait_for(lock, m_limit, [&] {
                return m_ending || !m_running || m_starts != watched;
            });
            if (ended)
                continue;
            const std::string action = m_action;
            lock.unlock();
            m_overdue(action);
            lock.lock();
        }
    }

    const std::chrono::milliseconds m_limit;
    const Overdue m_overdue;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::string m_action;
    bool m_running = false;
    bool m_ending = false;
    std::uint64_t m_starts = 0;
    // Last: the thread starts watching as soon as it exists.
    std::thread m_thread;
};

// A hung action cannot be unwound from another thread: the run ends here,
// failed, with the action named.
[[noreturn]] inline void abandonHungRun(const std::string& action)
{
    ADD_FAILURE() << "action " << action << " ran past its limit";
    std::fprintf(stderr, "monkey: action %s did not end within its limit; stopping the run\n", action.c_str());
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace pattaro::testing
