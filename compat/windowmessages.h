#pragma once

#include "compat/handles.h"

#include <cstdint>
#include <functional>

namespace pattaro::platform {

inline constexpr std::int32_t WM_SETCURSOR = 0x0020;
inline constexpr std::int32_t WM_MOUSEMOVE = 0x0200;
inline constexpr std::int32_t WM_MOUSELEAVE = 0x02A3;

inline constexpr std::int32_t MK_LBUTTON = 1;
inline constexpr std::int32_t MK_RBUTTON = 2;
inline constexpr std::int32_t HTCLIENT = 1;
inline constexpr std::int32_t TME_LEAVE = 2;

// A point packed as a mouse message carries it: y in the high word, x in
// the low one, each as 16 bits.
constexpr std::int32_t MakeLParam(int x, int y)
{
    return std::int32_t((std::uint32_t(y) << 16) | (std::uint32_t(x) & 0xFFFFu));
}

struct TRACKMOUSEEVENT {
    std::int32_t cbSize = 0;
    std::int32_t dwFlags = 0;
    HWND hwndTrack = 0;
    std::int32_t dwHoverTime = 0;
};
// The record's size as callers state it in cbSize.
inline constexpr std::int32_t kTrackMouseEventSize = 16;

// Window procedures and mouse-leave tracking.
class WindowMessages {
public:
    // The window's own handling of the message in hand: what runs when no
    // procedure is installed.
    using WindowDefault = std::function<std::int32_t(HWND, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam)>;
    // A procedure passes a message on with CallWindowProc, giving it the
    // window default it was called with.
    using Procedure = std::function<std::int32_t(HWND, std::int32_t uMsg, std::int32_t wParam, std::int32_t lParam,
                                                 const WindowDefault& windowDefault)>;

    virtual ~WindowMessages() = default;

    // Makes the procedure the window's, returning the one it replaces. Empty
    // stands for the window's own handling, both ways: installing an empty
    // procedure leaves the window to that handling alone. Unknown windows
    // take nothing and give back an empty procedure.
    virtual Procedure SetWindowProc(HWND hWnd, Procedure procedure) = 0;

    // Asks for one WM_MOUSELEAVE when the pointer next leaves the window;
    // each request is good for one. False when the record is not a leave
    // request of the right size or the window is unknown.
    virtual bool TrackMouseEvent(const TRACKMOUSEEVENT& tme) = 0;
    // The same request through the common-controls library, for desktops
    // whose user library lacks it.
    virtual bool TrackMouseEventComctl32(const TRACKMOUSEEVENT& tme) { return TrackMouseEvent(tme); }

    static std::int32_t CallWindowProc(const Procedure& previous, HWND hWnd, std::int32_t uMsg, std::int32_t wParam,
                                       std::int32_t lParam, const WindowDefault& windowDefault)
    {
        return previous ? previous(hWnd, uMsg, wParam, lParam, windowDefault)
                        : windowDefault(hWnd, uMsg, wParam, lParam);
    }
};

} // namespace pattaro::platform
