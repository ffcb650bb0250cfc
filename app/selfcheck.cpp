#include "app/selfcheck.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace pattaro {

QStringList digestRecordCandidates(const QString& programPath)
{
    const QFileInfo program(programPath);
    const QString name = program.fileName() + QStringLiteral(".sha256");
    return {QDir::cleanPath(program.path() + QStringLiteral("/../share/pattaro/") + name),
            programPath + QStringLiteral(".sha256")};
}

QString digestRecordPath(const QString& programPath)
{
    const QStringList candidates = digestRecordCandidates(programPath);
    for (const QString& path : candidates)
        if (QFileInfo::exists(path))
            return path;
    return candidates.last();
}

IntegrityStatus checkIntegrity(const QString& programPath, const QString& recordPath)
{
    QFile record(recordPath);
    if (!record.open(QIODevice::ReadOnly))
        return IntegrityStatus::RecordMissing;
    // The digest is the first word; a file name may follow.
    const QByteArray recorded = record.read(256).trimmed().split(' ').value(0).toLower();
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
        return QStringLiteral("warning: %1 differs from the program that was built (SHA-256 mismatch)")
            .arg(programPath);
    case IntegrityStatus::RecordMissing:
        return QStringLiteral("warning: no build digest for %1 (%2 missing or empty); its integrity is unchecked")
            .arg(programPath, digestRecordCandidates(programPath).join(QStringLiteral(" and ")));
    case IntegrityStatus::ProgramUnreadable:
        return QStringLiteral("warning: cannot read %1 to check its integrity").arg(programPath);
    }
    return {};
}

void runSelfCheck() noexcept
{
    try {
        const QString program = QCoreApplication::applicationFilePath();
        const QString warning = integrityWarning(checkIntegrity(program, digestRecordPath(program)), program);
        if (!warning.isEmpty())
            std::fprintf(stderr, "pattaro: %s\n", warning.toLocal8Bit().constData());
    } catch (...) {
        // The check only advises; start-up goes on whatever happens here.
    }
}

} // namespace pattaro
