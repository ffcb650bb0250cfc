#include "compat/trustedfile.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace pattaro::platform {

#ifdef Q_OS_UNIX

std::optional<QByteArray> ReadTrustedFile(const QString& path, qsizetype maxBytes)
{
    // The checks are made on the file that was opened, so it cannot be
    // swapped between them and the read; O_NONBLOCK keeps a pipe from
    // holding up the open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    const bool trusted = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
                         && (status.st_uid == 0 || status.st_uid == ::geteuid())
                         && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
    std::optional<QByteArray> content;
    if (trusted) {
        QByteArray bytes(maxBytes, Qt::Uninitialized);
        const ssize_t got = ::read(fd, bytes.data(), size_t(maxBytes));
        if (got >= 0) {
            bytes.truncate(got);
            content = bytes;
        }
    }
    ::close(fd);
    return content;
}

#else

// Without owners and modes to check, a regular file is the most that can be asked.
std::optional<QByteArray> ReadTrustedFile(const QString& path, qsizetype maxBytes)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(maxBytes);
}

#endif

} // namespace pattaro::platform
