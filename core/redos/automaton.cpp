#include "core/redos/automaton.h"

#include "core/regex/casefold.h"
#include "core/regex/charset.h"

#include <algorithm>

namespace pattaro {

SourceSpan SourceSpan::joined(const SourceSpan& other) const
{
    if (!valid())
        return other;
    if (!other.valid())
        return *this;
    return {std::min(start, other.start), std::max(end, other.end)};
}

namespace {

using Kind = Automaton::StateKind;

CharSet classEscapeSet(char16_t letter)
{
    switch (letter) {
    case u'd': return CharSet::digits();
    case u'D': return CharSet::digits().inverted();
    case u'w': return CharSet::wordChars();
    case u'W': return CharSet::wordChars().inverted();
    case u's': return CharSet::whiteSpace();
    default: return CharSet::whiteSpace().inverted();
    }
}

class Builder {
public:
    Builder(const SyntaxTree& tree, const AutomatonLimits& limits, Automaton& out)
        : m_ignoreCase(tree.flags.ignoreCase), m_limits(limits), m_out(out)
    {
    }

    bool build(const SyntaxNode& root)
    {
        m_out.start = newState(Kind::Pass);
        const int end = sequence(root.children, m_out.start);
        connect(end, newState(Kind::Accept));
        return !m_overflow;
    }

private:
    bool m_ignoreCase;
    const AutomatonLimits& m_limits;
    Automaton& m_out;
    bool m_overflow = false;

    int newState(Kind kind)
    {
        if (int(m_out.states.size()) >= m_limits.maxStates) {
            m_overflow = true;
            return 0;
        }
        m_out.states.push_back({kind, {}, {}, {}});
        return int(m_out.states.size()) - 1;
    }

    void connect(int from, int to, int repeat = -1)
    {
        if (!m_overflow)
            m_out.states[size_t(from)].next.push_back({to, repeat});
    }

    // `units` as written; a class's own come already closed under case.
    int read(int from, CharSet units, const SyntaxEvent& what, bool closedUnderCase = false)
    {
        if (m_ignoreCase && !closedUnderCase)
            units = units.caseClosed();
        const int id = newState(Kind::Read);
        if (m_overflow)
            return from;
        m_out.states[size_t(id)].units = UnitSet::fromCharSet(units);
        m_out.states[size_t(id)].source = {what.start, what.end};
        connect(from, id);
        return id;
    }

    int readUnit(int from, char16_t unit, const SyntaxEvent& what)
    {
        CharSet units;
        units.add(unit);
        return read(from, units, what);
    }

    int sequence(const std::vector<SyntaxNode>& pieces, int from)
    {
        for (const SyntaxNode& piece : pieces) {
            if (m_overflow)
                return from;
            from = node(piece, from);
        }
        return from;
    }

    int assertion(int from, Kind kind)
    {
        const int id = newState(kind);
        connect(from, id);
        return m_overflow ? from : id;
    }

    CharSet classUnits(const SyntaxNode& cls)
    {
        CharSet units;
        for (const SyntaxNode& member : cls.children) {
            const SyntaxEvent& m = member.what;
            if (m.kind == SyntaxKind::ClassRange)
                units.addRange(m.unit, m.last);
            else if (m.kind == SyntaxKind::ClassEscape)
                units.add(classEscapeSet(m.unit));
            else
                units.add(m.unit);
        }
        if (m_ignoreCase)
            units = units.caseClosed();
        return cls.what.negated ? units.inverted() : units;
    }

