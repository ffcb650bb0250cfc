#include "compat/filestore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pattaro::platform {

FileStore::ReadResult DiskFileStore::read(const QString& path, qint64 maxBytes)
{
    using Outcome = ReadResult::Outcome;
    // Opening a pipe waits for a writer and opening a device may act on it,
    // so neither is opened at all; the open itself does not wait, and what
    // was opened is checked again in case the path changed in between.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {Outcome::NotAFile, {}, {}};
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {Outcome::Failed, {}, qt_error_string(errno)};
    struct stat opened = {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return {Outcome::NotAFile, {}, {}};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {Outcome::Failed, {}, file.errorString()};
    if (file.size() > maxBytes)
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
