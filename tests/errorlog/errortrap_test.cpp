#include "compat/vberror.h"
#include "frame/errortrap.h"
#include "tests/support/scripted_services.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <stdexcept>

using namespace pattaro;
using pattaro::platform::VBError;
using pattaro::testing::ScriptedServices;

namespace {

class ErrorTrapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        fake.appInfo.path = dir.path();
        fake.appInfo.stateFolder = dir.filePath("state");
    }
    QTemporaryDir dir;
    ScriptedServices fake;
    ErrorLog log{fake.services()};
};

} // namespace

TEST_F(ErrorTrapTest, ACompletedBodyReportsNothing)
{
    int steps = 0;
    EXPECT_TRUE(TrapErrors(log, "Refresh", [&] { ++steps; }));
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("ErrorLog.txt")));
}

TEST_F(ErrorTrapTest, AFailureIsReportedUnderTheRoutinesNameAndEndsTheRoutine)
{
    std::vector<int> done;
    const bool completed = TrapErrors(log, "DrawGradientEx", [&] {
        done.push_back(1);
        throw VBError::divisionByZero();
        done.push_back(2);
    });
    EXPECT_FALSE(completed);
    EXPECT_EQ(done, std::vector<int>{1}) << "what was done stays done, the rest is skipped";
    ASSERT_EQ(fake.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake.messageBox.shown[0].text,
              "Error occured: 11\r\n描述: Division by zero\r\n模块: orukForms\r\n函数: DrawGradientEx");
    QFile f(dir.filePath("ErrorLog.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains(",\"11\",\"Division by zero\",\"orukForms\",\"DrawGradientEx\","));
}

TEST_F(ErrorTrapTest, OtherFailuresAreReportedWithRuntimeNumbers)
{
    TrapErrors(log, "GetMenuItemValue", [] { std::vector<int>().at(3); });
    TrapErrors(log, "TrimWord", [] { throw 42; });
    TrapErrors(log, "Let Style", [] { throw VBError(-2147221504, "Automation error"); });
    ASSERT_EQ(fake.messageBox.shown.size(), 3u);
    EXPECT_TRUE(fake.messageBox.shown[0].text.startsWith("Error occured: 9\r\n描述: Subscript out of range\r\n"));
    EXPECT_TRUE(fake.messageBox.shown[1].text.startsWith("Error occured: 51\r\n描述: Internal error\r\n"));
    EXPECT_EQ(fake.messageBox.shown[2].text,
              "Error occured: -2147221504\r\n描述: Automation error\r\n模块: orukForms\r\n函数: Let Style");
}

TEST_F(ErrorTrapTest, AnInnerTrappedFailureLetsTheCallerGoOn)
{
    QStringList trail;
    const bool outer = TrapErrors(log, "DrawTitleBar", [&] {
        TrapErrors(log, "DrawGradientEx", [] { throw VBError::overflow(); });
        trail << "after inner";
    });
    EXPECT_TRUE(outer);
    EXPECT_EQ(trail, QStringList{"after inner"});
    ASSERT_EQ(fake.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fake.messageBox.shown[0].text.endsWith("函数: DrawGradientEx"));
}

namespace {

class BrokenMessageBox : public platform::MessageBoxService {
public:
    int show(const QString&, const QString&, platform::MsgIcon, platform::MsgButtons) override
    {
        throw std::runtime_error("no display");
    }
};

} // namespace

TEST_F(ErrorTrapTest, AReportThatCannotBeShownDoesNotEscape)
{
    BrokenMessageBox broken;
    platform::Services services = fake.services();
    services.messageBox = &broken;
    ErrorLog brokenLog(services);
    bool completed = true;
    EXPECT_NO_THROW(completed = TrapErrors(brokenLog, "Refresh", [] { throw VBError::overflow(); }));
    EXPECT_FALSE(completed);
}
