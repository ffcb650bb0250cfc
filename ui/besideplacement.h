#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace pattaro {

// Where a window of `size` goes beside `main` within the screen's `room`:
// on the right when it fits there, else on the left when it fits there,
// else on the side with more room, kept on the screen even if it then
// covers part of `main`. Top aligned with `main`.
QPoint besideWindow(const QRect& main, QSize size, const QRect& room);

} // namespace pattaro
