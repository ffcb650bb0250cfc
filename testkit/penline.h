#pragma once

#include "compat/drawingsurface.h"

namespace pattaro::testing {

// A line as the skin draws it: its own pen, selected, drawn, restored, deleted.
inline void penLine(platform::DrawingSurface& s, int x1, int y1, int x2, int y2, platform::OleColor c)
{
    const auto pen = s.CreatePen(platform::PS_SOLID, 1, c);
    const auto old = s.SelectObject(pen);
    s.MoveToEx(x1, y1);
    s.LineTo(x2, y2);
    s.SelectObject(old);
    s.DeleteObject(pen);
}

} // namespace pattaro::testing
