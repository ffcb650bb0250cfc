#include "frame/errorlog.h"
#include "tests/support/scripted_services.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace pattaro;
using pattaro::testing::ScriptedServices;

namespace {

class ErrorLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("bin"));
        fake.appInfo.path = dir.filePath("bin");
        fake.appInfo.stateFolder = dir.filePath("state/pattaro");
        fake.environment.variables = {{"USERNAME", "alice"}, {"COMPUTERNAME", "PC-01"}};
    }

    QByteArray fileIn(const QString& folder) const
    {
        QFile f(QDir(folder).filePath("ErrorLog.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray logFile() const { return fileIn(fake.appInfo.path); }

    QTemporaryDir dir;
    ScriptedServices fake;
};

} // namespace

TEST_F(ErrorLogTest, ReportShowsFourLabelledLinesAndAppendsOneRecord)
{
    ErrorLog log(fake.services());
    log.LogError(true, "5", "Invalid procedure call or argument", "orukForms", "Refresh");

    ASSERT_EQ(fake.messageBox.shown.size(), 1u);
    const auto& box = fake.messageBox.shown[0];
    EXPECT_EQ(box.text, QString::fromUtf8("Error occured: 5\r\n"
                                          "描述: Invalid procedure call or argument\r\n"
                                          "模块: orukForms\r\n"
                                          "函数: Refresh"));
    EXPECT_EQ(box.title, QString::fromUtf8("Pattaro - 错误"));
    EXPECT_EQ(box.icon, platform::MsgIcon::Critical);
    EXPECT_EQ(box.buttons, platform::MsgButtons::Ok);

    EXPECT_EQ(logFile(), QByteArray("#2012-05-01 14:03:07#,\"5\",\"Invalid procedure call or argument\","
                                    "\"orukForms\",\"Refresh\",\"Pattaro v1.1.16\",\"alice\",\"PC-01\"\r\n"));
}

TEST_F(ErrorLogTest, EmptyPiecesDropTheirMessageLinesButKeepTheirFields)
{
    ErrorLog log(fake.services());
    log.LogError(true, "6", "", "orukForms", "DrawGradientEx");
    log.LogError(true, "", "", "", "");
    log.LogError(true, "0", QString::fromUtf8("hWnd 不存在, 程序出错"), "orukForms", "zIdx");
    log.LogError(true, "-2147024809", "x", "", "GetInfo");

    ASSERT_EQ(fake.messageBox.shown.size(), 4u);
    EXPECT_EQ(fake.messageBox.shown[0].text, "Error occured: 6\r\n模块: orukForms\r\n函数: DrawGradientEx");
    EXPECT_EQ(fake.messageBox.shown[1].text, "Error occured: \r\n");
    EXPECT_EQ(fake.messageBox.shown[2].text,
              QString::fromUtf8("Error occured: 0\r\n描述: hWnd 不存在, 程序出错\r\n模块: orukForms\r\n函数: zIdx"));
    EXPECT_EQ(fake.messageBox.shown[3].text, QString::fromUtf8("Error occured: -2147024809\r\n描述: x\r\n函数: GetInfo"));

    const QList<QByteArray> lines = logFile().split('\n');
    ASSERT_EQ(lines.size(), 5); // four records and what follows the last line break
    EXPECT_EQ(lines[0], "#2012-05-01 14:03:07#,\"6\",\"\",\"orukForms\",\"DrawGradientEx\",\"Pattaro v1.1.16\","
                        "\"alice\",\"PC-01\"\r");
    EXPECT_EQ(lines[1], "#2012-05-01 14:03:07#,\"\",\"\",\"\",\"\",\"Pattaro v1.1.16\",\"alice\",\"PC-01\"\r");
    EXPECT_EQ(lines[2], QString::fromUtf8("#2012-05-01 14:03:07#,\"0\",\"hWnd 不存在, 程序出错\",\"orukForms\","
                                          "\"zIdx\",\"Pattaro v1.1.16\",\"alice\",\"PC-01\"\r")
                            .toUtf8());
    EXPECT_EQ(lines[4], "");
}

TEST_F(ErrorLogTest, DateFieldDropsTheTimeOnlyAtMidnight)
{
    ErrorLog log(fake.services());
    fake.clock.now = QDateTime(QDate(2024, 2, 29), QTime(0, 0, 0));
    EXPECT_TRUE(log.RecordLine("1", "", "", "").startsWith("#2024-02-29#,"));
    fake.clock.now = QDateTime(QDate(2024, 2, 29), QTime(0, 0, 1));
    EXPECT_TRUE(log.RecordLine("1", "", "", "").startsWith("#2024-02-29 00:00:01#,"));
    fake.clock.now = QDateTime(QDate(999, 1, 9), QTime(23, 59, 59));
    EXPECT_TRUE(log.RecordLine("1", "", "", "").startsWith("#0999-01-09 23:59:59#,"));
    fake.clock.now = QDateTime(QDate(2024, 12, 31), QTime(0, 0, 0, 500));
    EXPECT_TRUE(log.RecordLine("1", "", "", "").startsWith("#2024-12-31#,")) << "seconds are the resolution";
}

TEST_F(ErrorLogTest, TextFieldsAreWrittenAsTheyAreInUtf8)
{
    ErrorLog log(fake.services());
    log.LogError(false, "13", QString::fromUtf8("say \"hi\", 你好"), "orukForms", "Let Style");
    EXPECT_TRUE(fake.messageBox.shown.empty()) << "show false shows nothing";
    EXPECT_EQ(logFile(), QString::fromUtf8("#2012-05-01 14:03:07#,\"13\",\"say \"hi\", 你好\",\"orukForms\","
                                           "\"Let Style\",\"Pattaro v1.1.16\",\"alice\",\"PC-01\"\r\n")
                             .toUtf8());
}

TEST_F(ErrorLogTest, UserAndComputerAreLookedUpLikeWindowsWithLinuxFallbacks)
{
    ErrorLog log(fake.services());
    fake.environment.variables = {{"UserName", "Bob"}, {"computername", "BOX"}};
    EXPECT_TRUE(log.RecordLine("", "", "", "").endsWith(",\"Bob\",\"BOX\"\r\n"));

    fake.environment.variables = {{"USERNAME", ""}};
    EXPECT_TRUE(log.RecordLine("", "", "", "").endsWith(",\"\",\"host\"\r\n")) << "set but empty stays empty";

    fake.environment.variables.clear();
    EXPECT_TRUE(log.RecordLine("", "", "", "").endsWith(",\"login\",\"host\"\r\n"));

    fake.environment.loginName.clear();
    fake.environment.hostName.clear();
    EXPECT_TRUE(log.RecordLine("", "", "", "").endsWith(",\"Pattaro v1.1.16\",\"\",\"\"\r\n"));
}

TEST_F(ErrorLogTest, VersionFieldUsesTheApplicationsTitleAndNumbers)
{
    ErrorLog log(fake.services());
    fake.appInfo.title = "Tool";
    fake.appInfo.major = 2;
    fake.appInfo.minor = 0;
    fake.appInfo.revision = 105;
    EXPECT_TRUE(log.RecordLine("", "", "", "").contains(",\"Tool v2.0.105\","));
    log.LogError(true, "1", "", "", "");
    EXPECT_EQ(fake.messageBox.shown.back().title, QString::fromUtf8("Tool - 错误"));
}

TEST_F(ErrorLogTest, AppendsAndNeverTruncates)
{
    {
        QFile f(QDir(fake.appInfo.path).filePath("ErrorLog.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("earlier line\r\n");
    }
    ErrorLog log(fake.services());
    log.LogError(true, "5", "a", "orukForms", "Refresh");
    fake.clock.now = fake.clock.now.addSecs(1);
    log.LogError(true, "6", "b", "orukForms", "Refresh");
    const QList<QByteArray> lines = logFile().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "earlier line\r");
    EXPECT_TRUE(lines[1].startsWith("#2012-05-01 14:03:07#,\"5\",\"a\""));
    EXPECT_TRUE(lines[2].startsWith("#2012-05-01 14:03:08#,\"6\",\"b\""));
}

namespace {

// Records whether the log file already existed when the box came up.
class WatchingMessageBox : public platform::MessageBoxService {
public:
    QString watched;
    std::vector<bool> fileExisted;
    int show(const QString&, const QString&, platform::MsgIcon, platform::MsgButtons) override
    {
        fileExisted.push_back(QFile::exists(watched));
        return platform::kIdOk;
    }
};

} // namespace

TEST_F(ErrorLogTest, MessageBoxComesBeforeTheFile)
{
    WatchingMessageBox box;
    box.watched = QDir(fake.appInfo.path).filePath("ErrorLog.txt");
    platform::Services services = fake.services();
    services.messageBox = &box;
    ErrorLog log(services);
    log.LogError(true, "5", "", "orukForms", "Refresh");
    EXPECT_EQ(box.fileExisted, std::vector<bool>{false});
    EXPECT_TRUE(QFile::exists(box.watched));
}

TEST_F(ErrorLogTest, UnwritableProgramFolderFallsBackToTheStateFolder)
{
    // A file where the folder should be: unwritable even for root.
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    fake.appInfo.path = dir.filePath("blocked");

    ErrorLog log(fake.services());
    log.LogError(true, "5", "a", "orukForms", "Refresh");
    log.LogError(true, "6", "b", "orukForms", "Refresh");
    EXPECT_EQ(fake.messageBox.shown.size(), 2u);
    const QList<QByteArray> lines = fileIn(fake.appInfo.stateFolder).split('\n');
    ASSERT_EQ(lines.size(), 3) << "the state folder is created and appended to";
    EXPECT_TRUE(lines[0].contains("\"5\",\"a\""));
    EXPECT_TRUE(lines[1].contains("\"6\",\"b\""));
}

TEST_F(ErrorLogTest, ALogThatCannotBeWrittenAnywhereStillShowsTheReport)
{
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    fake.appInfo.path = dir.filePath("blocked");
    fake.appInfo.stateFolder = dir.filePath("blocked/state");

    ErrorLog log(fake.services());
    EXPECT_NO_THROW(log.LogError(true, "5", "a", "orukForms", "Refresh"));
    EXPECT_EQ(fake.messageBox.shown.size(), 1u);

    fake.appInfo.path.clear();
    fake.appInfo.stateFolder.clear();
    EXPECT_NO_THROW(log.LogError(true, "5", "a", "orukForms", "Refresh"));
    EXPECT_EQ(fake.messageBox.shown.size(), 2u);
    EXPECT_FALSE(QFile::exists("ErrorLog.txt")) << "never the current directory";
}
