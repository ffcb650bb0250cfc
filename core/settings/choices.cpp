#include "core/settings/choices.h"

#include <QStringList>

namespace pattaro {

namespace {

QString historyLabel(const HistoryEntry& entry)
{
    QString label = QStringLiteral("[历史] ") + entry.expression;
    if (!entry.replacement.isEmpty())
        label += QStringLiteral("  →  ") + entry.replacement;
    if (!entry.caseSensitive)
        label += QStringLiteral("  (不区分大小写)");
    return label;
}

ExpressionChoice libraryChoice(const QString& mark, const LibraryEntry& entry)
{
    return {mark + entry.name + QStringLiteral("：") + entry.expression,
            {entry.expression, entry.replacement, entry.caseSensitive}};
}

} // namespace

std::vector<ExpressionChoice> ExpressionChoices(const ExpressionHistory& history, const ExpressionLibrary& library,
                                                const std::vector<LibraryEntry>& readyMade)
{
    std::vector<ExpressionChoice> choices;
    for (const HistoryEntry& entry : history.Entries())
        choices.push_back({historyLabel(entry), entry});
    for (const LibraryEntry& entry : library.Entries())
        choices.push_back(libraryChoice(QStringLiteral("[我的] "), entry));
    for (const LibraryEntry& entry : readyMade)
        choices.push_back(libraryChoice(QStringLiteral("[常用] "), entry));
    return choices;
}

std::vector<std::size_t> FilterChoices(const std::vector<ExpressionChoice>& choices, const QString& typed)
{
    const QStringList words = typed.split(u' ', Qt::SkipEmptyParts);
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        bool holdsAll = true;
        for (const QString& word : words)
            holdsAll = holdsAll && choices[i].label.contains(word, Qt::CaseInsensitive);
        if (holdsAll)
            kept.push_back(i);
    }
    return kept;
}

} // namespace pattaro
