#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace pattaro::bench {

// node's path, or empty when the machine has none: comparisons then skip
// node's side.
QString nodePath();

// Runs node on a script with arguments; its standard output, or nothing when
// it could not run or failed.
std::optional<QByteArray> runNode(const QByteArray& script, const QStringList& arguments);

} // namespace pattaro::bench
