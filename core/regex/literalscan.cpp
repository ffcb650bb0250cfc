#include "core/regex/literalscan.h"

#include "core/regex/casefold.h"

#include <algorithm>

namespace pattaro {
namespace {

template <size_t N> bool isAny(char16_t c, const std::array<char16_t, N>& units)
{
    bool any = false;
    for (char16_t u : units)
        any |= c == u;
    return any;
}

} // namespace

bool LiteralScan::usable(const InnerLiteral& literal)
{
    if (literal.units.isEmpty())
        return false;
    if (!literal.ignoreCase)
        return true;
    return std::all_of(literal.units.cbegin(), literal.units.cend(),
                       [](QChar c) { return caseVariants(c.unicode()).size() <= kMaxVariants; });
}

LiteralScan::LiteralScan(const InnerLiteral& literal, QStringView subject)
    : m_text(subject.isEmpty() ? u"" : subject.utf16()), m_size(subject.size()),
      m_longestPrefix(literal.longestPrefix), m_prefixUnits(literal.prefixUnits.get())
{
    for (QChar c : literal.units) {
        Variants v;
        v.fill(c.unicode());
        if (literal.ignoreCase) {
            const auto variants = caseVariants(c.unicode());
            std::copy(variants.begin(), variants.end(), v.begin());
        }
        m_units.push_back(v);
    }
}

qsizetype LiteralScan::earliestStart(qsizetype from, qsizetype* literalAt)
{
    // Searches go forward, so an occurrence found before usually answers
    // the next question too.
    if (m_searchedFrom < 0 || from < m_searchedFrom || (m_found >= 0 && from > m_found)) {
        m_searchedFrom = from;
        m_found = nextOccurrence(from);
        if (m_found >= 0)
            m_start = startBefore(m_found, from);
    }
    if (m_found < 0)
        return -1;
    *literalAt = m_found;
    // The start was found no earlier than where that search began, which
    // is at or before `from`.
    return std::max(from, m_start);
}

// Later occurrences allow no earlier start: the bound moves with the
// occurrence, and a run of prefix units reaching back past this one's also
// reaches back from this one.
qsizetype LiteralScan::startBefore(qsizetype occurrence, qsizetype from) const
{
    qsizetype start = from;
    if (m_longestPrefix >= 0)
        start = std::max<qsizetype>(start, occurrence - qsizetype(m_longestPrefix));
    if (m_prefixUnits) {
        qsizetype i = occurrence;
        while (i > start && m_prefixUnits->contains(m_text[i - 1]))
            --i;
        start = i;
    }
    return start;
}

qsizetype LiteralScan::nextOccurrence(qsizetype from) const
{
    const qsizetype last = m_size - qsizetype(m_units.size());
    for (qsizetype i = from; i <= last; ++i) {
        i = nextFirstUnit(i, last);
        if (i < 0)
            return -1;
        if (holdsAt(i))
            return i;
    }
    return -1;
}

// Most blocks hold no candidate, and the test of a whole block compiles to a
// few vector instructions.
qsizetype LiteralScan::nextFirstUnit(qsizetype from, qsizetype last) const
{
    constexpr qsizetype kBlock = 32;
    const Variants first = m_units.front();
    const char16_t* t = m_text;
    qsizetype i = from;
    for (; i + kBlock <= last + 1; i += kBlock) {
        bool any = false;
        for (qsizetype k = 0; k < kBlock; ++k)
            any |= isAny(t[i + k], first);
        if (any)
            break;
    }
    for (; i <= last; ++i) {
        if (isAny(t[i], first))
            return i;
    }
    return -1;
}

bool LiteralScan::holdsAt(qsizetype position) const
{
    for (size_t k = 1; k < m_units.size(); ++k) {
        if (!isAny(m_text[position + qsizetype(k)], m_units[k]))
            return false;
    }
    return true;
}

} // namespace pattaro
