#include "ui/controlgeometry.h"

#include <algorithm>

namespace pattaro {

namespace {

int toPixels(int twips)
{
    // Round half away from zero; every designed value is a whole number of pixels anyway.
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

} // namespace

QRect twipsToPixels(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

QRect grownToFit(const QRect& designed, const QSize& needed)
{
    const int width = std::max(designed.width(), needed.width());
    const int height = std::max(designed.height(), needed.height());
    const int top = designed.top() - (height - designed.height()) / 2;
    return QRect(designed.left(), top, width, height);
}

} // namespace pattaro
