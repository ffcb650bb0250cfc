#include "bench/support/processruns.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace pattaro::bench {

double runOnce(const std::vector<std::string>& argv, const std::string& outPath, int noMatchStatus, double* cpuMs)
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
    rusage usage{};
    const bool ok = spawned == 0 && wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status)
                    && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == noMatchStatus);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000 + double(t.tv_usec) / 1000; };
    if (cpuMs)
        *cpuMs = ok ? ms(usage.ru_utime) + ms(usage.ru_stime) : -1;
    return ok ? std::chrono::duration<double, std::milli>(end - start).count() : -1;
}

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

bool writeFile(const std::string& path, const QByteArray& bytes)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace pattaro::bench
