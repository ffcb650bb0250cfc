#include "tests/frame/skin_fixture.h"

#include <QFile>
#include <climits>

using namespace pattaro;
using namespace pattaro::testing;
using platform::DrawingSurface;
using platform::OleColor;
using platform::RECT;
using platform::rgb;

namespace {

constexpr OleColor kBack = 0x00FFFFFF;
constexpr OleColor kRed = 0x000000FF;

class PrimitivesTest : public SkinTest {
protected:
    PrimitivesTest() { surface.BackColor(kBack); }

    void TearDown() override
    {
        // Every pen the primitives made is gone and the stock pen is back.
        EXPECT_EQ(surface.LivePens(), 0);
        EXPECT_EQ(surface.SelectedPen(), DrawingSurface::kStockBlackPen);
    }
    std::vector<OleColor> column(int x, int from, int to) const
    {
        std::vector<OleColor> out;
        for (int y = from; y <= to; ++y)
            out.push_back(surface.GetPixel(x, y));
        return out;
    }

    DrawingSurface surface{40, 40};
};

TEST_F(PrimitivesTest, RectangleOfOneByOneIsATwoByTwoDot)
{
    skin.ApiRectangle(surface, 5, 5, 1, 1, kRed);
    EXPECT_EQ(painted(surface, kBack), (Pixels{{5, 5}, {6, 5}, {6, 6}, {5, 6}}));
}

TEST_F(PrimitivesTest, LinearGradientsStopShortOfTheEndColour)
{
    skin.DrawGradientEx(surface, 0, kRed, 0, 0, 40, 1, true); // one step: nothing
    EXPECT_TRUE(painted(surface, kBack).empty());

    // Ten steps: rows y1 + 1 .. y1 + 9, columns x1 .. x2 - 1, from c0 + step
    // to c0 + 9 × step.
    skin.DrawGradientEx(surface, 0x009C6113, 0x00FEECDD, 3, 5, 8, 10, true);
    Pixels expected;
    for (int y = 6; y <= 14; ++y)
        for (int x = 3; x <= 7; ++x)
            expected.insert({x, y});
    EXPECT_EQ(painted(surface, kBack), expected);
    EXPECT_EQ(surface.GetPixel(3, 6), rgb(39, 111, 166));
    EXPECT_EQ(surface.GetPixel(7, 14), rgb(201, 222, 244));

    // Horizontal: columns x1 + i, rows y1 .. y2 - 1; 127.5 rounds to 128.
    surface.Cls();
    skin.DrawGradientEx(surface, 0, 0x00FF0000, 2, 1, 4, 3, false);
    EXPECT_EQ(painted(surface, kBack), (Pixels{{3, 1}, {3, 2}, {4, 1}, {4, 2}, {5, 1}, {5, 2}}));
    EXPECT_EQ(surface.GetPixel(3, 1), rgb(0, 0, 64));
    EXPECT_EQ(surface.GetPixel(4, 2), rgb(0, 0, 128));
    EXPECT_EQ(surface.GetPixel(5, 1), rgb(0, 0, 191));
    EXPECT_TRUE(reports().empty());
}

TEST_F(PrimitivesTest, FailuresAreReportedUnderTheRoutineWhereTheyHappen)
{
    skin.DrawGradientEx(surface, 0, kRed, 0, 0, 40, 0, true);      // x / 0
    skin.DrawGradientEx(surface, kRed, kRed, 0, 0, 0, 40, false);  // 0 / 0
    skin.ApiRectangle(surface, INT_MAX, 0, 1, 1, kRed);
    EXPECT_TRUE(painted(surface, kBack).empty());
    // A zero-height box fails in its gradient; its border still comes.
    skin.DrawGradientInRectangle(surface, 0, kRed, RECT{5, 5, 1, 0}, 0, true, kRed, 5.01);
    EXPECT_EQ(painted(surface, kBack), (Pixels{{5, 5}, {6, 5}}));
    // The box's own sums overflow: nothing further, not even the border.
    skin.DrawGradientInRectangle(surface, 0, kRed, RECT{INT_MAX, 9, 1, 1}, 0, true, kRed, 5.01);
    skin.DrawGradCilinder(surface, 0, kRed, RECT{INT_MAX, 9, 1, 1}, true, 5.01);
    EXPECT_EQ(painted(surface, kBack).size(), 2u);

    EXPECT_EQ(reports(), (std::vector<Report>{{"11", "DrawGradientEx"},
                                               {"6", "DrawGradientEx"},
                                               {"6", "ApiRectangle"},
                                               {"11", "DrawGradientEx"},
                                               {"6", "DrawGradientInRectangle"},
                                               {"6", "DrawGradCilinder"}}));
    EXPECT_EQ(scripted.messageBox.shown.front().title, QStringLiteral("Pattaro - 错误"));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("ErrorLog.txt"))));
}

