// The sets the automaton reads by: a run merged or cut wrongly makes two
// positions seem to share units they do not, or hides ones they do.
#include "core/redos/unitset.h"

#include <gtest/gtest.h>

using namespace pattaro;

TEST(UnitSet, UnitesIntersectsAndCutsRuns)
{
    const UnitSet digits = UnitSet::range('0', '9');
    const UnitSet lower = UnitSet::range('a', 'z');
    const UnitSet both = digits.united(lower).united(UnitSet::single(':'));
    EXPECT_EQ(both.runs(), (std::vector<std::pair<Unit, Unit>>{{'0', ':'}, {'a', 'z'}}));
    EXPECT_EQ(both.intersected(UnitSet::range('5', 'c')).runs(),
              (std::vector<std::pair<Unit, Unit>>{{'5', ':'}, {'a', 'c'}}));
    EXPECT_EQ(both.without(UnitSet::range('2', 'b')).runs(),
              (std::vector<std::pair<Unit, Unit>>{{'0', '1'}, {'c', 'z'}}));
    EXPECT_TRUE(digits.intersected(lower).empty());
    EXPECT_TRUE(both.contains(':'));
    EXPECT_FALSE(both.contains(';'));
    EXPECT_FALSE(UnitSet::allCodeUnits().contains(kTextEnd));
}

TEST(UnitSet, PicksAReadableMember)
{
    EXPECT_EQ(readableMember(UnitSet::allCodeUnits()), Unit('a'));
    EXPECT_EQ(readableMember(UnitSet::range('0', '9')), Unit('0'));
    EXPECT_EQ(readableMember(UnitSet::range(0x4E00, 0x9FA5)), Unit(0x4E00));
    EXPECT_EQ(readableMember(UnitSet::range('#', '%')), Unit('#'));
}
