#pragma once

#include <QByteArray>
#include <string>
#include <vector>

namespace pattaro::bench {

// Wall time in milliseconds of one run of argv[0] (a path) with its standard
// output written to outPath; negative when it could not run or failed. A
// tool that says "nothing found" by its exit status names that status.
// *cpuMs, when given, gets the processor time the run took, user and
// system: on a shared machine it varies less than wall time does.
double runOnce(const std::vector<std::string>& argv, const std::string& outPath, int noMatchStatus = 0,
               double* cpuMs = nullptr);

struct Timing {
    double median = -1;
    double min = -1;
};

// The median and least of some runs' times; both negative when any failed.
Timing summarize(std::vector<double> times);

// A file's contents; empty when it cannot be read.
QByteArray contents(const std::string& path);
// Writes a file whole; false when it cannot.
bool writeFile(const std::string& path, const QByteArray& bytes);

} // namespace pattaro::bench
