// The whole pattaro-cli process against node doing the same replaces: the
// same 10M-code-unit file of words, each pattern with the replacement <$&>,
// the result written to a file. Prints the median wall times, their ratio
// for each pattern and the ratios' geometric mean. Another pattaro-cli may
// be named as the first argument, to compare builds.
#include <QByteArray>
#include <QTemporaryDir>
#include "bench/support/benchtexts.h"
#include "bench/support/nodeside.h"
#include "bench/support/processruns.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using namespace pattaro::bench;

namespace {

constexpr int kRuns = 5;

QByteArray input() { return pattaro::bench::wordText().toUtf8(); }

struct Case {
    const char* pattern;
    bool ignoreCase;
};

const Case kCases[] = {
    {R"(\d+)", false},
    {R"((.)\1)", false},
    {R"(\w+@\w+\.\w+)", false},
    {R"([\u4e00-\u9fa5]+)", false},
    {"brown", true},
    {"jumps", false},
};

const char* const kNodeScript = R"js(
const fs = require('fs');
const [input, output, pattern, flags] = process.argv.slice(2);
const text = fs.readFileSync(input, 'utf8');
fs.writeFileSync(output, text.replace(new RegExp(pattern, flags), '<$&>'));
)js";

} // namespace

int main(int argc, char** argv)
{
    const std::string cli = argc > 1 ? argv[1] : PATTARO_CLI_PATH;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const std::string in = dir.filePath("in.txt").toStdString();
    const std::string script = dir.filePath("replace.js").toStdString();
    const std::string cliOut = dir.filePath("cli.txt").toStdString();
    const std::string nodeOut = dir.filePath("node.txt").toStdString();
    if (!writeFile(in, input()) || !writeFile(script, kNodeScript))
        return 1;

    const QString nodePath = pattaro::bench::nodePath();
    std::printf("replace with <$&> in %lld code units of words; median (min) of %d runs\n",
                static_cast<long long>(pattaro::bench::wordText().size()), kRuns);
    std::printf("%-20s %20s %20s %7s\n", "pattern", "pattaro-cli ms", "node ms", "ratio");
    double logSum = 0;
    for (const Case& c : kCases) {
        std::vector<std::string> cliArgs{cli};
        if (c.ignoreCase)
            cliArgs.push_back("-i");
        cliArgs.insert(cliArgs.end(), {"-f", in, "replace", c.pattern, "<$&>"});
        const std::vector<std::string> nodeArgs{nodePath.toStdString(), script, in, nodeOut, c.pattern,
                                                c.ignoreCase ? "gmi" : "gm"};
        // Taken in turns, so that a busy spell of the machine falls on both.
        std::vector<double> cliTimes, nodeTimes;
        for (int i = 0; i < kRuns; ++i) {
            cliTimes.push_back(runOnce(cliArgs, cliOut));
            if (!nodePath.isEmpty())
                nodeTimes.push_back(runOnce(nodeArgs, nodeOut));
        }
        const Timing ours = summarize(cliTimes);
        if (ours.median < 0) {
            std::printf("pattaro-cli failed: %s\n", cli.c_str());
            return 1;
        }
        std::printf("%-20s %11.1f (%6.1f)", c.pattern, ours.median, ours.min);
        if (nodePath.isEmpty()) {
            std::printf(" %20s\n", "-");
            continue;
        }
        const Timing node = summarize(nodeTimes);
        if (node.median < 0) {
            std::printf("\nnode failed\n");
            return 1;
        }
        std::printf(" %11.1f (%6.1f) %7.2f\n", node.median, node.min, node.median / ours.median);
        std::fflush(stdout);
        logSum += std::log(node.median / ours.median);
        if (contents(cliOut) != contents(nodeOut)) {
            std::printf("the two results differ\n");
            return 1;
        }
    }
    if (nodePath.isEmpty())
        std::printf("node not found; its side is skipped\n");
    else
        std::printf("geometric mean of node / pattaro-cli: %.2f (goal: at least 4)\n",
                    std::exp(logSum / double(std::size(kCases))));
    return 0;
}
