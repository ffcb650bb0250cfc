#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

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
    static bool isLineTerminator(char16_t unit) { return unit == 0x0A || unit == 0x0D || unit == 0x2028 || unit == 0x2029; }

    void add(char16_t unit) { word(unit) |= bit(unit); }
    void addRange(char16_t first, char16_t last);
    void add(const CharSet& other);
    CharSet inverted() const;
    // Adds every unit that matches a member when case is ignored.
    CharSet caseClosed() const;
    bool contains(char16_t unit) const { return ((*m_words)[unit / 64] & bit(unit)) != 0; }
    // The first and last unit when the set is one run of units, as \d is.
    std::optional<std::pair<char16_t, char16_t>> oneRange() const;
    bool sharesAny(const CharSet& other) const { return countShared(other) > 0; }
    bool holdsLineTerminator() const
    {
        return contains(0x0A) || contains(0x0D) || contains(0x2028) || contains(0x2029);
    }

    // A PCRE2 atom matching exactly this set; an empty set never matches.
    QString toPcre() const;
    // The members as runs of consecutive units, first to last, lowest first.
    std::vector<std::pair<char16_t, char16_t>> ranges() const;

private:
    // Whole words at a time: a pattern may hold thousands of classes, and
    // each would otherwise cost a pass over all 65,536 units.
    static constexpr uint32_t kUnits = 0x10000;
    using Words = std::array<uint64_t, kUnits / 64>;
    std::unique_ptr<Words> m_words;

    uint64_t& word(uint32_t unit) { return (*m_words)[unit / 64]; }
    static uint64_t bit(uint32_t unit) { return uint64_t(1) << (unit % 64); }
    // How many members `mask` shares with this set; f(unit) for each of them.
    int countShared(const CharSet& mask) const;
    template <class F> void forEachShared(const CharSet& mask, F f) const;
    // The first unit at or after `from` that is in the set (or, with
    // `member` false, not in it); kUnits when there is none.
    uint32_t next(uint32_t from, bool member) const;
};

} // namespace pattaro
