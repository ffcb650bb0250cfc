#include "core/settings/settingsstore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

namespace pattaro {

QVariant MemorySettingsStore::value(const QString& key) const
{
    const auto found = m_values.find(key);
    return found == m_values.end() ? QVariant() : found->second;
}

void MemorySettingsStore::setValue(const QString& key, const QVariant& value)
{
    m_values[key] = value;
}

FileSettingsStore::FileSettingsStore(const QString& path, const std::function<void(const QString&)>& warn)
    : m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
    // QSettings reads the file, and learns what is wrong with it, only when asked.
    m_settings->sync();
    const QFileInfo file(path);
    QString problem;
    if (m_settings->status() == QSettings::FormatError)
        problem = QStringLiteral("is not a settings file");
    else if (m_settings->status() == QSettings::AccessError || (file.exists() && !file.isReadable()))
        problem = QStringLiteral("cannot be read");
    if (problem.isEmpty())
        return;
    m_unreadable = true;
    warn(QStringLiteral("settings file %1 %2; starting with the designed settings").arg(path, problem));
}

FileSettingsStore::~FileSettingsStore() = default;

QVariant FileSettingsStore::value(const QString& key) const
{
    return m_unreadable ? QVariant() : m_settings->value(key);
}

void FileSettingsStore::setValue(const QString& key, const QVariant& value)
{
    if (m_unreadable) {
        // What the broken file held is not the user's any more; the first
        // new setting starts a sound file in its place.
        m_settings = std::make_unique<QSettings>(m_settings->fileName(), QSettings::IniFormat);
        m_settings->clear();
        m_unreadable = false;
    }
    m_settings->setValue(key, value);
}

void FileSettingsStore::sync()
{
    if (!m_unreadable)
        m_settings->sync();
}

QString programConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Pattaro");
}

QString programSettingsPath()
{
    return programConfigFolder() + QStringLiteral("/Pattaro.conf");
}

void warnOnStandardError(const QString& line)
{
    std::fprintf(stderr, "pattaro: %s\n", qUtf8Printable(line));
}

} // namespace pattaro
