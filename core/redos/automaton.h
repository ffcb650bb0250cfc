#pragma once

#include "core/explain/syntaxtree.h"
#include "core/redos/unitset.h"

#include <QtGlobal>
#include <optional>
#include <vector>

namespace pattaro {

// A part of the expression, as offsets into its source.
struct SourceSpan {
    qsizetype start = -1;
    qsizetype end = -1;
    bool valid() const { return start >= 0; }
    // The smallest span holding both.
    SourceSpan joined(const SourceSpan& other) const;
};

// The backtracking matcher's automaton in Thompson's form: each state either
// reads one unit of its set or moves on without reading, and a repeat is a
// state the matcher returns to, by an edge that names the repeat.
struct Automaton {
    enum class StateKind : std::uint8_t { Read, Pass, LineStart, LineEnd, WordBoundary, NotWordBoundary, Accept };
    struct Edge {
        int to = 0;
        int repeat = -1; // the repeat this edge goes back to the start of, or -1
    };
    struct State {
        StateKind kind = StateKind::Pass;
        UnitSet units;            // for Read
        std::vector<Edge> next;   // taken after reading, or at once
        SourceSpan source;        // for Read: the piece of the expression
    };
    std::vector<State> states;
    int start = 0;
    // By repeat: the quantified piece with its quantifier.
    std::vector<SourceSpan> repeats;
    // Where the automaton stands in for the expression loosely: look-arounds
    // read as always holding, back-references as any text, and counts too
    // large to unroll as no bound.
    bool approximate = false;
};

struct AutomatonLimits {
    int maxStates = 20000;
    // Counted repeats are unrolled up to this many copies of their piece;
    // past it, a bound reads as none.
    qint64 maxUnrolled = 16;
};

// The automaton of an expression the translator accepted (tree.error is
// empty). Returns false when it would need more states than the limits allow.
bool buildAutomaton(const SyntaxTree& tree, const AutomatonLimits& limits, Automaton& out);

} // namespace pattaro

namespace pattaro {

// The units one piece reads when it reads exactly one (a character, a class,
// a class escape, the dot); none for any other piece.
std::optional<UnitSet> unitsOfPiece(const SyntaxNode& piece, bool ignoreCase);

} // namespace pattaro
