#pragma once

#include <QByteArrayView>
#include <functional>

namespace pattaro::cli {

// Runs `there` on a thread of its own while `here` runs on this one, and
// returns once both have; one after the other on this thread when `bytes`,
// the size of the text they read, is too small to pay for a thread, or the
// machine has one processor. Neither may throw.
void SideBySide(qsizetype bytes, const std::function<void()>& here, const std::function<void()>& there);

// Where a text is cut for SideBySide to read its halves: at the first line
// feed from its middle on, so that either side holds whole lines and whole
// UTF-8 sequences. -1 where SideBySide would not use a thread, or the text
// has no such line feed.
qsizetype HalvingCut(QByteArrayView text);

} // namespace pattaro::cli
