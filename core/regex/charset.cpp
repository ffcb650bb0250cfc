#include "core/regex/charset.h"

#include "core/regex/casefold.h"

#include <bit>

namespace pattaro {
namespace {

void appendUnit(QString& out, char16_t unit)
{
    out += QStringLiteral("\\x{%1}").arg(uint(unit), 0, 16);
}

} // namespace

CharSet::CharSet() : m_words(std::make_unique<Words>()) {}

CharSet::CharSet(const CharSet& other) : m_words(std::make_unique<Words>(*other.m_words)) {}

CharSet& CharSet::operator=(const CharSet& other)
{
    *m_words = *other.m_words;
    return *this;
}

CharSet CharSet::digits()
{
    CharSet s;
    s.addRange(u'0', u'9');
    return s;
}

CharSet CharSet::wordChars()
{
    CharSet s;
    s.addRange(u'a', u'z');
    s.addRange(u'A', u'Z');
    s.addRange(u'0', u'9');
    s.add(u'_');
    return s;
}

CharSet CharSet::whiteSpace()
{
    CharSet s = lineTerminators();
    s.addRange(0x09, 0x0D);
    s.add(0x20);
    s.add(0xA0);
    s.add(0x1680);
    s.addRange(0x2000, 0x200A);
    s.add(0x202F);
    s.add(0x205F);
    s.add(0x3000);
    s.add(0xFEFF);
    return s;
}

CharSet CharSet::lineTerminators()
{
    CharSet s;
    s.add(0x0A);
    s.add(0x0D);
    s.add(0x2028);
    s.add(0x2029);
    return s;
}

void CharSet::addRange(char16_t first, char16_t last)
{
    uint32_t u = first;
    for (; u <= last && u % 64 != 0; ++u)
        add(char16_t(u));
    for (; u + 63 <= last; u += 64)
        word(u) = ~uint64_t(0);
    for (; u <= last; ++u)
        add(char16_t(u));
}

void CharSet::add(const CharSet& other)
{
    for (size_t i = 0; i < m_words->size(); ++i)
        (*m_words)[i] |= (*other.m_words)[i];
}

CharSet CharSet::inverted() const
{
    CharSet s(*this);
    for (uint64_t& w : *s.m_words)
        w = ~w;
    return s;
}

template <class F> void CharSet::forEachShared(const CharSet& mask, F f) const
{
    for (size_t i = 0; i < m_words->size(); ++i) {
        for (uint64_t w = (*m_words)[i] & (*mask.m_words)[i]; w != 0; w &= w - 1)
            f(char16_t(i * 64 + uint32_t(std::countr_zero(w))));
    }
}

CharSet CharSet::caseClosed() const
{
    static const CharSet varying = [] {
        CharSet s;
        for (char16_t u : unitsWithCaseVariants())
            s.add(u);
        return s;
    }();
    // A unit belongs when any of its variants is a member, so it stays out
    // only when all of them are out: walk whichever side has fewer units
    // with variants (a class like \W would otherwise cost thousands of steps).
    const CharSet outside = inverted();
    if (countShared(varying) <= outside.countShared(varying)) {
        CharSet closed(*this);
        forEachShared(varying, [&](char16_t u) {
            for (char16_t v : caseVariants(u))
                closed.add(v);
        });
        return closed;
    }
    CharSet staysOut(outside);
    outside.forEachShared(varying, [&](char16_t u) {
        for (char16_t v : caseVariants(u)) {
            if (contains(v)) {
                staysOut.word(u) &= ~bit(u);
                return;
            }
        }
    });
    return staysOut.inverted();
}

int CharSet::countShared(const CharSet& mask) const
{
    int n = 0;
    for (size_t i = 0; i < m_words->size(); ++i) {
        // Most words share nothing, and counting bits is a call on older CPUs.
        if (const uint64_t shared = (*m_words)[i] & (*mask.m_words)[i])
            n += std::popcount(shared);
    }
    return n;
}

std::optional<std::pair<char16_t, char16_t>> CharSet::oneRange() const
{
    const uint32_t first = next(0, true);
    if (first == kUnits)
        return std::nullopt;
    const uint32_t end = next(first, false);
    if (end != kUnits && next(end, true) != kUnits)
        return std::nullopt;
    return std::pair{char16_t(first), char16_t(end - 1)};
}

uint32_t CharSet::next(uint32_t from, bool member) const
{
    const uint64_t flip = member ? 0 : ~uint64_t(0);
    uint32_t i = from / 64;
    if (i >= m_words->size())
        return kUnits;
    uint64_t w = ((*m_words)[i] ^ flip) & (~uint64_t(0) << (from % 64));
    while (w == 0) {
        if (++i == m_words->size())
            return kUnits;
        w = (*m_words)[i] ^ flip;
    }
    return i * 64 + uint32_t(std::countr_zero(w));
}

std::vector<std::pair<char16_t, char16_t>> CharSet::ranges() const
{
    std::vector<std::pair<char16_t, char16_t>> runs;
    for (uint32_t first = next(0, true); first < kUnits;) {
        const uint32_t last = next(first, false) - 1;
        runs.emplace_back(char16_t(first), char16_t(last));
        first = next(last + 1, true);
    }
    return runs;
}

QString CharSet::toPcre() const
{
    uint32_t first = next(0, true);
    if (first == kUnits)
        return QStringLiteral("(?!)");
    QString out = QStringLiteral("[");
    while (first < kUnits) {
        const uint32_t last = next(first, false) - 1;
        appendUnit(out, char16_t(first));
        if (last > first) {
            if (last > first + 1)
                out += u'-';
            appendUnit(out, char16_t(last));
        }
        first = next(last + 1, true);
    }
    out += u']';
    return out;
}

} // namespace pattaro
