#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace pattaro {

class CharSet;

// The analysis reads a text framed by two marks no character can be: one
// before its first unit and one after its last, so that anchors and the
// end of the text are pieces of the automaton like any other.
using Unit = std::uint32_t;
inline constexpr Unit kTextBegin = 0x10000;
inline constexpr Unit kTextEnd = 0x10001;
inline constexpr Unit kLastCodeUnit = 0xFFFF;

// A set of units as sorted, disjoint, non-adjacent runs.
class UnitSet {
public:
    UnitSet() = default;
    static UnitSet single(Unit unit) { return range(unit, unit); }
    static UnitSet range(Unit first, Unit last);
    static UnitSet fromCharSet(const CharSet& set);
    static UnitSet allCodeUnits() { return range(0, kLastCodeUnit); }

    bool empty() const { return m_runs.empty(); }
    bool contains(Unit unit) const;
    UnitSet united(const UnitSet& other) const;
    UnitSet intersected(const UnitSet& other) const;
    UnitSet without(const UnitSet& other) const;
    const std::vector<std::pair<Unit, Unit>>& runs() const { return m_runs; }
    bool operator==(const UnitSet& other) const = default;

private:
    std::vector<std::pair<Unit, Unit>> m_runs;
    void append(Unit first, Unit last);
};

// A unit of the set that reads well in an attack text: a letter, digit or
// punctuation mark of ASCII where there is one, else the set's first unit.
Unit readableMember(const UnitSet& set);

} // namespace pattaro
