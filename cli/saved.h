#pragma once

#include "cli/arguments.h"

#include <QString>
#include <optional>

namespace pattaro::cli {

// What `run NAME` stands for: replace with the saved expression and its
// replacement, or matches when it has none, with its case option unless -i
// asks to ignore case anyway. Nothing, with the reason in English, when the
// library file cannot be read or holds no expression of that NAME.
std::optional<Arguments> SavedCommand(const Arguments& run, const QString& libraryPath, QString& error);

} // namespace pattaro::cli
