#pragma once

#include "compat/drawingsurface.h"
#include "compat/olecolor.h"
#include "compat/rect.h"
#include "frame/errorlog.h"

#include <cstdint>

namespace pattaro {

// The gradients GradientInRectangle draws. The numbers are those of the
// control's public drawing operation.
enum GradientStyle : std::int32_t {
    GradientVertical = 0,   // the second colour at the top
    GradientHorizontal = 1, // the second colour at the left
    GradientCylinder = 2,   // light across the middle, top to bottom
    GradientCylinderAcross = 3,
};

// The lines, boxes and gradients the frame is drawn with. Each reports its
// own failure to the error log and leaves the surface as far as it got.
// Boxes are left, top, width, height.
class FramePrimitives {
public:
    explicit FramePrimitives(ErrorLog& errorLog) : m_errorLog(errorLog) {}

    void Line(platform::DrawingSurface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              platform::OleColor color) const;
    void Rectangle(platform::DrawingSurface& surface, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                   platform::OleColor color) const;
    void Gradient(platform::DrawingSurface& surface, platform::OleColor c0, platform::OleColor c1, std::int32_t x1,
                  std::int32_t y1, std::int32_t x2, std::int32_t y2, bool vertical) const;
    void GradientInRectangle(platform::DrawingSurface& surface, platform::OleColor colorA, platform::OleColor colorB,
                             const platform::RECT& box, std::int32_t style, bool border,
                             platform::OleColor borderColor, double factor) const;
    void Cylinder(platform::DrawingSurface& surface, platform::OleColor c1, platform::OleColor c2,
                  const platform::RECT& box, bool vertical, double factor) const;

private:
    ErrorLog& m_errorLog;
};

} // namespace pattaro
