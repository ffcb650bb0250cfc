#include "ui/selfcheck.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace pattaro {
namespace {

QByteArray digestOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// An installed program under <dir>/usr, its record where the install put
// it, and what a case does to them before the check.
TEST(SelfCheck, OnlyARecordWhereTheProgramWasPutAndThatNobodyElseCouldWriteCounts)
{
    enum Change { Nothing, PatchProgram, RunCopyWithPlantedRecord, RecordWritableByOthers, RecordIsAPipe,
                  RecordIsALink, RecordEmpty, RecordUpperCaseWithoutName, ProgramGone };
    const struct {
        const char* what;
        Change change;
        IntegrityStatus expected;
    } cases[] = {
        {"the installed program", Nothing, IntegrityStatus::Intact},
        {"a record in upper case without a name", RecordUpperCaseWithoutName, IntegrityStatus::Intact},
        {"a patched program", PatchProgram, IntegrityStatus::Modified},
        {"a copy run elsewhere beside a planted record", RunCopyWithPlantedRecord, IntegrityStatus::RecordMissing},
        {"a record others may write", RecordWritableByOthers, IntegrityStatus::RecordMissing},
        {"a pipe in the record's place", RecordIsAPipe, IntegrityStatus::RecordMissing},
        {"a link in the record's place", RecordIsALink, IntegrityStatus::RecordMissing},
        {"an empty record", RecordEmpty, IntegrityStatus::RecordMissing},
        {"a program that cannot be read", ProgramGone, IntegrityStatus::ProgramUnreadable},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString program = dir.filePath(u"usr/bin/pattaro"_qs);
        const QString record = dir.filePath(u"usr/share/pattaro/pattaro.sha256"_qs);
        const std::vector<DigestPlace> places{{program, record}};
        write(program, "program bytes");
        write(record, digestOf("program bytes") + "  pattaro\n");
        QString running = program;
        switch (c.change) {
        case Nothing: break;
        case PatchProgram: write(program, "program bytes, patched"); break;
        case RunCopyWithPlantedRecord:
            running = dir.filePath(u"tmp/x/bin/pattaro"_qs);
            write(running, "patched copy");
            write(dir.filePath(u"tmp/x/share/pattaro/pattaro.sha256"_qs), digestOf("patched copy"));
            break;
        case RecordWritableByOthers: ::chmod(QFile::encodeName(record).constData(), 0666); break;
        case RecordIsAPipe:
            QFile::remove(record);
            ASSERT_EQ(::mkfifo(QFile::encodeName(record).constData(), 0600), 0);
            break;
        case RecordIsALink:
            QFile::rename(record, record + u".real"_qs);
            QFile::link(record + u".real"_qs, record);
            break;
        case RecordEmpty: write(record, "  \n"); break;
        case RecordUpperCaseWithoutName: write(record, digestOf("program bytes").toUpper()); break;
        case ProgramGone: QFile::remove(program); break;
        }
        EXPECT_EQ(checkIntegrity(running, digestRecordFor(running, places)), c.expected) << c.what;
        EXPECT_EQ(integrityWarning(c.expected, running).contains(running), c.expected != IntegrityStatus::Intact)
            << c.what;
    }
}

TEST(SelfCheck, BuiltProgramMatchesItsRecord)
{
    const QString built = QStringLiteral(PATTARO_BINARY_DIR "/ui/pattaro");
    if (!QFileInfo::exists(built))
        GTEST_SKIP() << "the program is not built in this tree";
    EXPECT_EQ(checkIntegrity(built, digestRecordFor(built, knownDigestPlaces())), IntegrityStatus::Intact);
}

} // namespace
} // namespace pattaro
