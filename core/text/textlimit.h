#pragma once

#include <QtGlobal>

namespace pattaro {

// The largest text file the source pane opens, and by default the largest
// input pattaro-cli reads: past it a text no longer fits the window's
// memory budget.
inline constexpr qint64 kMaxTextFileBytes = qint64(256) << 20;

} // namespace pattaro
