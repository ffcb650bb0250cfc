#include "compat/drawingsurface.h"
#include "testkit/penline.h"

#include <gtest/gtest.h>

#include <QFont>
#include <set>
#include <utility>

using namespace pattaro::platform;

namespace {

constexpr OleColor kWhite = 0x00FFFFFF;
constexpr OleColor kRed = 0x000000FF;
constexpr OleColor kBlue = 0x00FF0000;

using Pixels = std::set<std::pair<int, int>>;

// Every pixel that differs from the background colour.
Pixels painted(const DrawingSurface& s, OleColor background = kWhite)
{
    Pixels out;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.GetPixel(x, y) != background)
                out.insert({x, y});
    return out;
}

const auto line = pattaro::testing::penLine;

DrawingSurface whiteSurface(int w = 20, int h = 20)
{
    DrawingSurface s(w, h);
    s.BackColor(kWhite);
    return s;
}

} // namespace

TEST(DrawingSurfaceLines, LeaveTheEndPointUnpaintedInEveryDirection)
{
    struct Case {
        int x1, y1, x2, y2;
        Pixels expected;
    };
    const Case cases[] = {
        {2, 3, 6, 3, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}},
        {6, 3, 2, 3, {{6, 3}, {5, 3}, {4, 3}, {3, 3}}},
        {4, 1, 4, 4, {{4, 1}, {4, 2}, {4, 3}}},
        {4, 4, 4, 1, {{4, 4}, {4, 3}, {4, 2}}},
        {1, 1, 4, 4, {{1, 1}, {2, 2}, {3, 3}}},
        {4, 1, 1, 4, {{4, 1}, {3, 2}, {2, 3}}},
        {5, 5, 6, 5, {{5, 5}}},
        {5, 5, 5, 5, {}},
    };
    for (const Case& c : cases) {
        DrawingSurface s = whiteSurface();
        line(s, c.x1, c.y1, c.x2, c.y2, kRed);
        EXPECT_EQ(painted(s), c.expected) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
    }
}

TEST(DrawingSurfaceLines, ExactHalvesGoToTheUpperRowOrLeftColumn)
{
    struct Case {
        int x1, y1, x2, y2;
        Pixels expected;
    };
    const Case cases[] = {
        // shallow, down and up: one pixel per column
        {0, 0, 8, 2, {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 2}}},
        {0, 2, 8, 0, {{0, 2}, {1, 2}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 0}, {7, 0}}},
        {8, 2, 0, 0, {{8, 2}, {7, 2}, {6, 1}, {5, 1}, {4, 1}, {3, 1}, {2, 0}, {1, 0}}},
        // steep: one pixel per row
        {0, 0, 1, 2, {{0, 0}, {0, 1}}},
        {1, 0, 0, 2, {{1, 0}, {0, 1}}},
        {0, 0, 1, 3, {{0, 0}, {0, 1}, {1, 2}}},
    };
    for (const Case& c : cases) {
        DrawingSurface s = whiteSurface();
        line(s, c.x1, c.y1, c.x2, c.y2, kRed);
        EXPECT_EQ(painted(s), c.expected) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
    }
}

TEST(DrawingSurfaceLines, ClosedPathPaintsEveryCornerOnce)
{
    // A one-by-one outline is a two-by-two dot.
    DrawingSurface s = whiteSurface();
    const auto pen = s.CreatePen(PS_SOLID, 1, kBlue);
    const auto old = s.SelectObject(pen);
    s.MoveToEx(5, 5);
    s.LineTo(6, 5);
    s.LineTo(6, 6);
    s.LineTo(5, 6);
    s.LineTo(5, 5);
    s.SelectObject(old);
    s.DeleteObject(pen);
    EXPECT_EQ(painted(s), (Pixels{{5, 5}, {6, 5}, {6, 6}, {5, 6}}));
    EXPECT_EQ(s.GetPixel(6, 6), kBlue);
    EXPECT_EQ(s.CurrentPosition(), QPoint(5, 5));
}

TEST(DrawingSurfaceLines, ClipToTheSurfaceAndSurviveFarOffEndPoints)
{
    DrawingSurface s = whiteSurface(10, 4);
    line(s, -1, 2, 11, 2, kRed); // the title bar's "-1 to sw + 1" line
    Pixels row;
    for (int x = 0; x < 10; ++x)
        row.insert({x, 2});
    EXPECT_EQ(painted(s), row);

    DrawingSurface t = whiteSurface(10, 4);
    line(t, -2000000000, 1, 2000000000, 1, kRed);
    line(t, 3, -2000000000, 3, 2000000000, kBlue);
    line(t, -2000000000, -2000000000, 2000000000, 2000000000, kRed);
    EXPECT_EQ(t.GetPixel(9, 1), kRed);
    EXPECT_EQ(t.GetPixel(3, 3), kRed); // the diagonal, drawn last
    EXPECT_EQ(t.GetPixel(3, 0), kBlue);
}

