#pragma once

#include <array>
#include <cstdint>

namespace pattaro {

// The colours of a linear gradient drawn as one-pixel lines: from c0
// towards c1 in n steps. Start channels and per-step increments are held
// in single precision; each step's channel is worked out in double and
// rounded half to even.
class GradientRamp {
public:
    // Throws VBError when n is 0 (division by zero, or overflow for 0 / 0).
    GradientRamp(std::int32_t c0, std::int32_t c1, std::int32_t n);

    std::int32_t ColorAt(std::int32_t i) const;

private:
    std::array<float, 3> m_start{};
    std::array<float, 3> m_step{};
};

// The steps i of 1 .. n - 1 whose line, at origin + i, falls on the
// surface's rows (or columns) 0 .. limit - 1. Lines off the surface paint
// nothing, so a gradient only has to draw these. Empty when First > Last.
struct StepRange {
    long long First;
    long long Last;
};
StepRange VisibleSteps(std::int32_t origin, std::int32_t n, std::int32_t limit);

// The two bands of a cylinder gradient over [start, start + extent): the
// first band's step count, where the second band starts and its step count,
// each rounded half to even. A factor not above 1 counts as 1.01. Wider than
// 32 bits: the caller narrows each value when it uses it, so an overflow
// strikes where it would in the drawing's own order. A factor that gives no
// finite bands (infinity) fails with an overflow.
struct CylinderBands {
    long long FirstSteps;
    long long SecondStart;
    long long SecondSteps;
};
CylinderBands SplitCylinder(std::int32_t start, std::int32_t extent, double factor);

} // namespace pattaro