TEST_F(PrimitivesTest, HugeStepCountsOnlyCostTheVisibleLines)
{
    skin.DrawGradientEx(surface, 0, kRed, 0, 0, 40, INT_MAX, true);
    EXPECT_EQ(painted(surface, kBack).size(), 39u * 40u); // rows 1..39
    EXPECT_TRUE(reports().empty());

    // A row that no longer fits in 32 bits fails, after the visible lines.
    surface.Cls();
    skin.DrawGradientEx(surface, 0, kRed, 0, 5, 40, INT_MAX, true);
    EXPECT_EQ(painted(surface, kBack).size(), 34u * 40u); // rows 6..39
    EXPECT_EQ(reports(), (std::vector<Report>{{"6", "DrawGradientEx"}}));
}

TEST_F(PrimitivesTest, CylinderOfTheTitleBarExample)
{
    // T = -1, H = 31, factor 5.01: rows 0..4 from c1 towards c2, rows 5..29
    // back towards c1; rows -1 and 30 unpainted.
    surface = DrawingSurface(10, 32);
    surface.BackColor(kBack);
    skin.DrawGradCilinder(surface, 0, rgb(60, 120, 240), RECT{2, -1, 5, 31}, true, 5.01);

    EXPECT_EQ(column(2, 0, 6), (std::vector<OleColor>{rgb(10, 20, 40), rgb(20, 40, 80), rgb(30, 60, 120),
                                                        rgb(40, 80, 160), rgb(50, 100, 200), rgb(58, 115, 231),
                                                        rgb(55, 111, 222)}));
    EXPECT_EQ(surface.GetPixel(6, 29), rgb(2, 5, 9));
    EXPECT_EQ(surface.GetPixel(4, 30), kBack);
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(surface.GetPixel(1, y), kBack) << y; // columns L .. L + W - 1 only
        EXPECT_EQ(surface.GetPixel(7, y), kBack) << y;
    }
}

TEST_F(PrimitivesTest, CylinderFactorsNotAboveOneActAsOnePointZeroOne)
{
    const RECT box{0, 0, 300, 30};
    DrawingSurface reference(300, 30);
    skin.DrawGradCilinder(reference, kRed, 0x00FFFF00, box, false, 1.01);
    for (double f : {0.5, 1.0}) {
        DrawingSurface s(300, 30);
        skin.DrawGradCilinder(s, kRed, 0x00FFFF00, box, false, f);
        EXPECT_EQ(s.Image(), reference.Image()) << f;
    }
}

TEST_F(PrimitivesTest, BoxStylesOrderTheirColoursAndAddTheBorder)
{
    const OleColor a = 0, b = rgb(100, 100, 100);
    // Style 0: B at the top, A reached at row T + H; lines span L .. L + W - 1.
    skin.DrawGradientInRectangle(surface, a, b, RECT{2, 3, 10, 4}, 0, false, kRed, 5.01);
    EXPECT_EQ(column(5, 3, 7),
              (std::vector<OleColor>{kBack, rgb(75, 75, 75), rgb(50, 50, 50), rgb(25, 25, 25), kBack}));
    EXPECT_EQ(surface.GetPixel(11, 4), rgb(75, 75, 75));
    EXPECT_EQ(surface.GetPixel(12, 4), kBack);

    // Style 1: B at the left.
    surface.Cls();
    skin.DrawGradientInRectangle(surface, a, b, RECT{2, 3, 4, 10}, 1, false, kRed, 5.01);
    EXPECT_EQ(surface.GetPixel(3, 5), rgb(75, 75, 75));
    EXPECT_EQ(surface.GetPixel(5, 5), rgb(25, 25, 25));

    // Style 2 is the vertical cylinder with A at the edges.
    surface.Cls();
    DrawingSurface direct(40, 40);
    direct.BackColor(kBack);
    skin.DrawGradientInRectangle(surface, a, b, RECT{0, 0, 30, 31}, 2, false, kRed, 5.01);
    skin.DrawGradCilinder(direct, a, b, RECT{0, 0, 30, 31}, true, 5.01);
    EXPECT_EQ(surface.Image(), direct.Image());

    // Any other style fills nothing but still gets its border.
    surface.Cls();
    skin.DrawGradientInRectangle(surface, a, b, RECT{5, 5, 1, 1}, 4, true, kRed, 5.01);
    EXPECT_EQ(painted(surface, kBack), (Pixels{{5, 5}, {6, 5}, {6, 6}, {5, 6}}));
}

} // namespace
