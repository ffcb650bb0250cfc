#pragma once

#include <benchmark/benchmark.h>

namespace pattaro::bench {

// Runs the registered benchmarks inside a QApplication (offscreen unless a
// platform is chosen), since several of them drive real widgets.
int runQtBenchmarks(int argc, char** argv, benchmark::BenchmarkReporter* reporter = nullptr);

} // namespace pattaro::bench

#define PATTARO_BENCHMARK_MAIN()                                                                   \
    int main(int argc, char** argv) { return pattaro::bench::runQtBenchmarks(argc, argv); }
