#include "app/selfcheck.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

class SelfCheck : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString program = dir.filePath(u"prog"_qs);

    void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray digestOf(const QByteArray& bytes)
    {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    }
};

TEST_F(SelfCheck, RecordNextToTheProgram)
{
    EXPECT_EQ(digestRecordPath(u"/opt/p/pattaro"_qs), u"/opt/p/pattaro.sha256"_qs);
}

TEST_F(SelfCheck, InstalledRecordInShareIsPreferredToOneBesideTheProgram)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"bin"_qs));
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"share/pattaro"_qs));
    const QString installed = dir.filePath(u"bin/pattaro"_qs);
    const QString record = dir.filePath(u"share/pattaro/pattaro.sha256"_qs);
    write(installed, "installed bytes");
    write(record, digestOf("installed bytes") + "  pattaro\n");
    write(installed + u".sha256"_qs, digestOf("stale bytes"));
    EXPECT_EQ(digestRecordPath(installed), record);
    EXPECT_EQ(checkIntegrity(installed, digestRecordPath(installed)), IntegrityStatus::Intact);

    QFile::remove(record);
    EXPECT_EQ(checkIntegrity(installed, digestRecordPath(installed)), IntegrityStatus::Modified);
    QFile::remove(installed + u".sha256"_qs);
    const QString warning = integrityWarning(IntegrityStatus::RecordMissing, installed);
    EXPECT_TRUE(warning.contains(record)) << warning.toStdString();
    EXPECT_TRUE(warning.contains(installed + u".sha256"_qs)) << warning.toStdString();
}

TEST_F(SelfCheck, MatchingDigestIsIntactInEitherCaseWithOrWithoutName)
{
    write(program, "program bytes");
    write(digestRecordPath(program), digestOf("program bytes") + "  prog\n");
    EXPECT_EQ(checkIntegrity(program, digestRecordPath(program)), IntegrityStatus::Intact);
    write(digestRecordPath(program), digestOf("program bytes").toUpper());
    EXPECT_EQ(checkIntegrity(program, digestRecordPath(program)), IntegrityStatus::Intact);
    EXPECT_TRUE(integrityWarning(IntegrityStatus::Intact, program).isEmpty());
}

TEST_F(SelfCheck, ChangedProgramIsReported)
{
    write(program, "program bytes, patched");
    write(digestRecordPath(program), digestOf("program bytes") + "  prog\n");
    EXPECT_EQ(checkIntegrity(program, digestRecordPath(program)), IntegrityStatus::Modified);
    EXPECT_TRUE(integrityWarning(IntegrityStatus::Modified, program).contains(program));
}

TEST_F(SelfCheck, MissingOrEmptyRecordAndUnreadableProgram)
{
    write(program, "program bytes");
    EXPECT_EQ(checkIntegrity(program, digestRecordPath(program)), IntegrityStatus::RecordMissing);
    write(digestRecordPath(program), "  \n");
    EXPECT_EQ(checkIntegrity(program, digestRecordPath(program)), IntegrityStatus::RecordMissing);
    write(digestRecordPath(program), digestOf("program bytes"));
    const QString gone = dir.filePath(u"gone"_qs);
    EXPECT_EQ(checkIntegrity(gone, digestRecordPath(program)), IntegrityStatus::ProgramUnreadable);
    EXPECT_FALSE(integrityWarning(IntegrityStatus::RecordMissing, program).isEmpty());
    EXPECT_FALSE(integrityWarning(IntegrityStatus::ProgramUnreadable, program).isEmpty());
}

TEST_F(SelfCheck, BuiltProgramMatchesItsRecord)
{
    const QString built = QStringLiteral(PATTARO_BINARY_DIR "/app/pattaro");
    if (!QFileInfo::exists(built))
        GTEST_SKIP() << "the program is not built in this tree";
    EXPECT_EQ(checkIntegrity(built, digestRecordPath(built)), IntegrityStatus::Intact);
}

} // namespace
} // namespace pattaro
