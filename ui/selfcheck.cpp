#include "ui/selfcheck.h"

#include "digestplaces.h"
#include "compat/trustedfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <new>

namespace pattaro {

namespace {

// A record is a digest in hex and a file name: a few hundred bytes at most.
constexpr qsizetype kRecordBytes = 512;

QString canonical(const QString& path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(path) : resolved;
}

} // namespace

std::vector<DigestPlace> knownDigestPlaces()
{
    std::vector<DigestPlace> places{{QString::fromUtf8(kBuiltProgram), QString::fromUtf8(kBuiltDigestRecord)}};
    for (const char* prefix : kInstallPrefixes) {
        const QString root = QDir::cleanPath(QString::fromUtf8(prefix));
        places.push_back({root + QStringLiteral("/bin/pattaro"), root + QStringLiteral("/share/pattaro/pattaro.sha256")});
    }
    return places;
}

std::optional<QString> digestRecordFor(const QString& programPath, const std::vector<DigestPlace>& places)
{
    const QString running = canonical(programPath);
    for (const DigestPlace& place : places)
        if (canonical(place.program) == running)
            return place.record;
    return std::nullopt;
}

IntegrityStatus checkIntegrity(const QString& programPath, const std::optional<QString>& recordPath)
{
    const std::optional<QByteArray> record =
        recordPath ? platform::ReadTrustedFile(*recordPath, kRecordBytes) : std::nullopt;
    if (!record)
        return IntegrityStatus::RecordMissing;
    // The digest is the first word; a file name may follow.
    const QByteArray recorded = record->trimmed().split(' ').value(0).toLower();
    if (recorded.isEmpty())
        return IntegrityStatus::RecordMissing;

    QFile program(programPath);
    if (!program.open(QIODevice::ReadOnly))
        return IntegrityStatus::ProgramUnreadable;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&program))
        return IntegrityStatus::ProgramUnreadable;
    return hash.result().toHex() == recorded ? IntegrityStatus::Intact : IntegrityStatus::Modified;
}

QString integrityWarning(IntegrityStatus status, const QString& programPath)
{
    switch (status) {
    case IntegrityStatus::Intact:
        return {};
    case IntegrityStatus::Modified:
        return QStringLiteral("程序文件 %1 与构建时不同（SHA-256 不符），可能已损坏或被部分替换。").arg(programPath);
    case IntegrityStatus::RecordMissing:
        return QStringLiteral("找不到程序文件 %1 的可信校验记录，无法检查它是否完整。").arg(programPath);
    case IntegrityStatus::ProgramUnreadable:
        return QStringLiteral("无法读取程序文件 %1，无法检查它是否完整。").arg(programPath);
    }
    return {};
}

QString runSelfCheck() noexcept
{
    try {
        const QString program = QCoreApplication::applicationFilePath();
        return integrityWarning(checkIntegrity(program, digestRecordFor(program, knownDigestPlaces())), program);
    } catch (const std::bad_alloc&) {
        // The files and the hash report their failures as statuses; only
        // memory can run out. The check only advises, so start-up goes on.
        return {};
    }
}

} // namespace pattaro
