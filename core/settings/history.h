#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace pattaro {

// One expression as a command ran it.
struct HistoryEntry {
    QString expression;
    QString replacement;
    bool caseSensitive = true;
    bool operator==(const HistoryEntry&) const = default;
};

// The expressions the commands ran without error, newest first, each at
// most once, the last kLimit kept.
class ExpressionHistory {
public:
    static constexpr std::size_t kLimit = 100;

    // The entry goes first; an equal older one leaves its place.
    void Add(const HistoryEntry& entry);
    const std::vector<HistoryEntry>& Entries() const { return m_entries; }

    QByteArray ToJson() const;
    // What can be read of a stored history: entries that are not objects
    // with a non-empty expression are left out, and so is what lies beyond
    // kLimit or repeats an earlier entry.
    static ExpressionHistory FromJson(const QByteArray& json);

private:
    std::vector<HistoryEntry> m_entries;
};

} // namespace pattaro
