#pragma once

#include <QColor>
#include <cstdint>

namespace pattaro::platform {

// A colour as the program stores it: 0x00BBGGRR, red in the low byte. A value
// with the high bit set is not a colour but a system colour index
// (0x80000000 + n, see syscolors.h).
using OleColor = std::uint32_t;

inline constexpr OleColor kSystemColorFlag = 0x80000000u;

constexpr bool isSystemColor(OleColor c) { return (c & kSystemColorFlag) != 0; }
constexpr int redOf(OleColor c) { return int(c & 255); }
constexpr int greenOf(OleColor c) { return int((c / 256) & 255); }
constexpr int blueOf(OleColor c) { return int((c / 65536) & 255); }
constexpr OleColor rgb(int r, int g, int b)
{
    return OleColor(r & 255) | (OleColor(g & 255) << 8) | (OleColor(b & 255) << 16);
}

// Only meaningful for plain colours.
inline QColor toQColor(OleColor c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
inline OleColor fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

} // namespace pattaro::platform
