#include "core/redos/ambiguity.h"

#include <algorithm>
#include <bit>
#include <deque>
#include <initializer_list>
#include <optional>
#include <unordered_map>

namespace pattaro {
namespace {

// The code units cut into runs that no position's set splits, so that
// whether positions can read a unit in common is a matter of bits.
class Alphabet {
public:
    explicit Alphabet(const ReadGraph& graph)
    {
        std::vector<Unit> cuts{0, kLastCodeUnit + 1};
        for (const ReadGraph::Position& position : graph.positions) {
            for (const auto& [first, last] : position.units.runs()) {
                if (first <= kLastCodeUnit)
                    cuts.push_back(first);
                if (last < kLastCodeUnit)
                    cuts.push_back(last + 1);
            }
        }
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        for (size_t i = 0; i + 1 < cuts.size(); ++i) {
            const Unit member = readableMember(UnitSet::range(cuts[i], cuts[i + 1] - 1));
            m_members.push_back(member);
            m_readable.push_back(member >= 0x20 && member < 0x7F);
        }
        m_words = (m_members.size() + 63) / 64;
        for (const ReadGraph::Position& position : graph.positions) {
            std::vector<std::uint64_t> bits(m_words, 0);
            for (size_t atom = 0; atom < m_members.size(); ++atom) {
                if (position.units.contains(cuts[atom]))
                    bits[atom / 64] |= std::uint64_t(1) << (atom % 64);
            }
            m_bits.push_back(std::move(bits));
        }
    }

    // A unit all the positions can read, a readable one where there is one.
    std::optional<Unit> common(std::initializer_list<int> positions) const
    {
        std::optional<Unit> found;
        for (size_t w = 0; w < m_words; ++w) {
            std::uint64_t shared = ~std::uint64_t(0);
            for (int p : positions)
                shared &= m_bits[size_t(p)][w];
            for (; shared != 0; shared &= shared - 1) {
                const size_t atom = w * 64 + size_t(std::countr_zero(shared));
                if (m_readable[atom])
                    return m_members[atom];
                if (!found)
                    found = m_members[atom];
            }
        }
        return found;
    }

private:
    std::vector<Unit> m_members;
    std::vector<bool> m_readable;
    size_t m_words = 0;
    std::vector<std::vector<std::uint64_t>> m_bits;
};

// Strongly connected components (Tarjan's, without recursion): each node's
// component, numbered so that a component reachable from another has a
// smaller number.
std::vector<int> components(const std::vector<std::vector<int>>& edges, int& count)
{
    const int n = int(edges.size());
    std::vector<int> index(size_t(n), -1), low(size_t(n), 0), component(size_t(n), -1);
    std::vector<int> stack;
    std::vector<bool> onStack(size_t(n), false);
    std::vector<std::pair<int, size_t>> work;
    int next = 0;
    count = 0;
    for (int root = 0; root < n; ++root) {
        if (index[size_t(root)] >= 0)
            continue;
        work.emplace_back(root, 0);
        while (!work.empty()) {
            auto& [v, i] = work.back();
            const size_t vs = size_t(v);
            if (i == 0 && index[vs] < 0) {
                index[vs] = low[vs] = next++;
                stack.push_back(v);
                onStack[vs] = true;
            }
            if (i < edges[vs].size()) {
                const int w = edges[vs][i++];
                if (index[size_t(w)] < 0)
                    work.emplace_back(w, 0);
                else if (onStack[size_t(w)])
                    low[vs] = std::min(low[vs], index[size_t(w)]);
                continue;
            }
            if (low[vs] == index[vs]) {
                int w;
                do {
                    w = stack.back();
                    stack.pop_back();
                    onStack[size_t(w)] = false;
                    component[size_t(w)] = count;
                } while (w != v);
                ++count;
            }
            const int done = v;
            work.pop_back();
            if (!work.empty()) {
                const size_t parent = size_t(work.back().first);
                low[parent] = std::min(low[parent], low[size_t(done)]);
            }
        }
    }
    return component;
}

QString unitText(Unit unit)
{
    return QString(QChar(char16_t(unit)));
}

class Analysis {
public:
    Analysis(const ReadGraph& graph, const AmbiguityLimits& limits, AnalysisBudget& budget)
        : m_graph(graph), m_limits(limits), m_budget(budget), m_alphabet(graph),
          m_count(int(graph.positions.size()))
    {
    }

