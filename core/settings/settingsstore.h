#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>

class QSettings;

namespace pattaro {

// Where the program keeps what the user set, key by key. The window reads
// and writes through this, so tests can give it a store of their own.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Invalid when nothing is stored under the key.
    virtual QVariant value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
public:
    QVariant value(const QString& key) const override;
    void setValue(const QString& key, const QVariant& value) override;

private:
    std::map<QString, QVariant> m_values;
};

// The program's settings file. A file that cannot be read is reported in one
// line through `warn` and then treated as empty, so the program starts as if
// for the first time; what is set afterwards replaces it. Writes reach the
// disk through a temporary file renamed over the old one (QSettings' atomic
// sync), so a crash mid-write leaves the previous file whole.
class FileSettingsStore : public SettingsStore {
public:
    FileSettingsStore(const QString& path, const std::function<void(const QString&)>& warn);
    ~FileSettingsStore() override;
    QVariant value(const QString& key) const override;
    void setValue(const QString& key, const QVariant& value) override;
    // Writes what is pending now rather than when the event loop gets to it.
    void sync();

private:
    std::unique_ptr<QSettings> m_settings;
    bool m_unreadable = false;
};

// The folder of the program's own files: $XDG_CONFIG_HOME/Pattaro (by
// default ~/.config/Pattaro).
QString programConfigFolder();
// The settings file in it.
QString programSettingsPath();
// Writes `line` to standard error, the program's name first.
void warnOnStandardError(const QString& line);

} // namespace pattaro
