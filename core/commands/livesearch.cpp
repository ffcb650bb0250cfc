#include "core/commands/livesearch.h"

#include <chrono>
#include <new>

namespace pattaro {
namespace {

// The engine's clock is a plain function, so the flag of the search running
// on this thread reaches it through the thread.
thread_local const std::atomic<bool>* t_cancelled = nullptr;

// Far enough ahead of any real reading that every deadline has passed, yet
// far from overflow when a deadline is added to it.
constexpr std::int64_t kLongAfterAnyDeadline = std::int64_t(1) << 62;

std::int64_t CancellableClock()
{
    if (t_cancelled && t_cancelled->load(std::memory_order_relaxed))
        return kLongAfterAnyDeadline;
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class CancellationScope {
public:
    explicit CancellationScope(const std::atomic<bool>& cancelled) { t_cancelled = &cancelled; }
    ~CancellationScope() { t_cancelled = nullptr; }
    CancellationScope(const CancellationScope&) = delete;
    CancellationScope& operator=(const CancellationScope&) = delete;
};

} // namespace

LiveSearchResult RunLiveSearch(const LiveSearchRequest& request, const std::atomic<bool>& cancelled)
{
    LiveSearchResult result;
    const CancellationScope scope(cancelled);
    RegExp engine;
    engine.Global(true);
    engine.Multiline(true);
    engine.IgnoreCase(request.ignoreCase);
    engine.Clock(CancellableClock);
    // Each search takes its deadline from the clock as it starts, so a
    // search started after the cancellation would not see it.
    if (cancelled.load())
        return result;
    try {
        engine.Pattern(request.pattern);
        result.matches = engine.Execute(request.text, RegExp::Groups::Keep);
        if (cancelled.load())
            return result;
        result.replaced = engine.Replace(request.text, request.replacement);
    } catch (const RegexError& error) {
        result.fault = error;
    } catch (const std::bad_alloc&) {
        result.fault = RegexError(RegexErrorCode::OutOfMemory);
    }
    return result;
}

} // namespace pattaro