    AmbiguityResult run()
    {
        findExponential();
        if (m_result.found.empty() && !m_budget.exhausted())
            findPolynomial();
        if (m_budget.exhausted())
            m_result.complete = false;
        return m_result;
    }

private:
    const ReadGraph& m_graph;
    const AmbiguityLimits& m_limits;
    AnalysisBudget& m_budget;
    Alphabet m_alphabet;
    int m_count;
    AmbiguityResult m_result;
    // Pairs of positions that loop together over some text, by
    // first * count + second, once the pairs have all been explored: a
    // chain's link needs its two ends to.
    std::unordered_map<std::int64_t, bool> m_pairLoops;
    bool m_pairsExplored = false;

    const std::vector<ReadGraph::Step>& steps(int p) const { return m_graph.positions[size_t(p)].steps; }

    // The shortest text from before the text to `target`.
    QString prefixTo(int target)
    {
        std::vector<int> parent(size_t(m_count), -1);
        std::vector<std::optional<Unit>> unit(static_cast<size_t>(m_count));
        std::deque<int> queue{ReadGraph::kBefore};
        parent[ReadGraph::kBefore] = ReadGraph::kBefore;
        while (!queue.empty() && parent[size_t(target)] < 0) {
            const int p = queue.front();
            queue.pop_front();
            for (const ReadGraph::Step& step : steps(p)) {
                if (parent[size_t(step.to)] >= 0)
                    continue;
                // The first step reads the mark before the text, which is no unit of it.
                const std::optional<Unit> u = m_alphabet.common({step.to});
                if (!u && p != ReadGraph::kBefore)
                    continue;
                parent[size_t(step.to)] = p;
                unit[size_t(step.to)] = p == ReadGraph::kBefore ? std::nullopt : u;
                queue.push_back(step.to);
            }
        }
        QString text;
        if (parent[size_t(target)] < 0)
            return text;
        for (int p = target; p != ReadGraph::kBefore; p = parent[size_t(p)]) {
            if (unit[size_t(p)])
                text.prepend(unitText(*unit[size_t(p)]));
        }
        return text;
    }

    // --- Two loops on one position: pairs of positions read in step. -----

    struct PairEdge {
        int to;
        bool divergent;
        Unit unit;
        SourceSpan repeats;
    };

    void findExponential()
    {
        std::vector<std::pair<int, int>> nodes;
        std::unordered_map<std::int64_t, int> ids;
        std::vector<std::vector<PairEdge>> edges;
        auto idOf = [&](int a, int b) {
            const std::int64_t key = std::int64_t(a) * m_count + b;
            const auto [it, fresh] = ids.emplace(key, int(nodes.size()));
            if (fresh) {
                nodes.emplace_back(a, b);
                edges.emplace_back();
            }
            return it->second;
        };
        for (int p = 1; p < m_count; ++p)
            idOf(p, p);
        for (size_t n = 0; n < nodes.size(); ++n) {
            if (qsizetype(nodes.size()) > m_limits.maxProductStates) {
                m_result.complete = false;
                return;
            }
            const auto [a, b] = nodes[n];
            const auto& stepsA = steps(a);
            const auto& stepsB = steps(b);
            for (size_t i = 0; i < stepsA.size(); ++i) {
                for (size_t j = 0; j < stepsB.size(); ++j) {
                    if (!m_budget.spend())
                        return;
                    const ReadGraph::Step& sa = stepsA[i];
                    const ReadGraph::Step& sb = stepsB[j];
                    const std::optional<Unit> u = m_alphabet.common({sa.to, sb.to});
                    if (!u)
                        continue;
                    const bool divergent = a == b && i == j && sa.twoWays;
                    const int to = idOf(sa.to, sb.to);
                    edges[n].push_back({to, divergent, *u, sa.repeats.joined(sb.repeats)});
                }
            }
        }
        std::vector<std::vector<int>> plain(edges.size());
        for (size_t n = 0; n < edges.size(); ++n)
            for (const PairEdge& e : edges[n])
                plain[n].push_back(e.to);
        int count = 0;
        const std::vector<int> component = components(plain, count);
        std::vector<int> componentSize(size_t(count), 0);
        for (int c : component)
            ++componentSize[size_t(c)];
        for (size_t n = 0; n < nodes.size(); ++n) {
            bool loops = componentSize[size_t(component[n])] > 1;
            for (const PairEdge& e : edges[n])
                loops = loops || e.to == int(n);
            m_pairLoops[std::int64_t(nodes[n].first) * m_count + nodes[n].second] = loops;
        }
        m_pairsExplored = !m_budget.exhausted();
        std::vector<bool> reported(size_t(count), false);
        for (size_t n = 0; n < nodes.size() && m_result.found.size() < 3; ++n) {
            const auto [a, b] = nodes[n];
            if (a != b || reported[size_t(component[n])])
                continue;
            std::optional<Ambiguity> found = twoLoops(int(n), nodes, edges, component);
            reported[size_t(component[n])] = true;
            if (!found)
                continue;
            const bool known = std::any_of(m_result.found.begin(), m_result.found.end(), [&](const Ambiguity& f) {
                return f.source.start == found->source.start && f.source.end == found->source.end;
            });
            if (!known)
                m_result.found.push_back(std::move(*found));
        }
    }

