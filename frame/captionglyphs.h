#pragma once

#include <cstdint>
#include <span>

namespace pattaro {

// One stroke of a caption button's symbol, relative to the button's left
// and top: a line from (x1, y1) to (x2, y2) that leaves its end point
// unpainted, or an outline at (x1, y1) of width x2 and height y2 that
// paints both end columns and rows.
struct GlyphStroke {
    bool Outline;
    std::int32_t X1, Y1, X2, Y2;
};

enum class CaptionGlyph { Close, Maximize, Restore, Minimize };

std::span<const GlyphStroke> StrokesOf(CaptionGlyph glyph);

} // namespace pattaro
