#include "compat/environment.h"

#include <QSysInfo>
#include <QProcessEnvironment>

#include <pwd.h>
#include <unistd.h>

namespace pattaro::platform {

std::optional<QString> SystemEnvironment::Value(const QString& name) const
{
    const auto env = QProcessEnvironment::systemEnvironment();
    // An exact match wins over others differing only in case, which Linux
    // allows side by side.
    if (env.contains(name))
        return env.value(name);
    const QStringList keys = env.keys();
    for (const QString& key : keys) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return env.value(key);
    }
    return std::nullopt;
}

QString SystemEnvironment::LoginName() const
{
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return {};
}

QString SystemEnvironment::HostName() const
{
    return QSysInfo::machineHostName();
}

} // namespace pattaro::platform
