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

qsizetype CountLeftmostFirst(QByteArrayView text, const std::vector<ByteFinder>& alternatives)
{
    // Each alternative's next occurrence is kept until the search passes
    // it; -1 once it has none left.
    constexpr qsizetype kUnknown = -2;
    std::vector<qsizetype> next(alternatives.size(), kUnknown);
    qsizetype found = 0;
    for (qsizetype from = 0;;) {
        size_t first = alternatives.size();
        for (size_t i = 0; i < alternatives.size(); ++i) {
            if (next[i] == kUnknown || (next[i] >= 0 && next[i] < from))
                next[i] = alternatives[i].find(text, from);
            if (next[i] >= 0 && (first == alternatives.size() || next[i] < next[first]))
                first = i;
        }
        if (first == alternatives.size())
            return found;
        ++found;
        from = next[first] + alternatives[first].size();
    }
}

} // namespace pattaro
