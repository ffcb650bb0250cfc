#pragma once

#include "core/regex/innerliteral.h"

#include <QStringView>
#include <array>
#include <vector>

namespace pattaro {

// Looks through one subject for a pattern's InnerLiteral and says from where
// a match can begin at the earliest: no match begins between the position
// asked about and the one answered.
class LiteralScan {
public:
    // False when the literal has a unit with too many case variants to
    // look for at once.
    static bool usable(const InnerLiteral& literal);

    LiteralScan(const InnerLiteral& literal, QStringView subject);

    // The first position at or after `from` where a match can begin, and in
    // *literalAt where its literal would then be; -1 when none can.
    qsizetype earliestStart(qsizetype from, qsizetype* literalAt);

private:
    static constexpr size_t kMaxVariants = 4;
    using Variants = std::array<char16_t, kMaxVariants>;

    const char16_t* m_text;
    qsizetype m_size;
    // By unit of the literal: the units that stand for it, the first
    // repeated to fill the array.
    std::vector<Variants> m_units;
    // Or, for a literal of one unit from a range, the range.
    bool m_inRange;
    char16_t m_rangeFirst;
    char16_t m_rangeLast;
    // The unit before such a literal must be one of the prefix's, none of
    // which is in its range; where the prefix's units are a range too, the
    // unit before is looked at in it, else only outside the literal's.
    char16_t m_beforeFirst;
    char16_t m_beforeLast;
    bool m_beforeInside;
    qint64 m_longestPrefix;
    qint64 m_shortestPrefix;
    const CharSet* m_prefixUnits;
    // The last search for the literal: where it began, and the first
    // occurrence found, or -1 when there was none.
    qsizetype m_searchedFrom = -1;
    qsizetype m_found = -1;
    // Where a match can begin at the earliest before m_found.
    qsizetype m_start = -1;

    qsizetype nextOccurrence(qsizetype from) const;
    qsizetype nextFirstUnit(qsizetype from, qsizetype last) const;
    qsizetype nextInRange(qsizetype from, qsizetype last) const;
    bool holdsAt(qsizetype position) const;
    qsizetype startBefore(qsizetype occurrence, qsizetype from) const;
};

} // namespace pattaro
