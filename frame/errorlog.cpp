#include "frame/errorlog.h"

#include <QDir>
#include <QFile>

namespace pattaro {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString quoted(const QString& s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString dateField(const QDateTime& now)
{
    const QTime t = now.time();
    const bool midnight = t.hour() == 0 && t.minute() == 0 && t.second() == 0;
    const QString text = midnight ? now.date().toString(QStringLiteral("yyyy-MM-dd"))
                                  : now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return QLatin1Char('#') + text + QLatin1Char('#');
}

} // namespace

ErrorLog::ErrorLog(const platform::Services& services) : m_services(services) {}

QString ErrorLog::MessageText(const QString& number, const QString& description, const QString& module,
                              const QString& operation)
{
    QString text = QStringLiteral("Error occured: ") + number + kCrLf;
    if (!description.isEmpty())
        text += QStringLiteral("描述: ") + description + kCrLf;
    if (!module.isEmpty())
        text += QStringLiteral("模块: ") + module + kCrLf;
    if (!operation.isEmpty())
        text += QStringLiteral("函数: ") + operation;
    return text;
}

QString ErrorLog::RecordLine(const QString& number, const QString& description, const QString& module,
                             const QString& operation) const
{
    const platform::AppInfo& app = *m_services.appInfo;
    const platform::Environment& env = *m_services.environment;
    // USERNAME and COMPUTERNAME are Windows' own; elsewhere the login and
    // host names are what they stand for.
    const QString user = env.Value(QStringLiteral("username")).value_or(env.LoginName());
    const QString computer = env.Value(QStringLiteral("computername")).value_or(env.HostName());
    const QString version = QStringLiteral("%1 v%2.%3.%4")
                                .arg(app.Title())
                                .arg(app.Major())
                                .arg(app.Minor())
                                .arg(app.Revision());
    const QStringList fields{dateField(m_services.clock->Now()),
                             quoted(number),
                             quoted(description),
                             quoted(module),
                             quoted(operation),
                             quoted(version),
                             quoted(user),
                             quoted(computer)};
    return fields.join(QLatin1Char(',')) + kCrLf;
}

void ErrorLog::LogError(bool show, const QString& number, const QString& description, const QString& module,
                        const QString& operation)
{
    if (show) {
        const QString title = m_services.appInfo->Title() + QStringLiteral(" - 错误");
        m_services.messageBox->show(MessageText(number, description, module, operation), title,
                                    platform::MsgIcon::Critical, platform::MsgButtons::Ok);
    }
    const QByteArray line = RecordLine(number, description, module, operation).toUtf8();
    if (appendTo(m_services.appInfo->Path(), line))
        return;
    const QString fallback = m_services.appInfo->StateFolder();
    if (!fallback.isEmpty() && QDir().mkpath(fallback))
        appendTo(fallback, line);
}

bool ErrorLog::appendTo(const QString& folder, const QByteArray& line) const
{
    if (folder.isEmpty())
        return false;
    QFile file(QDir(folder).filePath(QString::fromLatin1(kFileName)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const bool written = file.write(line) == line.size();
    return file.flush() && written;
}

} // namespace pattaro
