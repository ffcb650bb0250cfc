#include "frame/colormath.h"
#include "frame/gradientmath.h"

#include "compat/vberror.h"

#include <gtest/gtest.h>

#include <climits>

using namespace pattaro;

TEST(ThemePairs, FiveFixedPairs)
{
    const std::uint32_t pairs[5][2] = {{10248467, 16706781}, {7298911, 16512244}, {3693887, 14809591},
                                       {4746082, 15923448}, {1989493, 10874879}};
    for (int theme = 0; theme < 5; ++theme) {
        const auto pair = FixedThemePair(theme);
        ASSERT_TRUE(pair) << theme;
        EXPECT_EQ(pair->From, pairs[theme][0]) << theme;
        EXPECT_EQ(pair->To, pairs[theme][1]) << theme;
    }
    for (int other : {-1, 5, 6, 7, INT_MAX})
        EXPECT_FALSE(FixedThemePair(other)) << other;
}

TEST(BlendColors, HalvesEachChannelRoundingHalfToEven)
{
    EXPECT_EQ(BlendColors(0x009C6113, 0), float(0x004E300A));  // 9.5 -> 10, 48.5 -> 48, 78
    EXPECT_EQ(BlendColors(0x006F5F5F, 0), float(0x00383030));  // 47.5 -> 48, 55.5 -> 56
    EXPECT_EQ(BlendColors(0x00000000, 0x00FFFFFF), float(0x00808080)); // 127.5 -> 128
    EXPECT_EQ(BlendColors(0x00010203, 0x00010203), float(0x00010203));
    // Half-way to white.
    EXPECT_EQ(BlendColors(0x009C6113, 0x00FFFFFF), float(0x00CEB089));
    // A value with the high bit set splits by truncating signed division.
    EXPECT_EQ(BlendColors(-1, -1), float(0x000000FF));
}

TEST(GradientRamp, StepsHeldInSinglePrecisionAndRoundedHalfToEven)
{
    // 0 -> 1 in ten steps: 0.1f is slightly above 0.1, so step 5 is just over
    // the half and rounds up, where exact arithmetic would round 0.5 to 0.
    const GradientRamp tenth(0, 1, 10);
    EXPECT_EQ(tenth.ColorAt(5), 1);
    EXPECT_EQ(tenth.ColorAt(4), 0);
    // An exact half goes to the even neighbour: 2.5 -> 2, 7.5 -> 8.
    const GradientRamp halves(0, 5, 2);
    EXPECT_EQ(halves.ColorAt(1), 2);
    const GradientRamp upper(5, 10, 2);
    EXPECT_EQ(upper.ColorAt(1), 8);
    // Channels stay apart; the end colour itself is reached at step n.
    const GradientRamp blue(0x009C6113, 0x00FEECDD, 10);
    EXPECT_EQ(blue.ColorAt(1), 39 + 256 * 111 + 65536 * 166);
    EXPECT_EQ(blue.ColorAt(9), 201 + 256 * 222 + 65536 * 244);
    EXPECT_EQ(blue.ColorAt(10), 0x00FEECDD);
}

TEST(SplitCylinder, BandsOfTheTitleBarExample)
{
    const CylinderBands title = SplitCylinder(-1, 31, 5.01);
    EXPECT_EQ(title.FirstSteps, 6);
    EXPECT_EQ(title.SecondStart, 4);
    EXPECT_EQ(title.SecondSteps, 26);
    // Factors not above 1 count as 1.01.
    for (double f : {1.0, 0.5, 0.0, -3.0}) {
        const CylinderBands b = SplitCylinder(0, 300, f);
        EXPECT_EQ(b.FirstSteps, 297) << f;  // 297.03
        EXPECT_EQ(b.SecondStart, 296) << f; // 296.03
        EXPECT_EQ(b.SecondSteps, 4) << f;   // 3.97
    }
}