    // The shortest walk from the diagonal pair `start` back to it that parts
    // the two paths somewhere, within its component.
    std::optional<Ambiguity> twoLoops(int start, const std::vector<std::pair<int, int>>& nodes,
                                      const std::vector<std::vector<PairEdge>>& edges,
                                      const std::vector<int>& component)
    {
        const int home = component[size_t(start)];
        // States are (node, parted) as node * 2 + parted.
        std::unordered_map<int, std::pair<int, const PairEdge*>> parent;
        std::deque<int> queue{start * 2};
        parent[start * 2] = {-1, nullptr};
        int end = -1;
        while (!queue.empty() && end < 0) {
            const int state = queue.front();
            queue.pop_front();
            const int node = state / 2;
            const bool parted = state % 2 != 0;
            for (const PairEdge& e : edges[size_t(node)]) {
                if (!m_budget.spend())
                    return std::nullopt;
                if (component[size_t(e.to)] != home)
                    continue;
                const bool nowParted = parted || e.divergent || nodes[size_t(e.to)].first != nodes[size_t(e.to)].second;
                const int next = e.to * 2 + (nowParted ? 1 : 0);
                if (parent.count(next))
                    continue;
                parent[next] = {state, &e};
                if (next == start * 2 + 1) {
                    end = next;
                    break;
                }
                queue.push_back(next);
            }
        }
        if (end < 0)
            return std::nullopt;
        Ambiguity found;
        found.growth = Ambiguity::Growth::Exponential;
        QString pump;
        for (int state = end; parent[state].first >= 0; state = parent[state].first) {
            const PairEdge* e = parent[state].second;
            pump.prepend(unitText(e->unit));
            found.source = found.source.joined(e->repeats);
        }
        const int loop = nodes[size_t(start)].first;
        if (!found.source.valid())
            found.source = m_graph.positions[size_t(loop)].source;
        found.prefix = prefixTo(loop);
        found.pumps.push_back(pump);
        return found;
    }

    // --- Chains of loops: triples of positions read in step. --------------

    struct ChainLink {
        QString word;
        SourceSpan repeats;
    };

    void findPolynomial()
    {
        std::vector<std::vector<int>> plain(static_cast<size_t>(m_count));
        for (int p = 1; p < m_count; ++p)
            for (const ReadGraph::Step& s : steps(p))
                plain[size_t(p)].push_back(s.to);
        int count = 0;
        const std::vector<int> component = components(plain, count);
        std::vector<int> size(size_t(count), 0);
        for (int p = 1; p < m_count; ++p)
            ++size[size_t(component[size_t(p)])];
        std::vector<int> loops;
        for (int p = 1; p < m_count; ++p) {
            const bool selfLoop = std::any_of(steps(p).begin(), steps(p).end(),
                                              [&](const ReadGraph::Step& s) { return s.to == p; });
            if (selfLoop || size[size_t(component[size_t(p)])] > 1)
                loops.push_back(p);
        }
        // Reachable first: a higher component number comes earlier.
        std::stable_sort(loops.begin(), loops.end(),
                         [&](int x, int y) { return component[size_t(x)] > component[size_t(y)]; });
        std::vector<std::vector<bool>> reaches;
        for (int p : loops) {
            std::vector<bool> seen(size_t(m_count), false);
            std::deque<int> queue{p};
            seen[size_t(p)] = true;
            while (!queue.empty()) {
                const int x = queue.front();
                queue.pop_front();
                for (int y : plain[size_t(x)]) {
                    if (!seen[size_t(y)]) {
                        seen[size_t(y)] = true;
                        queue.push_back(y);
                    }
                }
                if (!m_budget.spend())
                    return;
            }
            reaches.push_back(std::move(seen));
        }
        // By position: the loops it can reach, for keeping the middle path
        // of a triple on its way.
        std::vector<std::vector<int>> backward(static_cast<size_t>(m_count));
        for (int p = 1; p < m_count; ++p)
            for (int to : plain[size_t(p)])
                backward[size_t(to)].push_back(p);
        std::vector<int> best(loops.size(), 1), previous(loops.size(), -1);
        std::vector<ChainLink> link(loops.size());
        for (size_t qi = 0; qi < loops.size(); ++qi) {
            const int q = loops[qi];
            std::vector<bool> reachesQ(static_cast<size_t>(m_count), false);
            std::deque<int> queue{q};
            reachesQ[size_t(q)] = true;
            while (!queue.empty()) {
                const int x = queue.front();
                queue.pop_front();
                for (int y : backward[size_t(x)]) {
                    if (!reachesQ[size_t(y)]) {
                        reachesQ[size_t(y)] = true;
                        queue.push_back(y);
                    }
                }
                if (!m_budget.spend())
                    return;
            }
            for (size_t pi = 0; pi < qi; ++pi) {
                const int p = loops[pi];
                if (component[size_t(p)] == component[size_t(q)] || !reaches[pi][size_t(q)]
                    || best[pi] + 1 <= best[qi] || !mayLoopTogether(p, q))
                    continue;
                std::optional<ChainLink> found = pumpBetween(p, q, component, reachesQ);
                if (m_budget.exhausted())
                    return;
                if (!found)
                    continue;
                best[qi] = best[pi] + 1;
                previous[qi] = int(pi);
                link[qi] = std::move(*found);
            }
        }
        const auto top = std::max_element(best.begin(), best.end());
        if (top == best.end() || *top < 2)
            return;
        Ambiguity found;
        found.growth = Ambiguity::Growth::Polynomial;
        found.degree = *top;
        int at = int(top - best.begin());
        std::vector<QString> words;
        while (previous[size_t(at)] >= 0) {
            words.insert(words.begin(), link[size_t(at)].word);
            found.source = found.source.joined(link[size_t(at)].repeats);
            at = previous[size_t(at)];
        }
        for (const QString& word : words) {
            if (found.pumps.empty() || found.pumps.back() != word)
                found.pumps.push_back(word);
        }
        found.prefix = prefixTo(loops[size_t(at)]);
        m_result.found.push_back(std::move(found));
    }

