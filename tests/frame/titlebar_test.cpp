#include "tests/frame/skin_fixture.h"

#include "compat/propertybag.h"
#include "frame/colormath.h"
#include "frame/skinvalues.h"

using namespace pattaro;
using namespace pattaro::testing;
using platform::OleColor;
using platform::RECT;

namespace {

// A control loaded on a scripted form with one design change.
class FrameTest : public SkinTest {
protected:
    // The window's 12-pixel captions: the icon, not the text, sets the
    // title height.
    FrameTest()
    {
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPixelSize(12);
        skin.setFont(font);
    }
    void load(const QString& key, const platform::PropertyValue& value)
    {
        platform::PropertyBag bag;
        bag.WriteProperty(QStringLiteral("ThemeColor"), std::int32_t(ThemeSilver));
        bag.WriteProperty(key, value);
        skin.UserControl_ReadProperties(bag);
    }
    const FrameState& state() const { return skin.State(); }
    // The loaded theme's working colours.
    const ThemePair silver = *FixedThemePair(ThemeSilver);
    OleColor pixel(int x, int y) { return skin.Surface().GetPixel(x, y); }
    OleColor dark() const { return AsColor(orukForms::BlendColor(silver.From, 0)); }
    // Pixels of colour c inside the box (left, top, right, bottom exclusive).
    int count(OleColor c, const RECT& box)
    {
        int n = 0;
        for (int y = box.Top; y < box.Bottom; ++y)
            for (int x = box.Left; x < box.Right; ++x)
                n += pixel(x, y) == c;
        return n;
    }
};

TEST_F(FrameTest, TitleHeightsFollowIconAndStyle)
{
    load(QStringLiteral("Style"), std::int32_t(TitleTwoBands));
    EXPECT_EQ(state().TitleHeight, 31) << "16-pixel icon + 15 beats the text height";
    EXPECT_EQ(state().TitleAreaHeight, 41);
    EXPECT_TRUE(reports().empty());

    skin.IconSize(32753); // 32753 + 15 does not fit in 16 bits
    EXPECT_EQ(reports(), (std::vector<Report>{{QStringLiteral("6"), QStringLiteral("TitleBarHeightSetup")}}));
    EXPECT_LT(state().TitleHeight, 31) << "keeps the text-based height";
    EXPECT_EQ(state().TitleAreaHeight, state().TitleHeight + 10) << "the repaint follows it";
}

TEST_F(FrameTest, IconDecidesWhereTheTitleIsRepaintedFrom)
{
    load(QStringLiteral("Style"), std::int32_t(TitleLinear));
    EXPECT_EQ(state().TitleRectLeft, 0);
    host.icon = QImage(16, 16, QImage::Format_ARGB32);
    host.icon.fill(Qt::red);
    skin.Refresh();
    EXPECT_EQ(state().TitleRectLeft, 619);
    const OleColor red = platform::rgb(255, 0, 0);
    EXPECT_EQ(pixel(9, 10), red) << "icon at x 9, y (31 - 16) / 2 + 2 = 9.5, rounded to even";
    EXPECT_NE(pixel(9, 9), red);
    EXPECT_NE(pixel(8, 10), red);
    EXPECT_EQ(pixel(24, 25), red);
    EXPECT_NE(pixel(24, 26), red);
}

TEST_F(FrameTest, OnlyTheDarkBandStyleDrawsTheCaptionOnce)
{
    host.caption = QStringLiteral("HHHH");
    for (const std::int32_t style : {TitleDarkBand, TitleLinear}) {
        load(QStringLiteral("Style"), style);
        const RECT captionArea{9, 4, 100, 31};
        EXPECT_GT(count(silver.To, captionArea), 0) << style;
        EXPECT_EQ(count(dark(), captionArea) > 0, style != TitleDarkBand) << style;
    }
}

TEST_F(FrameTest, CaptionsAreTrimmedAndMayDisappear)
{
    load(QStringLiteral("Style"), std::int32_t(TitleLinear));
    const auto& s = skin.Surface();
    const QString caption = QStringLiteral("Pattaro regex");
    EXPECT_EQ(skin.TrimWord(caption, s.TextWidth(caption)), caption);
    EXPECT_EQ(skin.TrimWord(caption, s.TextWidth(QStringLiteral("Patt..."))), QStringLiteral("Patt..."));
    EXPECT_EQ(skin.TrimWord(caption, s.TextWidth(QStringLiteral("P...")) - 1), QString());
}

TEST_F(FrameTest, GripDotsAreCentredAndStartAtZeroOn34Pixels)
{
    const OleColor shadow = 0x0000FF, dot = 0x00FF00;
    for (const auto& [width, firstX] : {std::pair{34, 0}, std::pair{36, 1}, std::pair{100, 33}}) {
        skin.resize(width, 60);
        skin.Surface().Resize(width, 60);
        skin.Surface().Cls();
        skin.PaintShpInBar(shadow, dot, 7);
        const OleColor back = skin.Surface().BackColor();
        EXPECT_EQ(pixel(firstX, 2), dot) << width;
        EXPECT_EQ(pixel(firstX + 2, 3), shadow) << "shadow at the lower right";
        EXPECT_EQ(pixel(firstX + 4, 2), dot) << "pitch of 4";
        if (firstX > 0) {
            EXPECT_EQ(pixel(firstX - 1, 2), back);
        }
        EXPECT_EQ(count(dot, RECT{0, 0, width, 60}), 9 * 4) << "nine 2 x 2 dots";
    }
}

TEST_F(FrameTest, ButtonsLineUpFromTheRightInIndexOrder)
{
    const struct {
        bool close, max, min;
        std::array<std::int32_t, 3> lefts; // -1: hidden
    } cases[] = {
        {true, true, true, {376, 355, 334}},
        {true, false, false, {376, -1, -1}},
        {true, false, true, {376, -1, 355}},
        {false, true, true, {-1, 376, 355}},
    };
    for (const auto& c : cases) {
        platform::PropertyBag bag;
        bag.WriteProperty(QStringLiteral("CloseButton"), c.close);
        bag.WriteProperty(QStringLiteral("MaxButton"), c.max);
        bag.WriteProperty(QStringLiteral("MinButton"), c.min);
        host.width = 400 * 15;
        skin.UserControl_ReadProperties(bag);
        for (std::size_t i = 0; i < 3; ++i) {
            const CaptionBtn& b = state().CaptionBtns[i];
            EXPECT_EQ(b.Visible, c.lefts[i] >= 0) << i;
            if (b.Visible) {
                EXPECT_EQ(b.Left, c.lefts[i]) << i;
            }
        }
        EXPECT_EQ(skin.GetMenuItemValue(SystemMenu::kMaximize, 3).toBool(), c.max);
        EXPECT_EQ(skin.GetMenuItemValue(SystemMenu::kMinimize, 3).toBool(), c.min);
        EXPECT_EQ(skin.GetMenuItemValue(SystemMenu::kClose, 1).toBool(), c.close);
    }
    EXPECT_EQ(state().LeftmostBtn, CaptionButton::Minimize);
}

TEST_F(FrameTest, HitTestExcludesTheLeftColumnAndTopRow)
{
    load(QStringLiteral("MaxButton"), false);
    const CaptionBtn& close = state().CaptionBtns[0];
    const std::int16_t L = std::int16_t(close.Left), T = std::int16_t(close.Top);
    EXPECT_EQ(T, state().BtnOffsetY + 2);
    EXPECT_EQ(skin.HitTestCaptionBtn(L, T + 5), -1);
    EXPECT_EQ(skin.HitTestCaptionBtn(L + 1, T + 5), 0);
    EXPECT_EQ(skin.HitTestCaptionBtn(L + 17, T + 17), 0);
    EXPECT_EQ(skin.HitTestCaptionBtn(L + 18, T + 5), -1);
    EXPECT_EQ(skin.HitTestCaptionBtn(L + 5, T), -1);
    EXPECT_EQ(skin.HitTestCaptionBtn(L - 21 + 5, T + 5), 2) << "minimise sits next to close";
    EXPECT_EQ(skin.HitTestCaptionBtn(L - 42 + 5, T + 5), -1) << "no hidden maximise button";
}

TEST_F(FrameTest, HighlightShowsTheTooltipAndNormalLookRepaintsOnlyTheLeftmostBackground)
{
    load(QStringLiteral("Style"), std::int32_t(TitleLinear));
    const auto& b = state().CaptionBtns;
    for (std::int16_t i = 0; i < 3; ++i) {
        skin.DrawCaptionBtns(true, silver.From, i);
        EXPECT_EQ(skin.toolTip(), b[std::size_t(i)].ToolTip);
        EXPECT_EQ(b[std::size_t(i)].State, -1);
    }
    EXPECT_EQ(b[1].ToolTip, QStringLiteral("最大化"));
    const OleColor highlight = pixel(b[0].Left + 1, b[0].Top + 9);
    const OleColor title = pixel(b[2].Left - 3, b[2].Top + 9);
    ASSERT_NE(highlight, title);

    skin.DrawCaptionBtns(false, silver.From, -1);
    EXPECT_EQ(skin.toolTip(), QString());
    EXPECT_EQ(pixel(b[2].Left + 1, b[2].Top + 9), title) << "leftmost background repainted";
    EXPECT_EQ(pixel(b[0].Left + 1, b[0].Top + 9), highlight) << "the others keep theirs";
    for (const CaptionBtn& each : b)
        EXPECT_EQ(each.State, 0);
}

TEST_F(FrameTest, AtTwiceTheDevicePixelsEachPixelBecomesASharpBlock)
{
    host.caption = QStringLiteral("Pattaro");
    load(QStringLiteral("Style"), std::int32_t(TitleLinear));
    QImage shown(skin.size() * 2, QImage::Format_RGB32);
    shown.setDevicePixelRatio(2);
    skin.render(&shown);
    int checked = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 620; x += 7) {
            const QColor drawn = platform::toQColor(pixel(x, y));
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                checked += shown.pixelColor(2 * x + d.x(), 2 * y + d.y()) == drawn;
        }
    EXPECT_EQ(checked, 40 * 89 * 4) << "no pixel blended with its neighbours";
}

