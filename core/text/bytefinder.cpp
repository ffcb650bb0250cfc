#include "core/text/bytefinder.h"

#include <algorithm>
#include <cstring>
#include <emmintrin.h>

namespace pattaro {
namespace {

// How common a byte is in text, higher for more common: spaces, lower-case
// letters in the order of their frequency in English, and the bytes that
// begin CJK characters in UTF-8 come first. A rough order is enough to keep
// the search from stopping at every other byte.
int commonness(unsigned char b)
{
    constexpr char kLettersByFrequency[] = "zqxjkvbpygfwmucldrhsnioate";
    if (b == ' ')
        return 40;
    if (b >= 'a' && b <= 'z')
        return 10 + int(std::strchr(kLettersByFrequency, b) - kLettersByFrequency);
    if (b >= 0xE4 && b <= 0xE9)
        return 20;
    if ((b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '\n')
        return 8;
    if (b >= 0x80)
        return 4;
    return 1;
}

} // namespace

ByteFinder::ByteFinder(QByteArrayView needle) : m_needle(needle.toByteArray())
{
    const auto rarer = [&](qsizetype a, qsizetype b) {
        return commonness(uchar(m_needle[a])) < commonness(uchar(m_needle[b]));
    };
    for (qsizetype i = 1; i < m_needle.size(); ++i) {
        if (rarer(i, m_rare))
            m_rare = i;
    }
    m_nextRare = m_rare == 0 ? m_needle.size() - 1 : 0;
    for (qsizetype i = 0; i < m_needle.size(); ++i) {
        if (i != m_rare && rarer(i, m_nextRare))
            m_nextRare = i;
    }
}

qsizetype ByteFinder::find(QByteArrayView text, qsizetype from) const
{
    const qsizetype n = m_needle.size();
    const char* const begin = text.data();
    // The last place an occurrence can begin.
    const qsizetype last = text.size() - n;
    const auto holdsAt = [&](qsizetype at) { return std::memcmp(begin + at, m_needle.constData(), size_t(n)) == 0; };
    const __m128i rare = _mm_set1_epi8(m_needle[m_rare]);
    const __m128i nextRare = _mm_set1_epi8(m_needle[m_nextRare]);
    qsizetype at = std::max<qsizetype>(from, 0);
    // Sixteen places at a time while all of them can hold the needle, so
    // that both loads stay inside the text.
    for (; at + 15 <= last; at += 16) {
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + at + m_rare));
        const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + at + m_nextRare));
        unsigned both = unsigned(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(first, rare), _mm_cmpeq_epi8(second, nextRare))));
        for (; both != 0; both &= both - 1) {
            const qsizetype candidate = at + __builtin_ctz(both);
            if (holdsAt(candidate))
                return candidate;
        }
    }
    for (; at <= last; ++at) {
        if (begin[at + m_rare] == m_needle[m_rare] && holdsAt(at))
            return at;
    }
    return -1;
}

qsizetype FindLastByte(QByteArrayView text, char byte, qsizetype before)
{
    const char* const begin = text.data();
    const __m128i wanted = _mm_set1_epi8(byte);
    for (; before >= 16; before -= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + before - 16));
        const unsigned found = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)));
        if (found != 0)
            return before - 16 + (31 - __builtin_clz(found));
    }
    while (before > 0 && begin[before - 1] != byte)
        --before;
    return before - 1;
}

LeftmostOccurrence::LeftmostOccurrence(QByteArrayView text, const std::vector<ByteFinder>& needles)
    : m_text(text), m_needles(needles), m_next(needles.size(), -2)
{
}

LeftmostOccurrence::Found LeftmostOccurrence::next(qsizetype from)
{
    Found first;
    for (size_t i = 0; i < m_needles.size(); ++i) {
        if (m_next[i] == -2 || (m_next[i] >= 0 && m_next[i] < from))
            m_next[i] = m_needles[i].find(m_text, from);
        if (m_next[i] >= 0 && (first.at < 0 || m_next[i] < first.at))
            first = {m_next[i], i};
    }
    return first;
}

qsizetype CountLeftmostFirst(QByteArrayView text, const std::vector<ByteFinder>& alternatives)
{
    LeftmostOccurrence occurrences(text, alternatives);
    qsizetype found = 0;
    for (LeftmostOccurrence::Found at = occurrences.next(0); at.at >= 0;
         at = occurrences.next(at.at + alternatives[at.needle].size()))
        ++found;
    return found;
}

} // namespace pattaro
