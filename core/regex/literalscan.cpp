#include "core/regex/literalscan.h"

#include "core/regex/casefold.h"

#include <algorithm>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// Eight units at a time where the processor has SSE2 (every x86-64 has),
// as most stretches hold no candidate.
qsizetype LiteralScan::nextFirstUnit(qsizetype from, qsizetype last) const
{
    const Variants first = m_units.front();
    const char16_t* t = m_text;
    qsizetype i = from;
#ifdef __SSE2__
    __m128i wanted[kMaxVariants];
    for (size_t k = 0; k < kMaxVariants; ++k)
        wanted[k] = _mm_set1_epi16(short(first[k]));
    for (; i + 8 <= last + 1; i += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i));
        __m128i hits = _mm_cmpeq_epi16(units, wanted[0]);
        for (size_t k = 1; k < kMaxVariants; ++k)
            hits = _mm_or_si128(hits, _mm_cmpeq_epi16(units, wanted[k]));
        if (const int mask = _mm_movemask_epi8(hits))
            return i + std::countr_zero(unsigned(mask)) / 2;
    }
#endif
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