TEST(DrawingSurfacePens, EveryCreatedPenCanBeDeletedOnceDeselected)
{
    DrawingSurface s = whiteSurface();
    EXPECT_EQ(s.SelectedPen(), DrawingSurface::kStockBlackPen);
    const auto a = s.CreatePen(PS_SOLID, 1, kRed);
    const auto b = s.CreatePen(PS_SOLID, 1, kBlue);
    EXPECT_NE(a, b);
    EXPECT_EQ(s.LivePens(), 2);

    EXPECT_EQ(s.SelectObject(a), DrawingSurface::kStockBlackPen);
    EXPECT_FALSE(s.DeleteObject(a)) << "a selected pen stays";
    EXPECT_EQ(s.SelectObject(b), a);
    EXPECT_TRUE(s.DeleteObject(a));
    EXPECT_FALSE(s.DeleteObject(a)) << "already gone";
    EXPECT_EQ(s.SelectObject(a), 0u) << "a deleted pen cannot be selected";
    EXPECT_EQ(s.SelectedPen(), b);
    EXPECT_EQ(s.SelectObject(DrawingSurface::kStockBlackPen), b);
    EXPECT_TRUE(s.DeleteObject(b));
    EXPECT_TRUE(s.DeleteObject(DrawingSurface::kStockBlackPen));
    EXPECT_EQ(s.LivePens(), 0);
}

TEST(DrawingSurfacePens, StockPenDrawsBlackAndNullPenNothing)
{
    DrawingSurface s = whiteSurface();
    s.MoveToEx(0, 0);
    s.LineTo(3, 0);
    EXPECT_EQ(s.GetPixel(2, 0), 0u);

    const auto none = s.CreatePen(PS_NULL, 1, kRed);
    s.SelectObject(none);
    s.MoveToEx(0, 5);
    s.LineTo(9, 5);
    EXPECT_EQ(painted(s), (Pixels{{0, 0}, {1, 0}, {2, 0}}));
}

TEST(DrawingSurfacePens, WidePensCoverASquareAroundThePath)
{
    DrawingSurface s = whiteSurface();
    const auto pen = s.CreatePen(PS_SOLID, 3, kRed);
    s.SelectObject(pen);
    s.MoveToEx(5, 5);
    s.LineTo(6, 5);
    Pixels square;
    for (int y = 4; y <= 6; ++y)
        for (int x = 4; x <= 6; ++x)
            square.insert({x, y});
    EXPECT_EQ(painted(s), square);
}

TEST(DrawingSurfaceBackground, ClsReturnsToColourAndPicture)
{
    DrawingSurface s(8, 6);
    s.BackColor(kBlue);
    s.SetPixel(7, 5, kRed);
    EXPECT_EQ(s.GetPixel(7, 5), kRed);
    s.Cls();
    EXPECT_EQ(s.GetPixel(7, 5), kBlue);

    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::green);
    s.Picture(picture);
    EXPECT_EQ(s.GetPixel(3, 2), 0x0000FF00u) << "a new picture shows at once";
    s.SetPixel(0, 0, kRed);
    s.SetPixel(6, 4, kRed);
    s.Cls();
    EXPECT_EQ(s.GetPixel(0, 0), 0x0000FF00u);
    EXPECT_EQ(s.GetPixel(4, 2), kBlue);
    EXPECT_EQ(s.GetPixel(6, 4), kBlue);

    s.Picture(QImage());
    EXPECT_EQ(s.GetPixel(0, 0), kBlue);
}

TEST(DrawingSurfaceBackground, ResizeKeepsTheDrawingAndShowsBackgroundInTheNewArea)
{
    DrawingSurface s(4, 4);
    s.BackColor(kBlue);
    s.SetPixel(3, 3, kRed);
    s.Resize(6, 5);
    EXPECT_EQ(s.Width(), 6);
    EXPECT_EQ(s.Height(), 5);
    EXPECT_EQ(s.GetPixel(3, 3), kRed);
    EXPECT_EQ(s.GetPixel(5, 4), kBlue);
    s.Resize(2, 2);
    s.Resize(0, -1);
    EXPECT_EQ(s.Width(), 0);
    EXPECT_EQ(s.Height(), 0);
    s.Cls();
    line(s, 0, 0, 5, 5, kRed);
    EXPECT_EQ(s.LivePens(), 0);
}

TEST(DrawingSurfacePixels, SetPixelOutsideTheSurfaceIsRefused)
{
    DrawingSurface s = whiteSurface(3, 3);
    EXPECT_EQ(s.SetPixel(2, 2, 0x01ABCDEF), 0x00ABCDEFu);
    EXPECT_EQ(s.GetPixel(2, 2), 0x00ABCDEFu);
    EXPECT_EQ(s.SetPixel(3, 0, kRed), CLR_INVALID);
    EXPECT_EQ(s.SetPixel(-1, 0, kRed), CLR_INVALID);
    EXPECT_EQ(s.GetPixel(0, 3), CLR_INVALID);
}

