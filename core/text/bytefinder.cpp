#include "core/text/bytefinder.h"

#include <cstring>

namespace pattaro {
namespace {

// How common a byte is in text, higher for more common: spaces, lower-case
// letters in the order of their frequency in English, and the bytes that
// begin CJK characters in UTF-8 come first. A rough order is enough to keep
// memchr from stopping at every other byte.
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
    for (qsizetype i = 1; i < m_needle.size(); ++i) {
        if (commonness(uchar(m_needle[i])) < commonness(uchar(m_needle[m_rare])))
            m_rare = i;
    }
}

qsizetype ByteFinder::find(QByteArrayView text, qsizetype from) const
{
    const qsizetype n = m_needle.size();
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char rare = m_needle[m_rare];
    // The rare byte of an occurrence at `from` or later lies at m_rare past it.
    const char* at = begin + from + m_rare;
    while (end - at >= n - m_rare) {
        const auto* hit = static_cast<const char*>(std::memchr(at, rare, size_t(end - at)));
        if (!hit || end - hit < n - m_rare)
            return -1;
        const char* const start = hit - m_rare;
        if (std::memcmp(start, m_needle.constData(), size_t(n)) == 0)
            return start - begin;
        at = hit + 1;
    }
    return -1;
}

qsizetype ByteFinder::count(QByteArrayView text) const
{
    qsizetype found = 0;
    for (qsizetype at = find(text); at >= 0; at = find(text, at + m_needle.size()))
        ++found;
    return found;
}

} // namespace pattaro
