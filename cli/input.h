#pragma once

#include "app/components/textfile/textdecoding.h"

#include <QString>
#include <optional>

namespace pattaro::cli {

// Reads the whole input (the named file, or standard input when fileName is
// empty) and decodes it as encoding asks. On failure returns nothing and
// sets error to a one-line reason.
std::optional<QString> ReadInput(const QString& fileName, EncodingChoice encoding, QString& error);

} // namespace pattaro::cli
