#include "frame/gradientmath.h"

#include "compat/vbnumbers.h"
#include "frame/colormath.h"

#include <algorithm>

namespace pattaro {

namespace {

// Blue is taken by masking before the division here, unlike SplitColor;
// both agree for plain colours.
std::array<float, 3> gradientChannels(std::int32_t c)
{
    const Channels ch = SplitColor(c);
    return {float(ch.Red), float(ch.Green), float((c & 0xFF0000) / 65536)};
}

} // namespace

GradientRamp::GradientRamp(std::int32_t c0, std::int32_t c1, std::int32_t n)
    : m_start(gradientChannels(c0))
{
    const std::array<float, 3> end = gradientChannels(c1);
    for (std::size_t k = 0; k < 3; ++k)
        m_step[k] = platform::toSingle(platform::divide(double(end[k] - m_start[k]), double(n)));
}

std::int32_t GradientRamp::ColorAt(std::int32_t i) const
{
    std::array<std::int32_t, 3> ch{};
    for (std::size_t k = 0; k < 3; ++k)
        ch[k] = platform::toInt32(double(m_start[k]) + double(m_step[k]) * double(i));
    return ComposeColor(ch[0], ch[1], ch[2]);
}

StepRange VisibleSteps(std::int32_t origin, std::int32_t n, std::int32_t limit)
{
    const long long first = std::max(1LL, -static_cast<long long>(origin));
    const long long last = std::min(static_cast<long long>(n) - 1, static_cast<long long>(limit) - 1 - origin);
    return {first, last};
}

CylinderBands SplitCylinder(std::int32_t start, std::int32_t extent, double factor)
{
    const double f = factor > 1 ? factor : 1.01;
    const double first = extent / f;
    return {platform::roundHalfEven(first), platform::roundHalfEven(first + start - 1),
            platform::roundHalfEven((f - 1) * extent / f + 1)};
}

} // namespace pattaro
