#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace pattaro {

// Guards the program file against damage or partial replacement: its SHA-256
// is recorded when it is built or installed (program name + ".sha256", as
// sha256sum writes it) and compared at start-up. Someone who can rewrite the
// program can rewrite its record too; the check does not pretend otherwise.
enum class IntegrityStatus { Intact, Modified, RecordMissing, ProgramUnreadable };

// A program file and the record made for it where it was put.
struct DigestPlace {
    QString program;
    QString record;
};

// The places fixed when the program was built: the build's own program, and
// the installed one under each prefix it is meant to be installed to.
std::vector<DigestPlace> knownDigestPlaces();
// The record made for the program at programPath, when it runs from one of
// the places; a copy anywhere else has none.
std::optional<QString> digestRecordFor(const QString& programPath, const std::vector<DigestPlace>& places);
// A record counts only if it is a regular file that no one but its owner,
// the administrator or the user running the program, could have written.
IntegrityStatus checkIntegrity(const QString& programPath, const std::optional<QString>& recordPath);
// What to tell the user, in Chinese; empty when intact.
QString integrityWarning(IntegrityStatus status, const QString& programPath);

// Checks the running program and returns what to tell the user (empty when
// intact). Never throws.
QString runSelfCheck() noexcept;

} // namespace pattaro
