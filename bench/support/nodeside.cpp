#include "bench/support/nodeside.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace pattaro::bench {

QString nodePath() { return QStandardPaths::findExecutable(QStringLiteral("node")); }

std::optional<QByteArray> runNode(const QByteArray& script, const QStringList& arguments)
{
    const QString node = nodePath();
    QTemporaryFile file;
    if (node.isEmpty() || !file.open() || file.write(script) != script.size() || !file.flush())
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(node, QStringList{file.fileName()} + arguments);
    // The slowest comparison takes seconds; minutes mean something is wrong.
    if (!process.waitForFinished(10 * 60 * 1000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace pattaro::bench
