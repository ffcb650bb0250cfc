#pragma once

#include <QHash>
#include <QString>
#include <vector>

namespace pattaro {

// A replacement in JavaScript's syntax, read as the window reads it.
struct ReplacementPart {
    enum class Kind { Text, Group, Before, After };
    Kind kind = Kind::Text;
    QString text; // Kind::Text
    int group = 0; // Kind::Group; 0 is the whole match
};

std::vector<ReplacementPart> replacementParts(const QString& replacement, int groupCount,
                                              const QHash<QString, int>& groupNumbers);

} // namespace pattaro
