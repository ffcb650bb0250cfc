#include "ui/savedplacement.h"

namespace pattaro {

namespace {

// Enough of the title bar to take hold of with the pointer.
constexpr int kGraspWidth = 100;
constexpr int kGraspHeight = 20;

} // namespace

bool IsReachablePlace(QPoint at, QSize size, const QList<QRect>& workAreas)
{
    const QRect titleBar(at, QSize(size.width(), kGraspHeight));
    for (const QRect& area : workAreas) {
        const QRect shown = titleBar.intersected(area);
        if (shown.width() >= std::min(kGraspWidth, size.width()) && shown.height() >= kGraspHeight)
            return true;
    }
    return false;
}

} // namespace pattaro
