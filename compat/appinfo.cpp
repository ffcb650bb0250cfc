#include "compat/appinfo.h"

#include "version.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace pattaro::platform {

QString QtAppInfo::Title() const { return QStringLiteral("Pattaro"); }
int QtAppInfo::Major() const { return kVersionMajor; }
int QtAppInfo::Minor() const { return kVersionMinor; }
int QtAppInfo::Revision() const { return kVersionRevision; }

QString QtAppInfo::Path() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtAppInfo::StateFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

} // namespace pattaro::platform
