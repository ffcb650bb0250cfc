#pragma once

#include "core/redos/automaton.h"
#include "core/redos/budget.h"

#include <vector>

namespace pattaro {

// The automaton without its moves that read nothing: one position per unit
// the expression reads, each stepping straight to the positions that can
// read next. A step the automaton can take by two different ways (through
// two repeats, say) says so: a backtracking matcher tries both.
//
// Three positions come first and stand for the search around the
// expression: Before, where the text is not yet read; Anywhere, any unit
// read before a match starts; and LineStart, the text's start or a line
// break read before a match starts, after which ^ holds. A search tries the
// expression from every position, so these two loop on every unit.
struct ReadGraph {
    struct Step {
        int to = 0;
        bool twoWays = false;
        // The repeats the step goes back through.
        SourceSpan repeats;
    };
    struct Position {
        UnitSet units;
        std::vector<Step> steps;
        // A match is found on reaching it, whatever follows.
        bool accepts = false;
        SourceSpan source;
    };
    static constexpr int kBefore = 0;
    static constexpr int kAnywhere = 1;
    static constexpr int kLineStart = 2;
    std::vector<Position> positions;
};

// False when the budget ran out first.
bool buildReadGraph(const Automaton& automaton, bool multiline, AnalysisBudget& budget, ReadGraph& out);

} // namespace pattaro
