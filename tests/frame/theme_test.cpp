#include "tests/frame/skin_fixture.h"

#include "frame/skinvalues.h"

using namespace pattaro;
using namespace pattaro::testing;
using platform::OleColor;

namespace {

struct Pair {
    OleColor from, to;
    friend bool operator==(const Pair&, const Pair&) = default;
};
constexpr Pair kBlue{0x009C6113, 0x00FEECDD}, kSilver{0x006F5F5F, 0x00FBF4F4}, kOlive{0x00385D3F, 0x00E1F9F7},
    kGold{0x001E5B75, 0x00A5EFFF};

Pair working(const orukForms& skin)
{
    return {skin.State().CurColorFrom, skin.State().CurColorTo};
}

using ThemeTest = SkinTest;

TEST_F(ThemeTest, FixedAndCustomPairs)
{
    skin.SetDefaultThemeColor(ThemeBlue);
    for (std::int32_t other : {7, -1, int(ThemeAutomatic)})
        skin.SetDefaultThemeColor(other);
    EXPECT_EQ(working(skin), kBlue);

    skin.ColorFrom(0x00102030);
    skin.ColorTo(0x00405060);
    EXPECT_EQ(working(skin), kBlue); // custom colours wait for ThemeColor 5
    skin.SetDefaultThemeColor(ThemeCustom);
    EXPECT_EQ(working(skin), (Pair{0x00102030, 0x00405060}));
}

TEST_F(ThemeTest, AutomaticModeFollowsTheDesktopsScheme)
{
    const struct {
        bool library, themed;
        QString scheme;
        Pair expected; // starting from gold, so that "unchanged" shows
        QString colorScheme;
    } cases[] = {
        {true, false, {}, kBlue, "Classic"},
        {false, false, {}, kBlue, "Classic"}, // no visual-style library
        {true, true, "NormalColor", kBlue, "NormalColor"},
        {true, true, "Metallic", kSilver, "Metallic"},
        {true, true, "HomeStead", kOlive, "HomeStead"},
        {true, true, "metallic", kGold, "metallic"}, // compared case-sensitively
        {true, true, "Royale", kGold, "Royale"},
    };
    for (const auto& c : cases) {
        scripted.visualStyle.libraryPresent = c.library;
        scripted.visualStyle.themed = c.themed;
        scripted.visualStyle.colorScheme = c.scheme;
        skin.SetDefaultThemeColor(ThemeGold);
        skin.GetGradientColor(skin.hWnd());
        EXPECT_EQ(working(skin), c.expected) << c.scheme.toStdString();
        EXPECT_EQ(skin.State().ColorScheme, c.colorScheme);
        EXPECT_EQ(scripted.visualStyle.openHandles, 0) << "theme handle left open";
    }
    EXPECT_EQ(scripted.visualStyle.openedClasses.front(), QStringLiteral("ExplorerBar"));
    EXPECT_TRUE(reports().empty());
}

TEST_F(ThemeTest, FailingNameQueryLeavesABufferOfNulsThatMatchesNothing)
{
    class NoNames : public ScriptedVisualStyle {
        std::int32_t GetCurrentThemeName(QString&, int, QString&, int) override { return platform::kE_HANDLE; }
    } style;
    style.themed = true;
    style.colorScheme = QStringLiteral("Metallic");
    orukForms control(host, {log, style, questions, windowMessages, modules, menus});
    control.SetDefaultThemeColor(ThemeGold);
    control.GetGradientColor(control.hWnd());
    EXPECT_EQ(control.State().ColorScheme, QString(260, QChar(0)));
    EXPECT_EQ(working(control), kGold);
    EXPECT_EQ(style.openHandles, 0);
}

TEST_F(ThemeTest, SetThemeColorAsksTheDesktopOnlyInAutomaticMode)
{
    scripted.visualStyle.themed = true;
    scripted.visualStyle.colorScheme = QStringLiteral("HomeStead");
    skin.UserControl_InitProperties(); // ThemeColor 0
    EXPECT_EQ(working(skin), kBlue);
    EXPECT_TRUE(scripted.visualStyle.openedClasses.empty());
    skin.ThemeColor(ThemeAutomatic);
    EXPECT_EQ(working(skin), kOlive);
}

TEST_F(ThemeTest, TranslateOleColor)
{
    EXPECT_EQ(orukForms::TranslateOleColor(0x00123456), 0x00123456u);
    EXPECT_EQ(orukForms::TranslateOleColor(0x8000000F), kTestButtonFace);
    EXPECT_EQ(orukForms::TranslateOleColor(0x800000FF), orukForms::kNoColor);
}

} // namespace
