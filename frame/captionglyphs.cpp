#include "frame/captionglyphs.h"

namespace pattaro {

namespace {

constexpr bool kLine = false;
constexpr bool kOutline = true;

// An X three pixels thick.
constexpr GlyphStroke kClose[] = {
    {kLine, 6, 5, 14, 13}, {kLine, 5, 5, 14, 14}, {kLine, 5, 6, 13, 14},
    {kLine, 5, 12, 13, 4}, {kLine, 5, 13, 14, 4}, {kLine, 6, 13, 14, 5},
};
// A box with a two-pixel top edge.
constexpr GlyphStroke kMaximize[] = {
    {kLine, 4, 5, 15, 5},
    {kOutline, 4, 6, 10, 8},
};
// A back box, its lower left hidden behind a front box.
constexpr GlyphStroke kRestore[] = {
    {kLine, 7, 5, 7, 8},    {kLine, 7, 5, 16, 5},  {kLine, 7, 4, 16, 4},   {kLine, 15, 4, 15, 11},
    {kLine, 15, 11, 11, 11}, {kLine, 3, 9, 11, 9}, {kOutline, 3, 8, 8, 7},
};
// A bar three pixels high at the bottom.
constexpr GlyphStroke kMinimize[] = {
    {kLine, 5, 11, 14, 11},
    {kLine, 5, 12, 14, 12},
    {kLine, 5, 13, 14, 13},
};

} // namespace

std::span<const GlyphStroke> StrokesOf(CaptionGlyph glyph)
{
    switch (glyph) {
    case CaptionGlyph::Close:
        return kClose;
    case CaptionGlyph::Maximize:
        return kMaximize;
    case CaptionGlyph::Restore:
        return kRestore;
    case CaptionGlyph::Minimize:
        return kMinimize;
    }
    return {};
}

} // namespace pattaro
