#include "core/commands/colouringorder.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

constexpr RangeColor kOld = 0xABCDEF;
constexpr RangeColor kPlain = 0;

// A pane's colours, character by character, after the steps: what colouring
// the pane at once would leave, unless a step is missing, repeated or in the
// wrong order.
std::vector<RangeColor> paint(const std::vector<HighlightRange>& plan, qsizetype size,
                              const std::vector<ColouringStep>& steps)
{
    std::vector<RangeColor> cells(size_t(size), kOld);
    for (const ColouringStep& step : steps) {
        for (qsizetype at = step.resetFrom; at < step.resetTo; ++at)
            cells[size_t(at)] = kPlain;
        for (qsizetype match = step.firstMatch; match < step.lastMatch; ++match)
            for (qsizetype at = 0; at < plan[size_t(match)].length; ++at)
                cells[size_t(plan[size_t(match)].start + at)] = plan[size_t(match)].color;
    }
    return cells;
}

std::vector<RangeColor> atOnce(const std::vector<HighlightRange>& plan, qsizetype size)
{
    std::vector<RangeColor> cells(size_t(size), kPlain);
    for (const HighlightRange& range : plan)
        for (qsizetype at = 0; at < range.length; ++at)
            cells[size_t(range.start + at)] = range.color;
    return cells;
}

// Matches of `length` units every `every` units from `first`, colours 1 and 2 in turn.
std::vector<HighlightRange> evenlySpaced(qsizetype first, qsizetype every, qsizetype length, qsizetype count)
{
    std::vector<HighlightRange> plan;
    for (qsizetype i = 0; i < count; ++i)
        plan.push_back({first + i * every, length, RangeColor(1 + i % 2)});
    return plan;
}

TEST(ColouringOrder, EndsAsColouringAtOnceWithTheViewFirstAndStepsBounded)
{
    const struct {
        const char* what;
        std::vector<HighlightRange> plan;
        qsizetype size;
        qsizetype viewFrom;
        qsizetype viewTo;
        ColouringLimits limits;
    } rows[] = {
        {"no matches, long text", {}, 1000, 100, 200, {64, 8}},
        {"view at the start", evenlySpaced(0, 10, 3, 100), 1000, 0, 50, {64, 8}},
        {"view in the middle", evenlySpaced(5, 10, 3, 100), 1010, 400, 500, {64, 8}},
        {"view at the end", evenlySpaced(5, 10, 3, 100), 1010, 950, 1010, {64, 8}},
        {"matches cut by both ends of the view", evenlySpaced(0, 10, 8, 100), 1000, 405, 503, {64, 8}},
        {"a match longer than a step", {{10, 500, 1}, {600, 2, 2}}, 1000, 700, 800, {64, 8}},
        {"a match longer than a step in view", {{10, 500, 1}, {600, 2, 2}}, 1000, 100, 120, {64, 8}},
        {"empty matches at the edges of the view", {{0, 0, 1}, {50, 0, 2}, {50, 5, 1}, {100, 0, 2}}, 100, 50, 100,
         {16, 2}},
        {"matches packed end to end", evenlySpaced(0, 4, 4, 250), 1000, 500, 520, {30, 5}},
        {"the default limits", evenlySpaced(3, 7, 2, 3000), 21003, 7000, 9000, {}},
    };
    for (const auto& row : rows) {
        const auto steps = ColouringOrder(row.plan, row.size, row.viewFrom, row.viewTo, row.limits);
        EXPECT_EQ(paint(row.plan, row.size, steps), atOnce(row.plan, row.size)) << row.what;

        ASSERT_FALSE(steps.empty()) << row.what;
        for (size_t m = 0; m < row.plan.size(); ++m) {
            const HighlightRange& range = row.plan[m];
            const bool inView = range.start < row.viewTo && range.start + range.length > row.viewFrom;
            if (inView) {
                EXPECT_TRUE(qsizetype(m) >= steps[0].firstMatch && qsizetype(m) < steps[0].lastMatch)
                    << row.what << ": match " << m << " is in view but not in the first step";
            }
        }
        qsizetype longest = 0;
        for (const HighlightRange& range : row.plan)
            longest = std::max(longest, range.length);
        for (size_t s = 1; s < steps.size(); ++s) {
            EXPECT_LE(steps[s].lastMatch - steps[s].firstMatch, row.limits.matchesPerStep) << row.what;
            EXPECT_LE(steps[s].resetTo - steps[s].resetFrom, std::max(row.limits.unitsPerStep, longest)) << row.what;
        }
    }
}

} // namespace
} // namespace pattaro
