#pragma once

#include <cstdint>

namespace pattaro::platform {

// The four-integer rectangle record. Drawing calls read it as left, top,
// right, bottom; the skin's gradient boxes reuse it as left, top, width,
// height, which is why SetRect takes plain values and checks nothing.
struct RECT {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

inline bool SetRect(RECT& r, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    r = RECT{left, top, right, bottom};
    return true;
}

// Wraps on 32-bit overflow instead of overflowing a signed type; callers
// stay well inside.
inline bool OffsetRect(RECT& r, std::int32_t dx, std::int32_t dy)
{
    auto add = [](std::int32_t a, std::int32_t b) { return std::int32_t(std::uint32_t(a) + std::uint32_t(b)); };
    r.Left = add(r.Left, dx);
    r.Right = add(r.Right, dx);
    r.Top = add(r.Top, dy);
    r.Bottom = add(r.Bottom, dy);
    return true;
}

} // namespace pattaro::platform
