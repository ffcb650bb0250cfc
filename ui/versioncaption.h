#pragma once

#include <QString>

namespace pattaro {

// "软件版本：" and major.minor.0.revision, plain decimals.
QString versionCaption(int major, int minor, int revision);

} // namespace pattaro