    int node(const SyntaxNode& n, int from)
    {
        const SyntaxEvent& what = n.what;
        switch (what.kind) {
        case SyntaxKind::Expression:
        case SyntaxKind::Alternative:
        case SyntaxKind::CapturingGroup:
        case SyntaxKind::NamedGroup:
        case SyntaxKind::NonCapturingGroup: return sequence(n.children, from);
        case SyntaxKind::Alternation: {
            const int exit = newState(Kind::Pass);
            for (const SyntaxNode& alternative : n.children)
                connect(sequence(alternative.children, from), exit);
            return m_overflow ? from : exit;
        }
        case SyntaxKind::Text: {
            SyntaxEvent unit = what;
            for (qsizetype i = 0; i < what.name.size(); ++i) {
                unit.start = what.start + i;
                unit.end = unit.start + 1;
                from = readUnit(from, what.name[i].unicode(), unit);
            }
            return from;
        }
        case SyntaxKind::Character: return readUnit(from, what.unit, what);
        case SyntaxKind::ClassEscape: return read(from, classEscapeSet(what.unit), what);
        case SyntaxKind::AnyCharacter: return read(from, CharSet::lineTerminators().inverted(), what);
        case SyntaxKind::Class: return read(from, classUnits(n), what, true);
        case SyntaxKind::ClassRange: {
            CharSet units;
            units.addRange(what.unit, what.last);
            return read(from, units, what);
        }
        case SyntaxKind::LineStart: return assertion(from, Kind::LineStart);
        case SyntaxKind::LineEnd: return assertion(from, Kind::LineEnd);
        case SyntaxKind::WordBoundary: return assertion(from, Kind::WordBoundary);
        case SyntaxKind::NotWordBoundary: return assertion(from, Kind::NotWordBoundary);
        case SyntaxKind::Lookahead:
        case SyntaxKind::NegativeLookahead:
        case SyntaxKind::Lookbehind:
        case SyntaxKind::NegativeLookbehind: m_out.approximate = true; return from;
        case SyntaxKind::Backreference:
        case SyntaxKind::NamedBackreference: return anyText(from, what);
        case SyntaxKind::Quantifier: return quantified(n, from);
        }
        return from;
    }

    // What a back-reference can match, loosely: any text at all.
    int anyText(int from, const SyntaxEvent& what)
    {
        m_out.approximate = true;
        const int loop = newState(Kind::Pass);
        connect(from, loop);
        CharSet all;
        all.addRange(0, 0xFFFF);
        const int unit = read(loop, all, what);
        const int repeat = int(m_out.repeats.size());
        m_out.repeats.push_back({what.start, what.end});
        connect(unit, loop, repeat);
        const int exit = newState(Kind::Pass);
        connect(loop, exit);
        return m_overflow ? from : exit;
    }

    int quantified(const SyntaxNode& n, int from)
    {
        const SyntaxEvent& what = n.what;
        const SyntaxNode& body = n.children.front();
        qint64 least = what.least;
        if (least > m_limits.maxUnrolled) {
            m_out.approximate = true;
            least = m_limits.maxUnrolled;
        }
        const bool unbounded = what.most < 0 || what.most - what.least > m_limits.maxUnrolled;
        if (what.most >= 0 && unbounded)
            m_out.approximate = true;
        for (qint64 i = 0; i < least && !m_overflow; ++i)
            from = node(body, from);
        if (unbounded) {
            const int loop = newState(Kind::Pass);
            connect(from, loop);
            const int repeat = int(m_out.repeats.size());
            m_out.repeats.push_back({what.start, what.end});
            connect(node(body, loop), loop, repeat);
            const int exit = newState(Kind::Pass);
            connect(loop, exit);
            return m_overflow ? from : exit;
        }
        const int exit = newState(Kind::Pass);
        for (qint64 i = least; i < what.most && !m_overflow; ++i) {
            connect(from, exit);
            from = node(body, from);
        }
        connect(from, exit);
        return m_overflow ? from : exit;
    }
};

} // namespace

std::optional<UnitSet> unitsOfPiece(const SyntaxNode& piece, bool ignoreCase)
{
    switch (piece.what.kind) {
    case SyntaxKind::Character:
    case SyntaxKind::ClassEscape:
    case SyntaxKind::AnyCharacter:
    case SyntaxKind::Class: break;
    default: return std::nullopt;
    }
    SyntaxTree tree;
    tree.flags.ignoreCase = ignoreCase;
    tree.root.what.kind = SyntaxKind::Expression;
    tree.root.children.push_back(piece);
    Automaton automaton;
    buildAutomaton(tree, {}, automaton);
    for (const Automaton::State& state : automaton.states) {
        if (state.kind == Automaton::StateKind::Read)
            return state.units;
    }
    return std::nullopt;
}

bool buildAutomaton(const SyntaxTree& tree, const AutomatonLimits& limits, Automaton& out)
{
    out = {};
    return Builder(tree, limits, out).build(tree.root);
}

} // namespace pattaro
