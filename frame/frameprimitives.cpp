#include "frame/frameprimitives.h"

#include "compat/vbnumbers.h"
#include "frame/errortrap.h"
#include "frame/gradientmath.h"

#include <limits>

namespace pattaro {

namespace {

// 32-bit sums fail on overflow instead of wrapping.
std::int32_t add(std::int32_t a, std::int32_t b)
{
    return platform::toInt32(static_cast<long long>(a) + b);
}

} // namespace

void FramePrimitives::Line(platform::DrawingSurface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                          std::int32_t y2, platform::OleColor color) const
{
    TrapErrors(m_errorLog, "APILineEx", [&] {
        const auto pen = surface.CreatePen(platform::PS_SOLID, 1, color);
        const auto previous = surface.SelectObject(pen);
        surface.MoveToEx(x1, y1);
        surface.LineTo(x2, y2);
        surface.SelectObject(previous);
        surface.DeleteObject(pen);
    });
}

void FramePrimitives::Rectangle(platform::DrawingSurface& surface, std::int32_t x, std::int32_t y, std::int32_t w,
                             std::int32_t h, platform::OleColor color) const
{
    TrapErrors(m_errorLog, "ApiRectangle", [&] {
        // Corners first, so that an overflow leaves no pen behind.
        const std::int32_t right = add(x, w);
        const std::int32_t bottom = add(y, h);
        const auto pen = surface.CreatePen(platform::PS_SOLID, 1, color);
        const auto previous = surface.SelectObject(pen);
        surface.MoveToEx(x, y);
        surface.LineTo(right, y);
        surface.LineTo(right, bottom);
        surface.LineTo(x, bottom);
        surface.LineTo(x, y);
        surface.SelectObject(previous);
        surface.DeleteObject(pen);
    });
}

void FramePrimitives::Gradient(platform::DrawingSurface& surface, platform::OleColor c0, platform::OleColor c1,
                               std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, bool vertical) const
{
    TrapErrors(m_errorLog, "DrawGradientEx", [&] {
        // Along the axis the argument is a step count, across it the end
        // coordinate of every line.
        const std::int32_t n = vertical ? y2 : x2;
        const GradientRamp ramp(std::int32_t(c0), std::int32_t(c1), n);
        if (n == std::numeric_limits<std::int32_t>::min())
            platform::throwOverflow(); // n - 1
        const std::int32_t origin = vertical ? y1 : x1;
        const StepRange steps = VisibleSteps(origin, n, vertical ? surface.Height() : surface.Width());
        for (long long i = steps.First; i <= steps.Last; ++i) {
            const std::int32_t at = std::int32_t(origin + i);
            const auto color = platform::OleColor(ramp.ColorAt(std::int32_t(i)));
            if (vertical)
                Line(surface, x1, at, x2, at, color);
            else
                Line(surface, at, y1, at, y2, color);
        }
        // The lines beyond the surface paint nothing, but one whose position
        // no longer fits in 32 bits still fails, after all the others.
        if (n > 1 && static_cast<long long>(origin) + n - 1 > std::numeric_limits<std::int32_t>::max())
            platform::throwOverflow();
    });
}

void FramePrimitives::GradientInRectangle(platform::DrawingSurface& surface, platform::OleColor colorA,
                                        platform::OleColor colorB, const platform::RECT& box, std::int32_t style,
                                        bool border, platform::OleColor borderColor, double factor) const
{
    TrapErrors(m_errorLog, "DrawGradientInRectangle", [&] {
        const std::int32_t L = box.Left, T = box.Top, W = box.Right, H = box.Bottom;
        switch (style) {
        case GradientVertical: // B at the top, A reached at row T + H
            Gradient(surface, colorB, colorA, L, T, add(L, W), H, true);
            break;
        case GradientHorizontal: // B at the left
            Gradient(surface, colorB, colorA, L, T, W, add(T, H), false);
            break;
        case GradientCylinder:
            Cylinder(surface, colorA, colorB, box, true, factor);
            break;
        case GradientCylinderAcross:
            Cylinder(surface, colorA, colorB, box, false, factor);
            break;
        default:
            break;
        }
        if (border)
            Rectangle(surface, L, T, W, H, borderColor);
    });
}

void FramePrimitives::Cylinder(platform::DrawingSurface& surface, platform::OleColor c1, platform::OleColor c2,
                                 const platform::RECT& box, bool vertical, double factor) const
{
    TrapErrors(m_errorLog, "DrawGradCilinder", [&] {
        const std::int32_t L = box.Left, T = box.Top, W = box.Right, H = box.Bottom;
        using platform::toInt32;
        if (vertical) {
            const CylinderBands bands = SplitCylinder(T, H, factor);
            Gradient(surface, c1, c2, L, T, add(L, W), toInt32(bands.FirstSteps), true);
            const std::int32_t y2 = toInt32(bands.SecondStart);
            Gradient(surface, c2, c1, L, y2, add(L, W), toInt32(bands.SecondSteps), true);
        } else {
            const CylinderBands bands = SplitCylinder(L, W, factor);
            Gradient(surface, c1, c2, L, T, toInt32(bands.FirstSteps), add(T, H), false);
            const std::int32_t x2 = toInt32(bands.SecondStart);
            Gradient(surface, c2, c1, x2, T, toInt32(bands.SecondSteps), add(T, H), false);
        }
    });
}

} // namespace pattaro
