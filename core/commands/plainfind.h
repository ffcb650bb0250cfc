#pragma once

#include <QString>
#include <optional>

namespace pattaro {

struct FoundText {
    qsizetype start;
    qsizetype length;
    bool operator==(const FoundText&) const = default;
};

// The next occurrence of `needle` as plain text in `text`: forward, the first
// one starting at or after `from`; backward, the last one ending at or before
// it. Past either end the search goes round to the other. Nothing for an empty
// needle or one the text does not hold.
std::optional<FoundText> FindPlainText(const QString& text, const QString& needle, qsizetype from, bool forward,
                                       Qt::CaseSensitivity caseSensitivity);

} // namespace pattaro
