#include "bench/support/goalreport.h"

#include <cstdio>

namespace pattaro::bench {

GoalReporter::GoalReporter(std::vector<Goal> goals)
    : m_goals(std::move(goals))
{
}

void GoalReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        const std::string name = run.benchmark_name();
        realTime[name] = run.GetAdjustedRealTime();
        const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        m_figures[name] = {run.GetAdjustedRealTime() * toMs, run.GetAdjustedCPUTime() * toMs};
    }
    ConsoleReporter::ReportRuns(runs);
}

void GoalReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-48s %9s %19s %19s\n", "goal", "goal ms", "before real / cpu", "now real / cpu");
    for (const Goal& goal : m_goals) {
        const auto it = m_figures.find(goal.benchmark);
        if (it == m_figures.end())
            continue;
        const Figure& now = it->second;
        std::printf("%-48s %9.0f %9.1f / %7.1f %9.1f / %7.1f  %s\n", goal.what.c_str(), goal.goalMs,
                    goal.beforeRealMs, goal.beforeCpuMs, now.realMs, now.cpuMs,
                    now.cpuMs <= goal.goalMs ? "met" : "missed");
    }
    std::printf("(met or missed by CPU time: on a shared machine the wall clock also counts other programs)\n");
    std::fflush(stdout);
}

} // namespace pattaro::bench
