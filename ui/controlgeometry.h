#pragma once

#include <QRect>
#include <QSize>

namespace pattaro {

// The window's controls are laid out in twips; the screen here has 15 twips
// to the pixel both ways.
inline constexpr int kTwipsPerPixel = 15;

QRect twipsToPixels(int left, int top, int width, int height);

// Where a control goes when its caption needs `needed`: never smaller than
// designed; wider to the right, taller about its middle, so it stays lined up
// with the box or swatch it was placed beside.
QRect grownToFit(const QRect& designed, const QSize& needed);

} // namespace pattaro
