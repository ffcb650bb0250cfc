// What the static analysis foretells, before any measurement: the growth,
// its degree, and the part of the expression it blames. A construct the
// automaton reads wrongly (a repeat unrolled badly, a closure through an
// empty loop cut short, an anchor ignored) shows here as a wrong growth.
#include "core/redos/ambiguity.h"
#include "core/redos/automaton.h"
#include "core/redos/readgraph.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

std::int64_t stillClock() { return 0; }

struct Foretold {
    bool complete = false;
    std::vector<Ambiguity> found;
};

Foretold foretell(const QString& pattern, std::int64_t work = 50'000'000)
{
    const SyntaxTree tree = readSyntaxTree(pattern, {false, true, true});
    EXPECT_FALSE(tree.error) << pattern.toStdString();
    AnalysisBudget budget(1, work, stillClock);
    Automaton automaton;
    ReadGraph graph;
    if (!buildAutomaton(tree, {}, automaton) || !buildReadGraph(automaton, true, budget, graph))
        return {};
    const AmbiguityResult result = findAmbiguity(graph, {}, budget);
    return {result.complete, result.found};
}

} // namespace

TEST(Ambiguity, ForetellsTheGrowthAndBlamesItsPart)
{
    struct Case {
        const char16_t* pattern;
        int degree;            // 0: exponential; 1: none
        const char16_t* blamed; // the part of the first finding
    };
    const Case cases[] = {
        // Two loops over the same text.
        {u"^(a+)+$", 0, u"(a+)+"},
        {u"^(a|a)*$", 0, u"(a|a)*"},
        {u"(a|a?)+$", 0, u"(a|a?)+"},
        {u"^(a*)*$", 0, u"(a*)*"},
        {u"(\\w+\\s?)*$", 0, u"(\\w+\\s?)*"},
        {u"^(?:a|b|ab)*c", 0, u"(?:a|b|ab)*"},
        {u"(x+x+)+y", 0, u"(x+x+)+"},
        // Chains of loops: the search's own start positions count as one.
        {u"\\w+@", 2, u"\\w+"},
        {u"^ *a* *$", 2, u" *a* *"},
        // ^ holds after every line break, and \s reads them too.
        {u"^\\s*\\s*$", 3, u"\\s*\\s*"},
        {u"\\s*\\s*$", 3, u"\\s*\\s*"},
        {u"^a*a*a*b", 3, u"a*a*a*"},
        {u"^\\d+\\.?\\d+$", 2, u"\\d+\\.?\\d+"},
        // Nothing grows past linear.
        {u"^\\d+$", 1, u""},
        {u"^[a-z]+@[a-z]+\\.com$", 1, u""},
        {u"^(a|b)*$", 1, u""},
        {u"^(ab|cd)+$", 1, u""},
        // The first repeat cannot read what the second does.
        {u"^a*b*$", 1, u""},
        // ^ holds only at a line's start, so the search's starts add nothing.
        {u"^\\w+@", 1, u""},
        // A bound small enough to unroll leaves no loop.
        {u"^(a{1,3}){1,3}$", 1, u""},
    };
    for (const Case& c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern);
        const Foretold f = foretell(pattern);
        EXPECT_TRUE(f.complete) << pattern.toStdString();
        if (c.degree == 1) {
            EXPECT_TRUE(f.found.empty()) << pattern.toStdString();
            continue;
        }
        ASSERT_FALSE(f.found.empty()) << pattern.toStdString();
        const Ambiguity& a = f.found.front();
        EXPECT_EQ(a.growth == Ambiguity::Growth::Exponential ? 0 : a.degree, c.degree) << pattern.toStdString();
        EXPECT_EQ(pattern.mid(a.source.start, a.source.end - a.source.start), QString::fromUtf16(c.blamed))
            << pattern.toStdString();
    }
}

TEST(Ambiguity, ItsAttackTextLeadsThroughTheLoop)
{
    // The prefix leads to the loop from the text's start, and the pump goes
    // round it: ^ keeps the prefix at the start, the literal b must be read.
    const Foretold f = foretell(QStringLiteral("^b(a+)+$"));
    ASSERT_EQ(f.found.size(), 1u);
    EXPECT_TRUE(f.found.front().prefix.startsWith(u'b'));
    ASSERT_EQ(f.found.front().pumps.size(), 1u);
    EXPECT_EQ(f.found.front().pumps.front(), QString(f.found.front().pumps.front().size(), u'a'));
}

TEST(Ambiguity, StopsIncompleteWhenTheWorkRunsOut)
{
    const Foretold f = foretell(QStringLiteral("(\\w+\\s?)*$|\\s*\\s*x"), 50);
    EXPECT_FALSE(f.complete);
}
