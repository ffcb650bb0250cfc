#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace pattaro {

// To the nearest integer, halves to even as the dialogs' callers expect;
// values beyond 32 bits stop at its ends and NaN gives 0, so no input can
// make a dialog call fail.
inline std::int32_t roundLong(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (x <= lo)
        return std::numeric_limits<std::int32_t>::min();
    if (x >= hi)
        return std::numeric_limits<std::int32_t>::max();
    return std::int32_t(std::nearbyint(x));
}

} // namespace pattaro
