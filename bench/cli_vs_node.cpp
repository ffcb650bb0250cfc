// The whole pattaro-cli process against node doing the same replace: the
// same 10M-code-unit file, pattern and replacement, the result written to a
// file. Prints the median wall times and their ratio. Another pattaro-cli
// may be named as the first argument, to compare builds.
#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kRuns = 9;
constexpr qsizetype kUnits = 10'000'000;

// CR LF lines of 50 units, each with one number: 200,000 matches of \d+.
QByteArray input()
{
    QByteArray text;
    text.reserve(kUnits);
    for (int i = 0; text.size() < kUnits; ++i)
        text += QByteArray(42, 'x') + ' ' + QByteArray::number(10000 + i % 90000) + "\r\n";
    text.truncate(kUnits);
    return text;
}

const char* const kNodeScript = R"js(
const fs = require('fs');
const text = fs.readFileSync(process.argv[2], 'utf8');
fs.writeFileSync(process.argv[3], text.replace(/\d+/g, '<$&>'));
)js";

// Wall time of one run, standard output into outPath; negative on failure.
double runOnce(const std::vector<std::string>& argv, const std::string& outPath)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    int status = 0;
    const bool ok = spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    return ok ? std::chrono::duration<double, std::milli>(end - start).count() : -1;
}

struct Timing {
    double median = -1;
    double min = -1;
};

Timing summarize(std::vector<double> times)
{
    if (times.empty() || *std::min_element(times.begin(), times.end()) < 0)
        return {};
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

QByteArray contents(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
    QFile inFile(QString::fromStdString(in));
    QFile scriptFile(QString::fromStdString(script));
    if (!inFile.open(QIODevice::WriteOnly) || inFile.write(input()) != kUnits || !scriptFile.open(QIODevice::WriteOnly)
        || scriptFile.write(kNodeScript) < 0)
        return 1;
    inFile.close();
    scriptFile.close();

    const QString nodePath = QStandardPaths::findExecutable(QStringLiteral("node"));
    const std::vector<std::string> cliArgs{cli, "-f", in, "replace", "\\d+", "<$&>"};
    const std::vector<std::string> nodeArgs{nodePath.toStdString(), script, in, nodeOut};

    // Taken in turns, so that a busy spell of the machine falls on both.
    std::vector<double> cliTimes, nodeTimes;
    for (int i = 0; i < kRuns; ++i) {
        cliTimes.push_back(runOnce(cliArgs, cliOut));
        if (!nodePath.isEmpty())
            nodeTimes.push_back(runOnce(nodeArgs, nodeOut));
    }

    std::printf("replace \\d+ with <$&> in %lld code units, 200000 matches; median (min) of %d runs\n",
                static_cast<long long>(kUnits), kRuns);
    const Timing ours = summarize(cliTimes);
    if (ours.median < 0) {
        std::printf("pattaro-cli failed: %s\n", cli.c_str());
        return 1;
    }
    std::printf("  pattaro-cli %8.1f ms (%.1f)\n", ours.median, ours.min);
    if (nodePath.isEmpty()) {
        std::printf("  node        not found; its side is skipped\n");
        return 0;
    }
    const Timing node = summarize(nodeTimes);
    if (node.median < 0) {
        std::printf("  node        failed\n");
        return 1;
    }
    std::printf("  node        %8.1f ms (%.1f)\n", node.median, node.min);
    std::printf("  node / pattaro-cli: %.2f (goal: at least 4)\n", node.median / ours.median);
    if (contents(cliOut) != contents(nodeOut)) {
        std::printf("  the two results differ\n");
        return 1;
    }
    return 0;
}