    bool mayLoopTogether(int p, int q) const
    {
        if (!m_pairsExplored)
            return true;
        const auto it = m_pairLoops.find(std::int64_t(p) * m_count + q);
        return it != m_pairLoops.end() && it->second;
    }

    // A text w with p →w p, p →w q and q →w q, found by walking the three
    // paths in step from (p, p, q) to (p, q, q).
    std::optional<ChainLink> pumpBetween(int p, int q, const std::vector<int>& component,
                                         const std::vector<bool>& reachesQ)
    {
        const std::int64_t n = m_count;
        auto key = [n](int a, int b, int c) { return (std::int64_t(a) * n + b) * n + c; };
        struct Parent {
            std::int64_t from;
            Unit unit;
            SourceSpan repeats;
        };
        std::unordered_map<std::int64_t, Parent> parent;
        const std::int64_t start = key(p, p, q);
        const std::int64_t goal = key(p, q, q);
        std::deque<std::int64_t> queue{start};
        parent[start] = {-1, 0, {}};
        bool reached = false;
        while (!queue.empty() && !reached) {
            const std::int64_t k = queue.front();
            queue.pop_front();
            const int a = int(k / (n * n));
            const int b = int(k / n % n);
            const int c = int(k % n);
            for (const ReadGraph::Step& sa : steps(a)) {
                if (component[size_t(sa.to)] != component[size_t(p)])
                    continue;
                for (const ReadGraph::Step& sc : steps(c)) {
                    if (component[size_t(sc.to)] != component[size_t(q)])
                        continue;
                    for (const ReadGraph::Step& sb : steps(b)) {
                        if (!m_budget.spend())
                            return std::nullopt;
                        if (!reachesQ[size_t(sb.to)])
                            continue;
                        const std::optional<Unit> u = m_alphabet.common({sa.to, sb.to, sc.to});
                        if (!u)
                            continue;
                        const std::int64_t next = key(sa.to, sb.to, sc.to);
                        if (parent.count(next))
                            continue;
                        parent[next] = {k, *u, sa.repeats.joined(sc.repeats)};
                        if (next == goal) {
                            reached = true;
                            break;
                        }
                        if (qsizetype(parent.size()) > m_limits.maxProductStates) {
                            m_result.complete = false;
                            return std::nullopt;
                        }
                        queue.push_back(next);
                    }
                    if (reached)
                        break;
                }
                if (reached)
                    break;
            }
        }
        if (!reached)
            return std::nullopt;
        ChainLink found;
        for (std::int64_t k = goal; parent[k].from >= 0; k = parent[k].from) {
            found.word.prepend(unitText(parent[k].unit));
            found.repeats = found.repeats.joined(parent[k].repeats);
        }
        return found;
    }
};

} // namespace

AmbiguityResult findAmbiguity(const ReadGraph& graph, const AmbiguityLimits& limits, AnalysisBudget& budget)
{
    return Analysis(graph, limits, budget).run();
}

} // namespace pattaro
