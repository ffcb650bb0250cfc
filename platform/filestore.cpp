#include "platform/filestore.h"

#include <QFile>
#include <QSaveFile>

namespace pattaro::platform {

FileStore::ReadResult DiskFileStore::read(const QString& path, qint64 maxBytes)
{
    using Outcome = ReadResult::Outcome;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Outcome::Failed, {}, file.errorString()};
    // A file on disk says its size; a pipe is read until it passes the limit.
    if (!file.isSequential() && file.size() > maxBytes)
        return {Outcome::TooLarge, {}, {}};
    QByteArray bytes;
    constexpr qint64 kChunk = qint64(1) << 20;
    for (;;) {
        const QByteArray chunk = file.read(kChunk);
        if (file.error() != QFileDevice::NoError)
            return {Outcome::Failed, {}, file.errorString()};
        if (chunk.isEmpty())
            break;
        bytes += chunk;
        if (bytes.size() > maxBytes)
            return {Outcome::TooLarge, {}, {}};
    }
    return {Outcome::Read, std::move(bytes), {}};
}

std::optional<QString> DiskFileStore::write(const QString& path, QByteArrayView bytes)
{
    // Written beside the file and put in its place only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size()
        || !file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace pattaro::platform
