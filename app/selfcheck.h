#pragma once

#include <QString>
#include <QStringList>

namespace pattaro {

// Guards the program file against change: its SHA-256 is recorded when it is
// built or installed (program name + ".sha256", as sha256sum writes it) and
// compared at start-up.
enum class IntegrityStatus { Intact, Modified, RecordMissing, ProgramUnreadable };

// Where the record may be, first choice first: an installed program's in
// <bin>/../share/pattaro/ (bin/ holds programs only), a build's next to it.
QStringList digestRecordCandidates(const QString& programPath);
// The first candidate that exists, or the build's place when none does.
QString digestRecordPath(const QString& programPath);
IntegrityStatus checkIntegrity(const QString& programPath, const QString& recordPath);
// What to tell the user; empty when intact.
QString integrityWarning(IntegrityStatus status, const QString& programPath);

// Checks the running program and warns on standard error. Never throws and
// never stops the program.
void runSelfCheck() noexcept;

} // namespace pattaro
