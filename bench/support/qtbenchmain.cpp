#include "bench/support/qtbenchmain.h"

#include <QApplication>
#include <QTemporaryDir>

namespace pattaro::bench {

int runQtBenchmarks(int argc, char** argv, benchmark::BenchmarkReporter* reporter)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows measured start from the design, whatever the user has set.
    QTemporaryDir config;
    if (config.isValid())
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks(reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace pattaro::bench
