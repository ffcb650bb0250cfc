#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pattaro::platform {

// The first maxBytes of a small file that only its owner could have
// written: a regular file (no link, pipe or device, so nothing can make the
// read wait), owned by the system administrator or by the user running the
// program, and writable by nobody else. Nothing for any other file.
std::optional<QByteArray> ReadTrustedFile(const QString& path, qsizetype maxBytes);

} // namespace pattaro::platform
