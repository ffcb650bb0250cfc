#include "core/regex/literalscan.h"

#include "core/regex/casefold.h"

#include <algorithm>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace pattaro {
namespace {

bool within(char16_t unit, char16_t first, char16_t last) { return char16_t(unit - first) <= last - first; }

#ifdef __SSE2__
// Which of eight units lie in first … last: their distance from first, as
// unsigned, is below the range's size; SSE2 compares only signed, so both
// sides are moved by half of all units.
__m128i within(__m128i units, char16_t first, char16_t last)
{
    const __m128i half = _mm_set1_epi16(short(0x8000));
    const __m128i distance = _mm_xor_si128(_mm_sub_epi16(units, _mm_set1_epi16(short(first))), half);
    return _mm_cmplt_epi16(distance, _mm_set1_epi16(short((last - first + 1) ^ 0x8000)));
}
#endif

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
    // Units are compared as signed after a shift: a range may hold half of
    // all units at most.
    if (literal.inRange)
        return literal.rangeLast - literal.rangeFirst < 0x8000;
    if (literal.units.isEmpty())
        return false;
    if (!literal.ignoreCase)
        return true;
    return std::all_of(literal.units.cbegin(), literal.units.cend(),
                       [](QChar c) { return caseVariants(c.unicode()).size() <= kMaxVariants; });
}

LiteralScan::LiteralScan(const InnerLiteral& literal, QStringView subject)
    : m_text(subject.isEmpty() ? u"" : subject.utf16()), m_size(subject.size()), m_inRange(literal.inRange),
      m_rangeFirst(literal.rangeFirst), m_rangeLast(literal.rangeLast), m_longestPrefix(literal.longestPrefix),
      m_shortestPrefix(literal.shortestPrefix), m_prefixUnits(literal.prefixUnits.get())
{
    const auto prefixRange = m_inRange && m_prefixUnits ? m_prefixUnits->oneRange() : std::nullopt;
    m_beforeInside = prefixRange.has_value();
    m_beforeFirst = prefixRange ? prefixRange->first : m_rangeFirst;
    m_beforeLast = prefixRange ? prefixRange->second : m_rangeLast;
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
        // An occurrence with too few units of the prefix before it, back to
        // `from`, is no literal of a match.
        for (m_found = nextOccurrence(from); m_found >= 0; m_found = nextOccurrence(m_found + 1)) {
            m_start = startBefore(m_found, from);
            if (m_found - m_start >= m_shortestPrefix)
                break;
        }
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
    if (m_inRange)
        return nextInRange(from, m_size - 1);
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

// Only a unit after one of the prefix's can be the literal of a match (the
// prefix holds one unit at least), which leaves out all but the first of a
// run of digits, for one.
qsizetype LiteralScan::nextInRange(qsizetype from, qsizetype last) const
{
    const char16_t* t = m_text;
    const auto candidate = [&](qsizetype i) {
        return within(t[i], m_rangeFirst, m_rangeLast) && within(t[i - 1], m_beforeFirst, m_beforeLast) == m_beforeInside;
    };
    qsizetype i = std::max<qsizetype>(from, 1);
#ifdef __SSE2__
    for (; i + 8 <= last + 1; i += 8) {
        const __m128i here = within(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i)), m_rangeFirst, m_rangeLast);
        const __m128i before =
            within(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i - 1)), m_beforeFirst, m_beforeLast);
        const __m128i hits = m_beforeInside ? _mm_and_si128(here, before) : _mm_andnot_si128(before, here);
        if (const int mask = _mm_movemask_epi8(hits))
            return i + std::countr_zero(unsigned(mask)) / 2;
    }
#endif
    for (; i <= last; ++i) {
        if (candidate(i))
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
