#include "cli/saved.h"

#include "core/settings/library.h"

#include <QFile>

namespace pattaro::cli {

std::optional<Arguments> SavedCommand(const Arguments& run, const QString& libraryPath, QString& error)
{
    QFile file(libraryPath);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("no expression library at %1 (%2); the window's 保存到表达式库 makes one")
                    .arg(libraryPath, file.errorString());
        return std::nullopt;
    }
    QString reason;
    const std::optional<ExpressionLibrary> library = ExpressionLibrary::FromJson(file.readAll(), &reason);
    if (!library) {
        error = QStringLiteral("the expression library %1 is unreadable: %2").arg(libraryPath, reason);
        return std::nullopt;
    }
    const std::optional<LibraryEntry> entry = library->Find(run.pattern);
    if (!entry) {
        error = QStringLiteral("no expression named '%1' in %2").arg(run.pattern, libraryPath);
        return std::nullopt;
    }
    Arguments saved = run;
    saved.command = entry->replacement.isEmpty() ? Command::Matches : Command::Replace;
    saved.pattern = entry->expression;
    saved.replacement = entry->replacement;
    saved.ignoreCase = run.ignoreCase || !entry->caseSensitive;
    return saved;
}

} // namespace pattaro::cli
