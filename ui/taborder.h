#pragma once

#include <QRect>
#include <vector>

class QWidget;

namespace pattaro {

// Indexes of the boxes in reading order: rows from top to bottom, and left
// to right within a row. Boxes whose vertical middles fall within the first
// box of a row belong to that row, so controls of one row that differ a
// little in top or height still read together.
std::vector<size_t> ReadingOrder(const std::vector<QRect>& boxes);

// Chains Tab through the controls under `root` that take focus by Tab, in
// the reading order of where they sit. Controls hidden now still take their
// place, so the order holds for every layout.
void OrderTabsByPosition(QWidget* root);

} // namespace pattaro
