#include "app/components/regex/charset.h"

#include "app/components/regex/casefold.h"

namespace pattaro {
namespace {

void appendUnit(QString& out, char16_t unit)
{
    out += QStringLiteral("\\x{%1}").arg(uint(unit), 0, 16);
}

} // namespace

CharSet::CharSet() : m_bits(std::make_unique<std::bitset<0x10000>>()) {}

CharSet::CharSet(const CharSet& other) : m_bits(std::make_unique<std::bitset<0x10000>>(*other.m_bits)) {}

CharSet& CharSet::operator=(const CharSet& other)
{
    *m_bits = *other.m_bits;
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
    for (uint32_t u = first; u <= last; ++u)
        m_bits->set(u);
}

CharSet CharSet::inverted() const
{
    CharSet s(*this);
    s.m_bits->flip();
    return s;
}

CharSet CharSet::caseClosed() const
{
    CharSet s(*this);
    for (char16_t u : unitsWithCaseVariants()) {
        if (!m_bits->test(u))
            continue;
        for (char16_t v : caseVariants(u))
            s.m_bits->set(v);
    }
    return s;
}

QString CharSet::toPcre() const
{
    QString out = QStringLiteral("[");
    bool any = false;
    uint32_t u = 0;
    while (u < 0x10000) {
        if (!m_bits->test(u)) {
            ++u;
            continue;
        }
        uint32_t last = u;
        while (last + 1 < 0x10000 && m_bits->test(last + 1))
            ++last;
        appendUnit(out, char16_t(u));
        if (last > u) {
            if (last > u + 1)
                out += u'-';
            appendUnit(out, char16_t(last));
        }
        any = true;
        u = last + 1;
    }
    if (!any)
        return QStringLiteral("(?!)");
    out += u']';
    return out;
}

} // namespace pattaro