namespace {

DrawingSurface textSurface()
{
    DrawingSurface s(120, 40);
    s.BackColor(kWhite);
    QFont font;
    font.setPixelSize(13);
    font.setBold(true);
    s.Font(font);
    s.ForeColor(kRed);
    return s;
}

} // namespace

TEST(DrawingSurfaceText, MeasuresInTheSurfaceFont)
{
    DrawingSurface s = textSurface();
    EXPECT_EQ(s.TextWidth(""), 0);
    EXPECT_GT(s.TextWidth("Pattaro"), s.TextWidth("Pat"));
    EXPECT_EQ(s.TextWidth("ab\nPattaro"), s.TextWidth("Pattaro"));
    EXPECT_GT(s.TextHeight("H"), 0);
    EXPECT_EQ(s.TextHeight("a\nb"), 2 * s.TextHeight("H"));
    QFont bigger = s.Font();
    bigger.setPixelSize(26);
    const int small = s.TextHeight("H");
    s.Font(bigger);
    EXPECT_GT(s.TextHeight("H"), small);
}

TEST(DrawingSurfaceText, DrawsInsideTheRectangleCentredVerticallyWithoutBlending)
{
    DrawingSurface s = textSurface();
    const RECT r{10, 5, 100, 35};
    s.DrawTextEx("Hello", r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    const Pixels ink = painted(s);
    ASSERT_FALSE(ink.empty());
    int top = 1000, bottom = -1, left = 1000;
    for (auto [x, y] : ink) {
        EXPECT_EQ(s.GetPixel(x, y), kRed) << "antialiased pixel at " << x << "," << y;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        left = std::min(left, x);
        EXPECT_LT(x, 10 + s.TextWidth("Hello") + 2);
    }
    EXPECT_GE(left, 10);
    EXPECT_LE(left, 12);
    // The line box (text height) sits in the middle of the rectangle.
    const int lineTop = (5 + 35 - s.TextHeight("H")) / 2;
    EXPECT_GE(top, lineTop);
    EXPECT_LE(bottom, lineTop + s.TextHeight("H"));
}

TEST(DrawingSurfaceText, ClipsToTheRectangle)
{
    DrawingSurface s = textSurface();
    const RECT r{10, 5, 20, 35};
    s.DrawTextEx("WWWWWWWW", r, DT_SINGLELINE | DT_VCENTER);
    for (auto [x, y] : painted(s)) {
        EXPECT_GE(x, 10);
        EXPECT_LT(x, 20);
    }
    DrawingSurface t = textSurface();
    t.DrawTextEx("WWWW", RECT{50, 5, 40, 35}, DT_SINGLELINE | DT_VCENTER);
    EXPECT_TRUE(painted(t).empty()) << "an inverted rectangle shows nothing";
}

TEST(DrawingSurfaceText, AmpersandsMarkMnemonics)
{
    const RECT r{2, 2, 118, 38};
    const unsigned fmt = DT_SINGLELINE | DT_VCENTER;

    DrawingSurface doubled = textSurface();
    doubled.DrawTextEx("A&&B", r, fmt);
    DrawingSurface literal = textSurface();
    literal.DrawTextEx("A&B", r, fmt | DT_NOPREFIX);
    EXPECT_EQ(doubled.Image(), literal.Image());

    DrawingSurface plain = textSurface();
    plain.DrawTextEx("File", r, fmt);
    DrawingSurface marked = textSurface();
    marked.DrawTextEx("&File", r, fmt);
    const Pixels a = painted(plain), b = painted(marked);
    EXPECT_NE(a, b);
    Pixels added;
    for (const auto& p : b)
        if (!a.contains(p))
            added.insert(p);
    ASSERT_FALSE(added.empty());
    const int row = added.begin()->second;
    for (auto [x, y] : added) {
        EXPECT_EQ(y, row) << "the underline is one row";
        EXPECT_LT(x, 2 + marked.TextWidth("F") + 1) << "under the first letter only";
    }
}

TEST(DrawingSurfacePictures, ScalesIntoTheRoundedBox)
{
    DrawingSurface s = whiteSurface(10, 10);
    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.fill(QColor(0, 0, 255));
    s.PaintPicture(picture, 2.5, 3.5, 3, 2.5); // x 2, y 4, 3 x 2
    Pixels box;
    for (int y = 4; y < 6; ++y)
        for (int x = 2; x < 5; ++x)
            box.insert({x, y});
    EXPECT_EQ(painted(s), box);
    EXPECT_EQ(s.GetPixel(2, 4), kBlue);

    QImage clear(4, 4, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    s.PaintPicture(clear, 0, 0, 8, 8);
    EXPECT_EQ(painted(s), box) << "transparent parts leave the surface";
    s.PaintPicture(picture, 0, 0, 0, 5);
    EXPECT_EQ(painted(s), box);
}
