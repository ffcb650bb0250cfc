#pragma once

#include <QString>

namespace pattaro::cli {

QString UsageText();

} // namespace pattaro::cli
