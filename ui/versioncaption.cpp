#include "ui/versioncaption.h"

namespace pattaro {

QString versionCaption(int major, int minor, int revision)
{
    return QStringLiteral("软件版本：%1.%2.0.%3").arg(major).arg(minor).arg(revision);
}

} // namespace pattaro
