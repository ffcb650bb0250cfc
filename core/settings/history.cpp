#include "core/settings/history.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace pattaro {

void ExpressionHistory::Add(const HistoryEntry& entry)
{
    std::erase(m_entries, entry);
    m_entries.insert(m_entries.begin(), entry);
    if (m_entries.size() > kLimit)
        m_entries.resize(kLimit);
}

QByteArray ExpressionHistory::ToJson() const
{
    QJsonArray list;
    for (const HistoryEntry& entry : m_entries)
        list.append(QJsonObject{{QStringLiteral("expression"), entry.expression},
                                {QStringLiteral("replacement"), entry.replacement},
                                {QStringLiteral("caseSensitive"), entry.caseSensitive}});
    return QJsonDocument(list).toJson(QJsonDocument::Compact);
}

ExpressionHistory ExpressionHistory::FromJson(const QByteArray& json)
{
    ExpressionHistory history;
    const QJsonArray list = QJsonDocument::fromJson(json).array();
    // Oldest first, so that Add leaves the newest at the front.
    for (qsizetype i = list.size() - 1; i >= 0; --i) {
        const QJsonObject object = list.at(i).toObject();
        const QString expression = object.value(QStringLiteral("expression")).toString();
        if (expression.isEmpty())
            continue;
        history.Add({expression, object.value(QStringLiteral("replacement")).toString(),
                     object.value(QStringLiteral("caseSensitive")).toBool(true)});
    }
    return history;
}

} // namespace pattaro
