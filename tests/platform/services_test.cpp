#include "platform/environment.h"
#include "platform/visualstyle.h"

#include <gtest/gtest.h>

using namespace pattaro::platform;

TEST(SystemEnvironment, FindsVariablesWithoutRegardToCase)
{
    qputenv("PATTARO_TEST_MixedCase", "mixed");
    SystemEnvironment env;
    EXPECT_EQ(env.Value("pattaro_test_mixedcase"), QString("mixed"));
    EXPECT_EQ(env.Value("PATTARO_TEST_MIXEDCASE"), QString("mixed"));
    EXPECT_EQ(env.Value("PATTARO_TEST_UNSET_VARIABLE"), std::nullopt);

    // Linux may hold two spellings side by side; the exact one wins.
    qputenv("PATTARO_TEST_mixedcase", "exact");
    EXPECT_EQ(env.Value("PATTARO_TEST_mixedcase"), QString("exact"));
    EXPECT_EQ(env.Value("PATTARO_TEST_MixedCase"), QString("mixed"));
    qunsetenv("PATTARO_TEST_MixedCase");
    qunsetenv("PATTARO_TEST_mixedcase");

    // An empty value is set, not absent.
    qputenv("PATTARO_TEST_EMPTY", "");
    EXPECT_EQ(env.Value("pattaro_test_empty"), QString());
    qunsetenv("PATTARO_TEST_EMPTY");
}

TEST(SystemEnvironment, KnowsTheUserAndTheMachine)
{
    SystemEnvironment env;
    EXPECT_FALSE(env.LoginName().isEmpty());
    EXPECT_FALSE(env.HostName().isEmpty());
}

TEST(SystemVisualStyle, ReportsVisualStylesSwitchedOff)
{
    SystemVisualStyle style;
    EXPECT_EQ(style.IsAppThemed(), 0);
    EXPECT_EQ(style.OpenThemeData(1, "ExplorerBar"), 0u);
    QString file = "untouched", scheme = "untouched";
    EXPECT_NE(style.GetCurrentThemeName(file, 260, scheme, 260), 0);
    EXPECT_EQ(scheme, "untouched");
    EXPECT_NE(style.CloseThemeData(0), 0);
}
