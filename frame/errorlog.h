#pragma once

#include "compat/services.h"

#include <QString>

namespace pattaro {

// The skin control's failure report: a modal message box, then one line
// appended to ErrorLog.txt in the executable's folder.
class ErrorLog {
public:
    // Uses the services' message box, clock, environment and application
    // information; they must outlive the log.
    explicit ErrorLog(const platform::Services& services);

    // Shows the report (when show is true) and appends its record. Never
    // fails: when the executable's folder cannot be written the record goes
    // to ErrorLog.txt in the per-user state folder, and when that fails too
    // the record is dropped; the program goes on either way.
    void LogError(bool show, const QString& number, const QString& description, const QString& module,
                  const QString& operation);

    // The message box text: the four labelled lines, CR LF between them.
    static QString MessageText(const QString& number, const QString& description, const QString& module,
                               const QString& operation);
    // The record: eight comma-separated fields ending in CR LF.
    QString RecordLine(const QString& number, const QString& description, const QString& module,
                       const QString& operation) const;

    static constexpr const char* kFileName = "ErrorLog.txt";

private:
    bool appendTo(const QString& folder, const QByteArray& line) const;

    platform::Services m_services;
};

} // namespace pattaro
