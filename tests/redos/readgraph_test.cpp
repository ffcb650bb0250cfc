// The positions and their steps: a step the matcher can take two ways is
// what makes the work exponential, so one counted wrongly (an empty round
// of a repeat taken for a way, a closure cut short by a loop) shows here.
#include "core/redos/readgraph.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

std::int64_t stillClock() { return 0; }

ReadGraph graphOf(const QString& pattern)
{
    const SyntaxTree tree = readSyntaxTree(pattern, {false, true, true});
    Automaton automaton;
    EXPECT_TRUE(buildAutomaton(tree, {}, automaton));
    AnalysisBudget budget(1, 1'000'000, stillClock);
    ReadGraph graph;
    EXPECT_TRUE(buildReadGraph(automaton, true, budget, graph));
    return graph;
}

// The step from the position reading source[from] to the one reading
// source[to] (counted among the expression's reading positions).
const ReadGraph::Step* stepBetween(const ReadGraph& graph, int from, int to)
{
    for (const ReadGraph::Step& step : graph.positions[size_t(from)].steps) {
        if (step.to == to)
            return &step;
    }
    return nullptr;
}

} // namespace

TEST(ReadGraph, CountsTheWaysOfEachStep)
{
    const struct {
        const char16_t* pattern;
        int from, to; // positions: 3 is the first the expression reads
        int ways;     // 0: no such step
    } cases[] = {
        // a* inside (…)*: back to the same a by the inner loop, or by the
        // outer one through an empty a*.
        {u"(?:a*)*", 3, 3, 2},
        {u"(?:a+)+", 4, 4, 1},
        {u"a*", 3, 3, 1},
        // An empty round of the outer repeat is no way of its own.
        {u"(?:a|)*", 3, 3, 1},
        {u"(?:a?)*", 3, 3, 1},
        // Through an empty alternative to the next piece: one way each.
        {u"a(?:|b)c", 3, 5, 1},
        {u"a(?:|b)c", 3, 4, 1},
        {u"ab", 4, 3, 0},
    };
    for (const auto& c : cases) {
        const ReadGraph graph = graphOf(QString::fromUtf16(c.pattern));
        const ReadGraph::Step* step = stepBetween(graph, c.from, c.to);
        EXPECT_EQ(step ? (step->twoWays ? 2 : 1) : 0, c.ways) << QString::fromUtf16(c.pattern).toStdString();
    }
}

TEST(ReadGraph, StartsAMatchAnywhereButAfterALineStartOnlyWhereCaretHolds)
{
    const ReadGraph anchored = graphOf(QStringLiteral("^a"));
    EXPECT_FALSE(stepBetween(anchored, ReadGraph::kAnywhere, 3));
    EXPECT_TRUE(stepBetween(anchored, ReadGraph::kLineStart, 3));
    const ReadGraph loose = graphOf(QStringLiteral("a"));
    EXPECT_TRUE(stepBetween(loose, ReadGraph::kAnywhere, 3));
    EXPECT_TRUE(stepBetween(loose, ReadGraph::kLineStart, 3));
    EXPECT_TRUE(loose.positions[3].accepts);
    EXPECT_FALSE(graphOf(QStringLiteral("ab")).positions[3].accepts);
}
