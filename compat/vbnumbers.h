#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

namespace pattaro::platform {

// Number semantics the skin control's arithmetic relies on: integer
// conversions round half to even, 16- and 32-bit values whose result does not
// fit fail with an overflow (VBError 6) instead of wrapping, and "/" by zero
// fails (11, or 6 for 0 / 0). Every function here throws VBError.

// 16-bit truth value: -1 true, 0 false.
using VBBool = std::int16_t;
inline constexpr VBBool vbTrue = -1;
inline constexpr VBBool vbFalse = 0;
constexpr VBBool toVBBool(bool b) { return b ? vbTrue : vbFalse; }
constexpr bool isTrue(VBBool b) { return b != 0; }

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2). NaN, infinities and values beyond 64 bits overflow.
long long roundHalfEven(double x);

// CInt / CLng: round half to even, then fail when out of range.
std::int16_t toInt16(double x);
std::int32_t toInt32(double x);

[[noreturn]] void throwOverflow();

// Integer results computed wide and narrowed, e.g. toInt16(long long(a) + b).
template <class T, std::integral I>
T narrowChecked(I x)
{
    if (std::cmp_less(x, std::numeric_limits<T>::min()) || std::cmp_greater(x, std::numeric_limits<T>::max()))
        throwOverflow();
    return static_cast<T>(x);
}
template <std::integral I>
std::int16_t toInt16(I x) { return narrowChecked<std::int16_t>(x); }
template <std::integral I>
std::int32_t toInt32(I x) { return narrowChecked<std::int32_t>(x); }

// CSng: single precision; finite values beyond its range overflow.
float toSingle(double x);

// The "/" operator: a double quotient; x / 0 fails with division by zero,
// 0 / 0 with overflow, a quotient beyond double's range with overflow.
double divide(double a, double b);

// The "\" operator: both operands rounded half to even, then a quotient
// truncated toward zero; a zero divisor fails with division by zero.
long long intDivide(double a, double b);

} // namespace pattaro::platform
