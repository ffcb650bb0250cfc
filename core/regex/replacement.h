#pragma once

#include "core/regex/textbuilder.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <cstddef>
#include <vector>

namespace pattaro {

// A replacement text read once in JavaScript's $ syntax: $$, $&, $`, $',
// $n and $nn (only for groups that exist; otherwise the text stays as
// written), and $<name> when the pattern names groups.
class ReplacementTemplate {
public:
    // groupNames is empty when the pattern names no group.
    ReplacementTemplate(const QString& text, int groupCount, const QHash<QString, int>& groupNames);

    // Appends the replacement for one match. `offsets` holds start/end pairs
    // for the whole match and each group; an unset group holds SIZE_MAX.
    void expand(TextBuilder& out, QStringView subject, const size_t* offsets) const;

private:
    enum class Kind { Text, Group, Before, After };
    struct Part {
        Kind kind;
        int group;         // Group: 0 is the whole match; -1 a name that is no group
        qsizetype from, length; // Text: a slice of m_text
    };
    QString m_text;
    std::vector<Part> m_parts;

    void addText(qsizetype from, qsizetype length);
};

} // namespace pattaro
