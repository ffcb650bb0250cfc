#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace pattaro::testing {

// A file of tests/support/encoded, written by its make-files.sh.
inline QString encodedPath(const char* name) { return QStringLiteral(PATTARO_ENCODED_DIR "/") + QLatin1StringView(name); }

inline QByteArray encodedBytes(const char* name)
{
    QFile file(encodedPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace pattaro::testing
