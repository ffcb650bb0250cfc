#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace pattaro {

// An expression kept under a name, with what it replaces matches by.
struct LibraryEntry {
    QString name;
    QString expression;
    QString replacement;
    bool caseSensitive = true;
    bool operator==(const LibraryEntry&) const = default;
};

// The user's own expressions, in the order they were first saved; a name
// names one entry. The window and pattaro-cli share it as a JSON file.
class ExpressionLibrary {
public:
    // A new name goes last; a known one takes the new expression in its place.
    void Save(const LibraryEntry& entry);
    // Every entry of `other` saved into this one, in its order.
    void Merge(const ExpressionLibrary& other);
    const std::vector<LibraryEntry>& Entries() const { return m_entries; }
    std::optional<LibraryEntry> Find(const QString& name) const;

    QByteArray ToJson() const;
    // Nothing, with the reason in English, for text that is not a library:
    // not JSON, no "expressions" list, or an entry without a name or an
    // expression.
    static std::optional<ExpressionLibrary> FromJson(const QByteArray& json, QString* reason = nullptr);

private:
    std::vector<LibraryEntry> m_entries;
};

// The library file beside the settings file.
QString programLibraryPath();

} // namespace pattaro
