#pragma once

#include <QStringList>

namespace pattaro::platform {

// Description/pattern pairs of a dialog filter as QFileDialog name filters,
// "Text (*.txt *.log)". Patterns listed with ";" become a space-separated
// list, "*.*" (every file) becomes "*", and a description without text shows
// its patterns. A description without its pattern is dropped.
QStringList qtNameFilters(const QStringList& fields);

} // namespace pattaro::platform
