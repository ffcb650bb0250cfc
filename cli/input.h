#pragma once

#include "app/components/textfile/textdecoding.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace pattaro::cli {

// Reads the whole input (the named file, or standard input when fileName is
// empty) and decodes it as encoding asks. On failure returns nothing and
// sets error to a one-line reason. What a script should know about input
// that was read anyway (a guessed encoding, UTF-8 cut short) is added to
// warnings, a line each.
std::optional<QString> ReadInput(const QString& fileName, EncodingChoice encoding, QString& error,
                                 QStringList& warnings);

} // namespace pattaro::cli
