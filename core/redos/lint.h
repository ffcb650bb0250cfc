#pragma once

#include "core/explain/syntaxtree.h"
#include "core/redos/ambiguity.h"
#include "core/redos/budget.h"
#include "core/regex/regexerror.h"

#include <QString>
#include <chrono>
#include <optional>
#include <vector>

namespace pattaro {

// How far one lint may go: the analysis is bounded in time (on the given
// clock) and in work; each measured search in steps.
struct LintLimits {
    std::chrono::milliseconds analysisTime{100};
    std::int64_t analysisWork = 40'000'000;
    AnalysisBudget::Clock clock = nullptr; // none: the engine's monotonic clock
    // Steps one measured search may take before it is stopped.
    std::int64_t stepCap = 20'000;
    // Steps the long attack text is made to cost: enough that a backtracking
    // matcher without a time limit (JavaScript's) runs for well over a second.
    // Its steps are dearer where they backtrack into nested repeats.
    double polynomialAttackSteps = 1e9;
    double exponentialAttackSteps = 3e8;
    // The longest long attack text, in code units.
    qsizetype longestAttack = 1'000'000;
};

// A part of the expression whose matching time grows without bound.
struct LintFinding {
    Ambiguity predicted;
    QString suffix;
    // Measured on the attack text by the engine's step count.
    bool verified = false;
    Ambiguity::Growth measuredGrowth = Ambiguity::Growth::Polynomial;
    double measuredRate = 0; // per pump when exponential, the degree when polynomial
    // The repeats the measurement reached, and the steps there.
    int measuredRepeats = 0;
    std::int64_t measuredSteps = 0;
    // How many repeats make the long attack text.
    int attackRepeats = 0;
    std::optional<QString> rewrite;

    QString attackText(int repeats) const;
};

struct LintReport {
    enum class Verdict {
        Safe,       // no finding verified, the analysis complete
        Vulnerable, // at least one verified finding
        Undecided,  // no finding verified, and the analysis stopped at a limit
        Invalid,    // the engine refuses the expression
    };
    Verdict verdict = Verdict::Safe;
    std::vector<LintFinding> findings;
    std::optional<RegexError> error;
    // Look-arounds, back-references or large counts were read loosely.
    bool approximate = false;
};

LintReport lintExpression(const QString& source, ExpressionFlags flags, const LintLimits& limits = {});

} // namespace pattaro
