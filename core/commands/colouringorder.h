#pragma once

#include "core/commands/highlightplan.h"

#include <vector>

namespace pattaro {

// One piece of colouring a pane bit by bit: first the characters of
// [resetFrom, resetTo) lose their colour, then the matches numbered
// [firstMatch, lastMatch) of the plan take theirs.
struct ColouringStep {
    qsizetype resetFrom = 0;
    qsizetype resetTo = 0;
    qsizetype firstMatch = 0;
    qsizetype lastMatch = 0;

    friend bool operator==(const ColouringStep&, const ColouringStep&) = default;
};

struct ColouringLimits {
    // Characters one step may uncolour, and matches it may colour, so that
    // no step keeps the window from answering.
    qsizetype unitsPerStep = qsizetype(1) << 20;
    qsizetype matchesPerStep = 4096;
};

// The steps that leave a text of textSize units coloured as a whole-text
// uncolouring followed by the plan would, with what [viewFrom, viewTo)
// shows done in the first step, then the rest after it, then the rest before
// it. No step uncolours a match an earlier step coloured.
std::vector<ColouringStep> ColouringOrder(const std::vector<HighlightRange>& plan, qsizetype textSize,
                                          qsizetype viewFrom, qsizetype viewTo, ColouringLimits limits = {});

} // namespace pattaro
