#include "compat/vbnumbers.h"

#include "compat/vberror.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace pattaro::platform {

void throwOverflow()
{
    throw VBError::overflow();
}

long long roundHalfEven(double x)
{
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(x) || x >= kLimit || x < -kLimit)
        throw VBError::overflow();
    const double floor = std::floor(x);
    const double diff = x - floor;
    double r = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0))
        r = floor + 1.0;
    if (r >= kLimit)
        throw VBError::overflow();
    return static_cast<long long>(r);
}

std::int16_t toInt16(double x) { return narrowChecked<std::int16_t>(roundHalfEven(x)); }
std::int32_t toInt32(double x) { return narrowChecked<std::int32_t>(roundHalfEven(x)); }

float toSingle(double x)
{
    if (std::isfinite(x) && std::fabs(x) > FLT_MAX)
        throw VBError::overflow();
    return static_cast<float>(x);
}

double divide(double a, double b)
{
    if (b == 0.0)
        throw a == 0.0 || std::isnan(a) ? VBError::overflow() : VBError::divisionByZero();
    const double q = a / b;
    if (std::isinf(q) && std::isfinite(a))
        throw VBError::overflow();
    return q;
}

long long intDivide(double a, double b)
{
    const long long num = roundHalfEven(a);
    const long long den = roundHalfEven(b);
    if (den == 0)
        throw VBError::divisionByZero();
    if (den == -1 && num == std::numeric_limits<long long>::min())
        throw VBError::overflow();
    return num / den;
}

} // namespace pattaro::platform
