#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace pattaro {

// Whether a window of `size` put at `at` shows enough of its title bar on
// one of the screens' work areas to be dragged back: a screen taken away
// since the place was saved must not leave the window out of reach.
bool IsReachablePlace(QPoint at, QSize size, const QList<QRect>& workAreas);

} // namespace pattaro
