#include "core/redos/readgraph.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

namespace pattaro {
namespace {

using Kind = Automaton::StateKind;

UnitSet lineTerminators()
{
    return UnitSet::single(0x0A).united(UnitSet::single(0x0D)).united(UnitSet::range(0x2028, 0x2029));
}

struct Reach {
    int read = 0;
    int ways = 1;
    SourceSpan repeats;
    bool needsLineStart = false;
};

struct Closure {
    std::vector<Reach> reaches;
    bool accepts = false;
};

// The reading states each state leads to without reading, and by how many
// ways (two meaning two or more). A path that comes back to a state it has
// passed read nothing in between: a backtracking matcher refuses such an
// empty round, so it is not a way.
class ClosureFinder {
public:
    ClosureFinder(const Automaton& automaton, AnalysisBudget& budget)
        : m_automaton(automaton), m_budget(budget), m_memo(automaton.states.size()),
          m_known(automaton.states.size(), false), m_depth(automaton.states.size(), kNoDepth)
    {
    }

    Closure ofEdges(const std::vector<Automaton::Edge>& edges)
    {
        Closure result;
        std::unordered_map<int, size_t> index;
        for (const Automaton::Edge& edge : edges) {
            int lowest = kNoDepth;
            const Closure next = of(edge.to, lowest);
            const SourceSpan through =
                edge.repeat >= 0 ? m_automaton.repeats[size_t(edge.repeat)] : SourceSpan{};
            merge(result, index, next, through, false);
        }
        return result;
    }

private:
    const Automaton& m_automaton;
    AnalysisBudget& m_budget;
    std::vector<Closure> m_memo;
    std::vector<bool> m_known;
    static constexpr int kNoDepth = INT_MAX;
    // By state: where on the current path it stands, or kNoDepth.
    std::vector<int> m_depth;
    int m_pathLength = 0;

    void merge(Closure& into, std::unordered_map<int, size_t>& index, const Closure& from,
               const SourceSpan& through, bool lineStart)
    {
        into.accepts = into.accepts || from.accepts;
        for (Reach reach : from.reaches) {
            if (!m_budget.spend())
                return;
            reach.repeats = reach.repeats.joined(through);
            reach.needsLineStart = reach.needsLineStart || lineStart;
            const auto [it, fresh] = index.emplace(reach.read, into.reaches.size());
            if (fresh) {
                into.reaches.push_back(reach);
                continue;
            }
            Reach& known = into.reaches[it->second];
            known.ways = std::min(2, known.ways + reach.ways);
            known.repeats = known.repeats.joined(reach.repeats);
            known.needsLineStart = known.needsLineStart && reach.needsLineStart;
        }
    }

    // A state's closure, and in `lowest` the shallowest state on the current
    // path that it ran into: a closure cut short by a state still open is
    // right only for this path, and is not kept.
    Closure of(int state, int& lowest)
    {
        const size_t s = size_t(state);
        lowest = kNoDepth;
        if (m_known[s])
            return m_memo[s];
        if (m_depth[s] != kNoDepth) {
            lowest = m_depth[s];
            return {};
        }
        if (m_budget.exhausted())
            return {};
        const Automaton::State& st = m_automaton.states[s];
        Closure result;
        if (st.kind == Kind::Read) {
            result.reaches.push_back({state, 1, {}, false});
        } else if (st.kind == Kind::Accept) {
            result.accepts = true;
        } else {
            const int depth = m_pathLength++;
            m_depth[s] = depth;
            std::unordered_map<int, size_t> index;
            for (const Automaton::Edge& edge : st.next) {
                const SourceSpan through =
                    edge.repeat >= 0 ? m_automaton.repeats[size_t(edge.repeat)] : SourceSpan{};
                int low = kNoDepth;
                const Closure next = of(edge.to, low);
                lowest = std::min(lowest, low);
                merge(result, index, next, through, st.kind == Kind::LineStart);
            }
            m_depth[s] = kNoDepth;
            --m_pathLength;
            if (lowest < depth)
                return result;
            lowest = kNoDepth;
        }
        m_memo[s] = result;
        m_known[s] = true;
        return result;
    }
};

} // namespace

bool buildReadGraph(const Automaton& automaton, bool multiline, AnalysisBudget& budget, ReadGraph& out)
{
    out = {};
    std::vector<int> positionOf(automaton.states.size(), -1);
    out.positions.resize(3);
    for (size_t s = 0; s < automaton.states.size(); ++s) {
        if (automaton.states[s].kind != Kind::Read)
            continue;
        positionOf[s] = int(out.positions.size());
        out.positions.push_back({automaton.states[s].units, {}, false, automaton.states[s].source});
    }
    const UnitSet terminators = lineTerminators();
    const UnitSet textBegin = UnitSet::single(kTextBegin);
    out.positions[ReadGraph::kAnywhere].units =
        multiline ? UnitSet::allCodeUnits().without(terminators) : UnitSet::allCodeUnits();
    out.positions[ReadGraph::kLineStart].units = multiline ? terminators.united(textBegin) : textBegin;

    ClosureFinder finder(automaton, budget);
    auto stepsOf = [&](const Closure& closure, bool afterLineStart, ReadGraph::Position& position) {
        position.accepts = closure.accepts;
        for (const Reach& reach : closure.reaches) {
            if (reach.needsLineStart && !afterLineStart)
                continue;
            position.steps.push_back({positionOf[size_t(reach.read)], reach.ways > 1, reach.repeats});
        }
    };

    out.positions[ReadGraph::kBefore].steps.push_back({ReadGraph::kLineStart, false, {}});
    const Closure fromStart = finder.ofEdges({{automaton.start, -1}});
    for (int around : {ReadGraph::kAnywhere, ReadGraph::kLineStart}) {
        ReadGraph::Position& position = out.positions[size_t(around)];
        position.steps.push_back({ReadGraph::kAnywhere, false, {}});
        if (multiline)
            position.steps.push_back({ReadGraph::kLineStart, false, {}});
        stepsOf(fromStart, around == ReadGraph::kLineStart, position);
    }
    for (size_t s = 0; s < automaton.states.size(); ++s) {
        const int p = positionOf[s];
        if (p < 0)
            continue;
        ReadGraph::Position& position = out.positions[size_t(p)];
        const bool mayEndLine = multiline && !position.units.intersected(terminators).empty();
        stepsOf(finder.ofEdges(automaton.states[s].next), mayEndLine, position);
        if (!budget.spend())
            return false;
    }
    return !budget.exhausted();
}

} // namespace pattaro
