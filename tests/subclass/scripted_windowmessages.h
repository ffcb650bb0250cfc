#pragma once

#include "compat/windowmessages.h"

#include <map>
#include <utility>
#include <vector>

namespace pattaro::testing {

// Window procedures kept per handle; the test sends messages through them
// with a window default of its own.
class ScriptedWindowMessages : public platform::WindowMessages {
public:
    std::map<platform::HWND, Procedure> procedures;
    std::vector<platform::TRACKMOUSEEVENT> user32Requests;
    std::vector<platform::TRACKMOUSEEVENT> comctl32Requests;

    Procedure SetWindowProc(platform::HWND hWnd, Procedure procedure) override
    {
        return std::exchange(procedures[hWnd], std::move(procedure));
    }
    bool TrackMouseEvent(const platform::TRACKMOUSEEVENT& tme) override
    {
        user32Requests.push_back(tme);
        return true;
    }
    bool TrackMouseEventComctl32(const platform::TRACKMOUSEEVENT& tme) override
    {
        comctl32Requests.push_back(tme);
        return true;
    }

    std::int32_t Send(platform::HWND hWnd, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam,
                      const WindowDefault& windowDefault)
    {
        // A copy, as a window keeps the procedure it is running alive.
        const Procedure current = procedures[hWnd];
        return CallWindowProc(current, hWnd, uMsg, wParam, lParam, windowDefault);
    }
};

} // namespace pattaro::testing
