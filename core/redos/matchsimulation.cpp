#include "core/redos/matchsimulation.h"

#include <vector>

namespace pattaro {
namespace {

using Kind = Automaton::StateKind;

bool isLineTerminator(Unit u)
{
    return u == 0x0A || u == 0x0D || u == 0x2028 || u == 0x2029;
}

bool isWordUnit(Unit u)
{
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_';
}

struct Around {
    Unit before;
    Unit after;
    bool multiline;
};

bool holds(Kind kind, const Around& at)
{
    switch (kind) {
    case Kind::LineStart: return at.before == kTextBegin || (at.multiline && isLineTerminator(at.before));
    case Kind::LineEnd: return at.after == kTextEnd || (at.multiline && isLineTerminator(at.after));
    case Kind::WordBoundary: return isWordUnit(at.before) != isWordUnit(at.after);
    case Kind::NotWordBoundary: return isWordUnit(at.before) == isWordUnit(at.after);
    default: return true;
    }
}

} // namespace

bool automatonFindsMatch(const Automaton& automaton, bool multiline, QStringView text)
{
    const size_t count = automaton.states.size();
    std::vector<int> current;
    std::vector<int> stack;
    std::vector<qsizetype> seenAt(count, -1);
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const Around at{i == 0 ? kTextBegin : Unit(text[i - 1].unicode()),
                        i == text.size() ? kTextEnd : Unit(text[i].unicode()), multiline};
        stack = current;
        stack.push_back(automaton.start);
        current.clear();
        std::vector<int> readers;
        while (!stack.empty()) {
            const int s = stack.back();
            stack.pop_back();
            if (seenAt[size_t(s)] == i)
                continue;
            seenAt[size_t(s)] = i;
            const Automaton::State& state = automaton.states[size_t(s)];
            if (state.kind == Kind::Accept)
                return true;
            if (state.kind == Kind::Read) {
                readers.push_back(s);
                continue;
            }
            if (!holds(state.kind, at))
                continue;
            for (const Automaton::Edge& edge : state.next)
                stack.push_back(edge.to);
        }
        if (i == text.size())
            break;
        for (int s : readers) {
            const Automaton::State& state = automaton.states[size_t(s)];
            if (!state.units.contains(at.after))
                continue;
            for (const Automaton::Edge& edge : state.next)
                current.push_back(edge.to);
        }
    }
    return false;
}

} // namespace pattaro
