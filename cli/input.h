#pragma once

#include <QString>
#include <optional>

namespace pattaro::cli {

// Reads the whole input (the named file, or standard input when fileName is
// empty) and decodes it as strict UTF-8. A byte order mark is kept as text, so
// the input passes through unchanged. On failure returns nothing and sets
// error to a one-line reason.
std::optional<QString> ReadInput(const QString& fileName, QString& error);

} // namespace pattaro::cli
