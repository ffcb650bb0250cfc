#pragma once

#include <functional>
#include <memory>

namespace pattaro {

// Calls back once the user has paused: each Restart puts the call off anew.
class QuietTimer {
public:
    virtual ~QuietTimer() = default;
    virtual void Restart(std::function<void()> due) = 0;
    virtual void Stop() = 0;
};

// Runs a search away from the window's thread; the search reports back to
// the window's thread by itself.
using BackgroundRunner = std::function<void(std::function<void()> search)>;

// When and where the live preview searches. Tests fire the timer and run
// the searches by hand, in the order they choose.
struct LivePreviewScheduling {
    std::shared_ptr<QuietTimer> quietTimer;
    BackgroundRunner runInBackground;
};

} // namespace pattaro
