// The whole pattaro-cli process against ripgrep and node counting the
// matches of the same patterns in one 10M-code-unit file of mixed lines.
// Prints the median wall times, the ratios rg / pattaro-cli and
// node / pattaro-cli for each pattern and their geometric means, then the
// same against rg by median processor time, which a busy machine disturbs
// less; rg or node is skipped where the machine has none. The counts must agree. Another
// pattaro-cli may be named as the first argument, to compare builds.
#include "bench/support/benchtexts.h"
#include "bench/support/nodeside.h"
#include "bench/support/processruns.h"

#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using namespace pattaro::bench;

namespace {

constexpr int kRuns = 5;

// One pattern as this program's dialect writes it and as ripgrep's does
// where the two spell it differently: ripgrep's \w and \d take in letters
// and digits beyond ASCII unless told otherwise.
struct Case {
    const char* pattern;
    bool ignoreCase;
    const char* rgPattern = nullptr;
};

const Case kCases[] = {
    {"bookkeeper", false},
    {"mountain", true},
    {"fox|dog|river", false},
    {R"(\d+)", false, R"((?-u:\d+))"},
    {R"([\u4e00-\u9fa5]+)", false, R"([\x{4e00}-\x{9fa5}]+)"},
    {"北京", false},
    {R"(\w+@\w+\.\w+)", false, R"((?-u:\w+@\w+\.\w+))"},
    {R"(\w+@)", false, R"((?-u:\w+@))"},
    {R"(https?://[\w./?=-]+)", false, R"((?-u:https?://[\w./?=-]+))"},
    {R"(\d{4}-\d{2}-\d{2})", false, R"((?-u:\d{4}-\d{2}-\d{2}))"},
    {R"(\d{1,3}\.\d{1,3}\.\d{1,3}\.\d{1,3})", false, R"((?-u:\d{1,3}\.\d{1,3}\.\d{1,3}\.\d{1,3}))"},
    {R"([a-z]{2,8}\d)", false, R"((?-u:[a-z]{2,8}\d))"},
    {R"(fn\(\w+,)", false, R"((?-u:fn\(\w+,))"},
    {R"(^\w+)", false, R"((?-u:^\w+))"},
    {R"(\w+$)", false, R"((?-u:\w+$))"},
    {R"(\d+zq)", false, R"((?-u:\d+zq))"},
};

const char* const kNodeScript = R"js(
const fs = require('fs');
const [input, pattern, flags] = process.argv.slice(2);
const found = fs.readFileSync(input, 'utf8').match(new RegExp(pattern, flags));
console.log(found ? found.length : 0);
)js";

// A count as printed; ripgrep prints nothing when nothing matches. Both
// exit 1 then, as grep does.
QByteArray count(const std::string& path)
{
    const QByteArray printed = contents(path).trimmed();
    return printed.isEmpty() ? QByteArrayLiteral("0") : printed;
}

struct Tool {
    const char* name;
    std::string path;
    std::string out;
    double logSum = 0;
};

} // namespace

int main(int argc, char** argv)
{
    const std::string cli = argc > 1 ? argv[1] : PATTARO_CLI_PATH;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const std::string in = dir.filePath("in.txt").toStdString();
    const std::string script = dir.filePath("count.js").toStdString();
    const std::string cliOut = dir.filePath("cli.txt").toStdString();
    if (!writeFile(in, mixedText().toUtf8()) || !writeFile(script, kNodeScript))
        return 1;

    Tool rg{"rg", QStandardPaths::findExecutable(QStringLiteral("rg")).toStdString(),
            dir.filePath("rg.txt").toStdString()};
    Tool node{"node", nodePath().toStdString(), dir.filePath("node.txt").toStdString()};
    std::printf("count matches in %lld code units of mixed lines; median of %d runs, ms\n",
                static_cast<long long>(mixedText().size()), kRuns);
    std::printf("%-40s %9s %9s %9s %8s %8s %9s %9s %8s\n", "pattern", "pattaro", "rg", "node", "rg/ours", "node/ours",
                "cpu ours", "cpu rg", "rg/ours");
    double cpuLogSum = 0;
    for (const Case& c : kCases) {
        std::vector<std::string> cliArgs{cli};
        std::vector<std::string> rgArgs{rg.path, "--count-matches", "--no-config"};
        if (c.ignoreCase) {
            cliArgs.push_back("-i");
            rgArgs.push_back("-i");
        }
        cliArgs.insert(cliArgs.end(), {"count", c.pattern, in});
        rgArgs.insert(rgArgs.end(), {"-e", c.rgPattern ? c.rgPattern : c.pattern, in});
        const std::vector<std::string> nodeArgs{node.path, script, in, c.pattern, c.ignoreCase ? "gmi" : "gm"};
        // Taken in turns, so that a busy spell of the machine falls on all.
        std::vector<double> cliTimes, rgTimes, nodeTimes, cliCpu(kRuns), rgCpu(kRuns);
        for (int i = 0; i < kRuns; ++i) {
            cliTimes.push_back(runOnce(cliArgs, cliOut, /*noMatchStatus=*/1, &cliCpu[size_t(i)]));
            if (!rg.path.empty())
                rgTimes.push_back(runOnce(rgArgs, rg.out, /*noMatchStatus=*/1, &rgCpu[size_t(i)]));
            if (!node.path.empty())
                nodeTimes.push_back(runOnce(nodeArgs, node.out));
        }
        const Timing ours = summarize(cliTimes);
        if (ours.median < 0) {
            std::printf("pattaro-cli failed: %s\n", cli.c_str());
            return 1;
        }
        std::printf("%-40s %9.1f", (std::string(c.ignoreCase ? "-i " : "") + c.pattern).c_str(), ours.median);
        double ratios[2] = {0, 0};
        Tool* tools[2] = {&rg, &node};
        const std::vector<double>* times[2] = {&rgTimes, &nodeTimes};
        for (int t = 0; t < 2; ++t) {
            if (tools[t]->path.empty()) {
                std::printf(" %9s", "-");
                continue;
            }
            const Timing theirs = summarize(*times[t]);
            if (theirs.median < 0) {
                std::printf("\n%s failed\n", tools[t]->name);
                return 1;
            }
            if (count(tools[t]->out) != count(cliOut)) {
                std::printf("\n%s counts %s, pattaro-cli %s\n", tools[t]->name, count(tools[t]->out).constData(),
                            count(cliOut).constData());
                return 1;
            }
            std::printf(" %9.1f", theirs.median);
            ratios[t] = theirs.median / ours.median;
            tools[t]->logSum += std::log(ratios[t]);
        }
        for (double r : ratios) {
            if (r > 0)
                std::printf(" %8.2f", r);
            else
                std::printf(" %8s", "-");
        }
        if (!rg.path.empty()) {
            const double cpuOurs = summarize(cliCpu).median;
            const double cpuRg = summarize(rgCpu).median;
            std::printf(" %9.1f %9.1f %8.2f", cpuOurs, cpuRg, cpuRg / cpuOurs);
            cpuLogSum += std::log(cpuRg / cpuOurs);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    for (const Tool* t : {&rg, &node}) {
        if (t->path.empty())
            std::printf("%s not found; its side is skipped\n", t->name);
        else
            std::printf("geometric mean of %s / pattaro-cli: %.2f\n", t->name,
                        std::exp(t->logSum / double(std::size(kCases))));
    }
    if (!rg.path.empty())
        std::printf("geometric mean of rg / pattaro-cli by processor time: %.2f\n",
                    std::exp(cpuLogSum / double(std::size(kCases))));
    return 0;
}
