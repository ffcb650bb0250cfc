#pragma once

#include <QtGlobal>

namespace pattaro {

// Tells the system that a buffer of many megabytes, not yet written, is
// about to be filled from start to end: it may then back it with large
// pages, which takes a fraction of the time that faulting in small pages
// one at a time does. Only a hint; where there is no such thing, it does
// nothing.
void AdviseLargeBuffer(void* data, qsizetype bytes);

} // namespace pattaro
