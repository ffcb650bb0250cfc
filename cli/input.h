#pragma once

#include "core/text/textdecoding.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace pattaro::cli {

// Reads the whole input (the named file, or standard input when fileName is
// empty) and decodes it as encoding asks. Input longer than maxBytes is
// refused as soon as that much has come, so an endless stream ends too. On
// failure returns nothing and sets error to a one-line reason. What a script
// should know about input that was read anyway (a guessed encoding, UTF-8 cut
// short) is added to warnings, a line each.
std::optional<QString> ReadInput(const QString& fileName, EncodingChoice encoding, qint64 maxBytes,
                                 QString& error, QStringList& warnings);

// "256 MB" and the like, for saying which limit was passed.
QString DescribeSize(qint64 bytes);

} // namespace pattaro::cli
