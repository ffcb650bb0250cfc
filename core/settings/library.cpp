#include "core/settings/library.h"

#include "core/settings/settingsstore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace pattaro {

namespace {

const QString kExpressions = QStringLiteral("expressions");
const QString kName = QStringLiteral("name");
const QString kExpression = QStringLiteral("expression");
const QString kReplacement = QStringLiteral("replacement");
const QString kCaseSensitive = QStringLiteral("caseSensitive");

} // namespace

void ExpressionLibrary::Save(const LibraryEntry& entry)
{
    const auto known = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const LibraryEntry& kept) { return kept.name == entry.name; });
    if (known == m_entries.end())
        m_entries.push_back(entry);
    else
        *known = entry;
}

void ExpressionLibrary::Merge(const ExpressionLibrary& other)
{
    for (const LibraryEntry& entry : other.m_entries)
        Save(entry);
}

std::optional<LibraryEntry> ExpressionLibrary::Find(const QString& name) const
{
    for (const LibraryEntry& entry : m_entries)
        if (entry.name == name)
            return entry;
    return std::nullopt;
}

QByteArray ExpressionLibrary::ToJson() const
{
    QJsonArray list;
    for (const LibraryEntry& entry : m_entries)
        list.append(QJsonObject{{kName, entry.name},
                                {kExpression, entry.expression},
                                {kReplacement, entry.replacement},
                                {kCaseSensitive, entry.caseSensitive}});
    return QJsonDocument(QJsonObject{{kExpressions, list}}).toJson(QJsonDocument::Indented);
}

std::optional<ExpressionLibrary> ExpressionLibrary::FromJson(const QByteArray& json, QString* reason)
{
    auto refuse = [reason](const QString& why) -> std::optional<ExpressionLibrary> {
        if (reason)
            *reason = why;
        return std::nullopt;
    };
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return refuse(QStringLiteral("not JSON: %1 at offset %2").arg(error.errorString()).arg(error.offset));
    const QJsonValue list = document.object().value(kExpressions);
    if (!list.isArray())
        return refuse(QStringLiteral("no \"expressions\" list"));
    ExpressionLibrary library;
    qsizetype index = 0;
    for (const QJsonValue& item : list.toArray()) {
        const QJsonObject object = item.toObject();
        const QString name = object.value(kName).toString();
        const QString expression = object.value(kExpression).toString();
        if (name.isEmpty() || expression.isEmpty())
            return refuse(QStringLiteral("entry %1 has no name or no expression").arg(index));
        library.Save({name, expression, object.value(kReplacement).toString(),
                      object.value(kCaseSensitive).toBool(true)});
        ++index;
    }
    return library;
}

QString programLibraryPath()
{
    return programConfigFolder() + QStringLiteral("/library.json");
}

} // namespace pattaro
