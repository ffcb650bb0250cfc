#include "app/components/richtext/charformats.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

using FormatRun = CharFormats::Run;

constexpr platform::OleColor kGreen = 0x00C000;
constexpr platform::OleColor kOrange = 0x0080FF;

TEST(CharFormats, ColourAndBoldAreSetIndependentlyAndReadAsRuns)
{
    CharFormats formats;
    formats.reset(10);
    EXPECT_TRUE(formats.runs(0, 10).empty());
    EXPECT_EQ(formats.color(3), std::nullopt);

    formats.setColor(2, 6, kGreen);
    formats.setBold(4, 8, true);
    formats.setColor(5, 6, kOrange);
    EXPECT_EQ(formats.runs(0, 10), (std::vector<FormatRun>{
                                       {2, 2, kGreen, false},
                                       {4, 1, kGreen, true},
                                       {5, 1, kOrange, true},
                                       {6, 2, std::nullopt, true},
                                   }));
    // Starts count from the start of the asked range, which may cut a run.
    EXPECT_EQ(formats.runs(3, 5), (std::vector<FormatRun>{{0, 1, kGreen, false}, {1, 1, kGreen, true}}));

    formats.setBold(0, 10, false);
    EXPECT_EQ(formats.runs(0, 10), (std::vector<FormatRun>{{2, 3, kGreen, false}, {5, 1, kOrange, false}}));
    EXPECT_FALSE(formats.bold(6));
    EXPECT_EQ(formats.color(5), kOrange);
}

TEST(CharFormats, EditsShiftFormatsAndNewCharactersTakeTheOneBefore)
{
    CharFormats formats;
    formats.reset(6);
    formats.setColor(1, 3, kGreen); // "bc" of "abcdef"
    formats.setBold(2, 3, true);

    formats.replace(3, 3, 2); // typed after "c": bold green
    formats.replace(0, 0, 1); // typed at the start: nothing to inherit
    ASSERT_EQ(formats.size(), 9);
    EXPECT_EQ(formats.runs(0, 9), (std::vector<FormatRun>{{2, 1, kGreen, false}, {3, 3, kGreen, true}}));

    formats.replace(1, 4, 0); // removes "abc"
    EXPECT_EQ(formats.runs(0, formats.size()), (std::vector<FormatRun>{{1, 2, kGreen, true}}));

    // A new text forgets everything.
    formats.reset(3);
    EXPECT_TRUE(formats.runs(0, 3).empty());
    formats.replace(0, 0, 2);
    EXPECT_EQ(formats.size(), 5);
}

} // namespace
} // namespace pattaro
