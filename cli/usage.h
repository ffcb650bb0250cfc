#pragma once

#include <QString>

namespace pattaro::cli {

QString UsageText();
// "pattaro-cli" and the version, one line.
QString VersionText();

} // namespace pattaro::cli
