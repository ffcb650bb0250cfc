#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace pattaro::platform {

// Whole files read and written. The window opens and saves through this, so
// tests can script a disk that fails.
class FileStore {
public:
    struct ReadResult {
        // NotAFile: a folder, a pipe, a device or a socket, which reading
        // could wait on for ever.
        enum class Outcome { Read, TooLarge, Failed, NotAFile };
        Outcome outcome = Outcome::Failed;
        QByteArray bytes;
        QString error; // Failed: the system's reason
    };

    virtual ~FileStore() = default;
    // The whole file, unless it holds more than maxBytes or is not a regular
    // file. Never waits for a writer or a device.
    virtual ReadResult read(const QString& path, qint64 maxBytes) = 0;
    // Makes bytes the file's whole content. Nothing on success, else the
    // system's reason; a failed write leaves the file as it was.
    virtual std::optional<QString> write(const QString& path, QByteArrayView bytes) = 0;
};

class DiskFileStore : public FileStore {
public:
    ReadResult read(const QString& path, qint64 maxBytes) override;
    std::optional<QString> write(const QString& path, QByteArrayView bytes) override;
};

} // namespace pattaro::platform
