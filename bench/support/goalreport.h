#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace pattaro::bench {

// A measured figure with a goal, and what it took before the work on it.
// Both times are kept: on a shared machine the wall clock runs ahead of the
// CPU time the program itself spent.
struct Goal {
    std::string benchmark; // the full name google-benchmark prints
    std::string what;
    double goalMs;
    double beforeRealMs;
    double beforeCpuMs;
};

// Prints as usual, then a table of each goal's figure beside its earlier one.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    explicit GoalReporter(std::vector<Goal> goals);
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // Real time of each benchmark run so far, in its own unit.
    std::map<std::string, double> realTime;

private:
    struct Figure {
        double realMs;
        double cpuMs;
    };
    std::vector<Goal> m_goals;
    std::map<std::string, Figure> m_figures;
};

} // namespace pattaro::bench
