#pragma once

#include <QtGlobal>

namespace pattaro {

// Tells the system that a buffer of many megabytes, not yet written, is
// about to be filled from start to end: it may then back it with large
// pages, which takes a fraction of the time that faulting in small pages
// one at a time does. Only a hint; where there is no such thing, it does
// nothing.
void AdviseLargeBuffer(void* data, qsizetype bytes);

// Tells the system that a file mapped at `data` is about to be read from
// start to end: it then maps all its pages in one call, rather than one
// fault every few pages. Only a hint, as above.
void AdviseReadThrough(const void* data, qsizetype bytes);

} // namespace pattaro
