#include "compat/environment.h"

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