TEST_F(FrameTest, AtTwiceTheDevicePixelsTheIconShowsItsLargerImage)
{
    // A checkerboard that shrinks to one colour at 16 pixels but keeps its
    // squares at 32.
    host.icon = QImage(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            host.icon.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    load(QStringLiteral("Style"), std::int32_t(TitleLinear));
    QImage shown(skin.size() * 2, QImage::Format_RGB32);
    shown.setDevicePixelRatio(2);
    skin.render(&shown);
    const QPoint corner(2 * 9, 2 * 10); // the icon's top left, in device pixels
    EXPECT_NE(shown.pixel(corner), shown.pixel(corner + QPoint(1, 0)));
    EXPECT_EQ(shown.pixel(corner), shown.pixel(corner + QPoint(1, 1)));
    EXPECT_EQ(shown.pixel(corner - QPoint(1, 0)), shown.pixel(corner - QPoint(2, 0))) << "the title around it";
}

TEST_F(FrameTest, BorderAndCornersFrameTheClientArea)
{
    load(QStringLiteral("Style"), std::int32_t(TitleLinear));
    const std::int32_t CH = state().TitleAreaHeight, sw = 620, sh = 494;
    const OleColor C1 = silver.From;
    EXPECT_EQ(pixel(0, CH + 20), C1);
    EXPECT_EQ(pixel(sw - 1, CH + 20), C1);
    EXPECT_EQ(pixel(300, sh - 1), C1);
    EXPECT_EQ(pixel(2, CH + 20), dark());
    EXPECT_EQ(pixel(4, CH + 1), dark());
    EXPECT_EQ(pixel(sw - 3, CH + 2), C1);
    EXPECT_EQ(pixel(300, CH), dark()) << "underline of the title";
    const OleColor back = skin.Surface().BackColor();
    EXPECT_EQ(pixel(300, CH + 8), back) << "the shadow ends after seven rows";
    EXPECT_NE(pixel(300, CH + 1), back);
    EXPECT_EQ(skin.Surface().LivePens(), 0);
}

} // namespace
