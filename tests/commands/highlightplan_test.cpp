#include "core/commands/highlightplan.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

constexpr RangeColor kGreen = 0x0000C000;
constexpr RangeColor kOrange = 0x000080FF;

MatchCollection spansOf(const QString& subject, std::vector<MatchCollection::Span> spans)
{
    return MatchCollection(subject, std::move(spans));
}

TEST(HighlightPlan, ReadsTheColoursAfreshForEveryMatch)
{
    // A swatch that changes between reads: every range must carry the value
    // read for it, and each swatch is read once per match of its parity.
    RangeColor even = 0x10, odd = 0x20;
    int evenReads = 0, oddReads = 0;
    const auto matches = spansOf("abcde", {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}});
    const auto plan = HighlightPlan(
        matches, [&] { ++evenReads; return even++; }, [&] { ++oddReads; return odd++; });
    ASSERT_EQ(plan.size(), 5u);
    EXPECT_EQ(plan[0].color, 0x10u);
    EXPECT_EQ(plan[1].color, 0x20u);
    EXPECT_EQ(plan[2].color, 0x11u);
    EXPECT_EQ(plan[3].color, 0x21u);
    EXPECT_EQ(plan[4].color, 0x12u);
    EXPECT_EQ(evenReads, 3);
    EXPECT_EQ(oddReads, 2);
}

TEST(HighlightPlan, NoLimitAtSixteenBits)
{
    constexpr qsizetype n = 70000;
    std::vector<MatchCollection::Span> spans;
    for (qsizetype i = 0; i < n; ++i)
        spans.push_back({i, 1});
    const auto plan = HighlightPlan(spansOf(QString(n, u'a'), std::move(spans)), [] { return kGreen; },
                                    [] { return kOrange; });
    ASSERT_EQ(qsizetype(plan.size()), n);
    EXPECT_EQ(plan[32768], (HighlightRange{32768, 1, kGreen}));
    EXPECT_EQ(plan[n - 1], (HighlightRange{n - 1, 1, kOrange}));
}

} // namespace
} // namespace pattaro
