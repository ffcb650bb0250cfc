#include "ui/besideplacement.h"

#include <algorithm>

namespace pattaro {

QPoint besideWindow(const QRect& main, QSize size, const QRect& room)
{
    const int rightRoom = room.right() - main.right();
    const int leftRoom = main.left() - room.left();
    const bool right = rightRoom >= size.width() || (leftRoom < size.width() && rightRoom >= leftRoom);
    const int x = right ? std::min(main.right() + 1, room.right() + 1 - size.width())
                        : std::max(room.left(), main.left() - size.width());
    return {x, main.top()};
}

} // namespace pattaro
