#pragma once

#include "core/redos/budget.h"
#include "core/redos/readgraph.h"

#include <QString>
#include <vector>

namespace pattaro {

// A way for the matcher's work to grow without bound: the text
// prefix + pumps[0]×n + pumps[1]×n + … reaches `loop` by exponentially many
// paths, or by polynomially many of the given degree.
struct Ambiguity {
    enum class Growth { Exponential, Polynomial };
    Growth growth = Growth::Exponential;
    int degree = 0; // for Polynomial: 2 or more
    SourceSpan source;
    QString prefix;
    std::vector<QString> pumps;
};

struct AmbiguityLimits {
    // Pairs and triples of positions the analysis may keep at once.
    qsizetype maxProductStates = 200000;
};

struct AmbiguityResult {
    std::vector<Ambiguity> found;
    // False when a limit stopped the analysis before it could tell.
    bool complete = true;
};

// Looks for a position with two different loops over one text (exponential
// growth) and, failing that, for the longest chain of positions each of
// which loops over a text that also leads to the next, which loops over it
// too (polynomial growth, of the chain's length).
AmbiguityResult findAmbiguity(const ReadGraph& graph, const AmbiguityLimits& limits, AnalysisBudget& budget);

} // namespace pattaro
