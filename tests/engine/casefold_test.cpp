// The table of case variants is worked out when the program is built; it
// must hold JavaScript's classes and answer alike for every member of one.
#include "core/regex/casefold.h"

#include <QString>
#include <algorithm>
#include <gtest/gtest.h>

using namespace pattaro;

namespace {

QString variantsOf(char16_t unit)
{
    const CaseVariants variants = caseVariants(unit);
    QString units;
    for (char16_t v : variants)
        units += QChar(v);
    std::sort(units.begin(), units.end());
    return units;
}

} // namespace

TEST(CaseFold, KnownClassesAsJavaScriptHasThem)
{
    const struct {
        char16_t unit;
        const char16_t* variants;
    } cases[] = {
        {u'a', u"Aa"},
        {u's', u"Ss"},            // ſ would turn into ASCII
        {u'\u017F', u"\u017F"},
        {u'k', u"Kk"},            // so would the Kelvin sign
        {u'\u212A', u"\u212A"},
        {u'\u03C2', u"\u03A3\u03C2\u03C3"},
        {u'\u00B5', u"\u00B5\u039C\u03BC"},
        {u'\u01C5', u"\u01C4\u01C5\u01C6"},
        {u'\u00DF', u"\u00DF"},   // its upper case is two letters
        {u'\u0131', u"\u0131"},
        {u'\u4E2D', u"\u4E2D"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(variantsOf(c.unit), QString::fromUtf16(c.variants)) << int(c.unit);
}

TEST(CaseFold, EveryMemberOfAClassHasTheSameClass)
{
    const auto listed = unitsWithCaseVariants();
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));
    for (uint32_t u = 0; u < 0x10000; ++u) {
        const char16_t unit = char16_t(u);
        const QString variants = variantsOf(unit);
        ASSERT_TRUE(variants.contains(QChar(unit))) << u;
        for (QChar v : variants)
            ASSERT_EQ(variantsOf(v.unicode()), variants) << u;
        ASSERT_EQ(std::binary_search(listed.begin(), listed.end(), unit), variants.size() > 1) << u;
    }
}
