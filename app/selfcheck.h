#pragma once

#include <QString>

namespace pattaro {

// Guards the program file against change: its SHA-256 is recorded next to it
// when it is built (program name + ".sha256", as sha256sum writes it) and
// compared at start-up.
enum class IntegrityStatus { Intact, Modified, RecordMissing, ProgramUnreadable };

QString digestRecordPath(const QString& programPath);
IntegrityStatus checkIntegrity(const QString& programPath, const QString& recordPath);
// What to tell the user; empty when intact.
QString integrityWarning(IntegrityStatus status, const QString& programPath);

// Checks the running program and warns on standard error. Never throws and
// never stops the program.
void runSelfCheck() noexcept;

} // namespace pattaro
