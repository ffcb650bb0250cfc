#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace pattaro {

// Case-insensitive matching as JavaScript does it without the u flag: two code
// units match when their canonical forms are equal, the canonical form being
// the upper case unless that is several characters or would turn a non-ASCII
// unit into an ASCII one (so ſ never matches s, nor the Kelvin sign k).

// The units that match one unit when case is ignored, it among them: never
// more than four.
class CaseVariants {
public:
    static constexpr std::size_t kMost = 4;
    const char16_t* begin() const { return m_units.data(); }
    const char16_t* end() const { return m_units.data() + m_size; }
    std::size_t size() const { return m_size; }

private:
    friend CaseVariants caseVariants(char16_t unit);
    std::array<char16_t, kMost> m_units{};
    std::size_t m_size = 0;
};

CaseVariants caseVariants(char16_t unit);

// Every unit with a variant other than itself, in order.
std::span<const char16_t> unitsWithCaseVariants();

} // namespace pattaro
