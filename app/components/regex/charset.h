#pragma once

#include <QString>
#include <bitset>
#include <memory>

namespace pattaro {

// A set of UTF-16 code units, as a character class denotes it.
class CharSet {
public:
    CharSet();
    CharSet(const CharSet& other);
    CharSet& operator=(const CharSet& other);

    static CharSet digits();          // \d
    static CharSet wordChars();       // \w
    static CharSet whiteSpace();      // \s: white space and line terminators
    static CharSet lineTerminators(); // LF, CR, U+2028, U+2029

    void add(char16_t unit) { m_bits->set(unit); }
    void addRange(char16_t first, char16_t last);
    void add(const CharSet& other) { *m_bits |= *other.m_bits; }
    CharSet inverted() const;
    // Adds every unit that matches a member when case is ignored.
    CharSet caseClosed() const;

    // A PCRE2 atom matching exactly this set; an empty set never matches.
    QString toPcre() const;

private:
    std::unique_ptr<std::bitset<0x10000>> m_bits;
};

} // namespace pattaro
