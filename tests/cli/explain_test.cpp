#include "cli/explain.h"

#include <gtest/gtest.h>

namespace pattaro::cli {
namespace {

TEST(CliExplain, ChineseOnlyForAChineseLocale)
{
    const struct {
        const char* locale;
        ExplainLanguage language;
    } cases[] = {
        {"zh_CN", ExplainLanguage::Chinese},
        {"zh_TW", ExplainLanguage::Chinese},
        {"en_US", ExplainLanguage::English},
        {"ja_JP", ExplainLanguage::English},
        {"C", ExplainLanguage::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageOfLocale(QLocale(QString::fromLatin1(c.locale))), c.language) << c.locale;
}

} // namespace
} // namespace pattaro::cli
