#include "ui/taborder.h"

#include <QWidget>
#include <algorithm>
#include <numeric>

namespace pattaro {

std::vector<size_t> ReadingOrder(const std::vector<QRect>& boxes)
{
    std::vector<size_t> order(boxes.size());
    std::iota(order.begin(), order.end(), size_t(0));
    // Twice the vertical middle, to stay in whole numbers.
    const auto middle = [&](size_t i) { return boxes[i].top() + boxes[i].bottom(); };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return middle(a) < middle(b); });
    auto rowStart = order.begin();
    while (rowStart != order.end()) {
        const QRect& first = boxes[*rowStart];
        // Sorted by middle, so the rest of the row follows without a gap.
        const auto rowEnd = std::find_if(rowStart, order.end(), [&](size_t i) { return middle(i) > 2 * first.bottom(); });
        std::stable_sort(rowStart, rowEnd, [&](size_t a, size_t b) { return boxes[a].left() < boxes[b].left(); });
        rowStart = rowEnd;
    }
    return order;
}

void OrderTabsByPosition(QWidget* root)
{
    std::vector<QWidget*> controls;
    std::vector<QRect> boxes;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        // A widget that hands its focus to another is reached through that one.
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy())
            continue;
        controls.push_back(widget);
        boxes.push_back(QRect(widget->mapTo(root, QPoint(0, 0)), widget->size()));
    }
    const std::vector<size_t> order = ReadingOrder(boxes);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(controls[order[i - 1]], controls[order[i]]);
}

} // namespace pattaro
