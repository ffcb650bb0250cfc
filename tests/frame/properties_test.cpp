#include "tests/frame/skin_fixture.h"

#include "compat/propertybag.h"
#include "compat/vberror.h"
#include "frame/skinvalues.h"

#include <QDir>

using namespace pattaro;
using namespace pattaro::testing;
using platform::OleColor;
using platform::PropertyBag;

namespace {

class PropertiesTest : public SkinTest {
protected:
    PropertiesTest()
    {
        QObject::connect(&skin, &orukForms::PropertyChanged, [this](const QString& name) { m_announced << name; });
    }
    // Properties announced since the last call.
    QStringList announced() { return std::exchange(m_announced, {}); }

private:
    QStringList m_announced;
};

// Every design property of one control, for comparing two controls.
struct Design {
    std::int32_t themeColor, style, backColorStyle, borderStyle;
    bool maxButton, minButton, closeButton, changeAll;
    OleColor custom, from, to;
    std::int16_t iconSize;
    friend bool operator==(const Design&, const Design&) = default;
};

Design designOf(const orukForms& c)
{
    return {c.ThemeColor(), c.Style(),     c.BackColorStyle(), c.BorderStyle(),       c.MaxButton(),
            c.MinButton(),  c.CloseButton(), c.ChangeAllBackgrounds(), c.CustomBackColor(), c.ColorFrom(),
            c.ColorTo(),    c.IconSize()};
}

TEST_F(PropertiesTest, CreationAndLoadingDefaultsDifferInTwoPlaces)
{
    skin.UserControl_InitProperties();
    const Design created{0, 0, 0, 1, true, true, true, false, kTestButtonFace, 0x00404080, 0x00C0E0FF, 16};
    EXPECT_EQ(designOf(skin), created);
    EXPECT_EQ(skin.State().TitleHeight, 30);
    EXPECT_EQ(skin.State().CurColorFrom, 0x009C6113u); // blue
    EXPECT_EQ(skin.Surface().BackColor(), kTestButtonFace);

    orukForms loaded(host, platform());
    loaded.UserControl_ReadProperties(PropertyBag());
    Design expected = created;
    expected.themeColor = ThemeAutomatic;
    EXPECT_EQ(designOf(loaded), expected);
    EXPECT_EQ(loaded.State().ColorScheme, QStringLiteral("Classic"));
    EXPECT_TRUE(reports().empty());
}

TEST_F(PropertiesTest, EveryPropertySurvivesSaveAndLoad)
{
    skin.UserControl_InitProperties();
    skin.ThemeColor(ThemeCustom);
    skin.Style(TitleTwoBands);
    skin.BackColorStyle(BackColorCustom);
    skin.BorderStyle(0);
    skin.MaxButton(false);
    skin.MinButton(false);
    skin.CloseButton(false);
    skin.ChangeAllBackgrounds(true);
    skin.CustomBackColor(0x80000005); // an index other than the button face stays one
    skin.ColorFrom(0x00010203);
    skin.ColorTo(0x00FFFEFD);
    skin.IconSize(32);

    PropertyBag bag;
    skin.UserControl_WriteProperties(bag);
    EXPECT_EQ(bag.Keys(), (QStringList{"themecolor", "colorfrom", "colorto", "backcolorstyle", "borderstyle",
                                       "closebutton", "maxbutton", "minbutton", "custombackcolor", "style",
                                       "iconsize", "changeallbackgrounds"}));
    // Through the saved text too, as a form file would carry it.
    const auto reread = PropertyBag::fromText(bag.toText());
    ASSERT_TRUE(reread);
    orukForms loaded(host, platform());
    loaded.UserControl_ReadProperties(*reread);
    EXPECT_EQ(designOf(loaded), designOf(skin));
    EXPECT_TRUE(loaded.State().StyleExtraApplied);
    EXPECT_EQ(loaded.State().CurColorFrom, 0x00010203u);
    EXPECT_EQ(loaded.State().CurColorTo, 0x00FFFEFDu);
    EXPECT_TRUE(reports().empty());
}

TEST_F(PropertiesTest, SavingLeavesOutLoadingDefaultsButKeepsCreationValues)
{
    skin.UserControl_InitProperties();
    PropertyBag bag;
    skin.UserControl_WriteProperties(bag);
    // ThemeColor 0 is not the saving default 6, and the translated button
    // face is not the saved-against index.
    EXPECT_EQ(bag.Keys(), (QStringList{"themecolor", "custombackcolor"}));
    orukForms loaded(host, platform());
    loaded.UserControl_ReadProperties(bag);
    EXPECT_EQ(designOf(loaded), designOf(skin));

    // The button-face index itself is left out, and comes back translated.
    skin.CustomBackColor(orukForms::kButtonFace);
    PropertyBag indexBag;
    skin.UserControl_WriteProperties(indexBag);
    EXPECT_FALSE(indexBag.Contains(QStringLiteral("CustomBackColor")));
    loaded.UserControl_ReadProperties(indexBag);
    EXPECT_EQ(loaded.CustomBackColor(), kTestButtonFace);
}

TEST_F(PropertiesTest, MainWindowDesign)
{
    const auto bag =
        PropertyBag::load(QDir::cleanPath(QStringLiteral(PATTARO_TEST_DATA_DIR "/../../../ui/resources/form1_design.txt")));
    ASSERT_TRUE(bag);
    skin.UserControl_ReadProperties(*bag);
    const Design expected{ThemeSilver, TitleLinear, BackColorTheme, 0, false, true, true, true,
                          0x00C8D0D4, 0x00404080, 0x00C0E0FF, 16};
    EXPECT_EQ(designOf(skin), expected);
    EXPECT_EQ(skin.State().CurColorFrom, 0x006F5F5Fu);
    EXPECT_EQ(skin.State().CurColorTo, 0x00FBF4F4u);
    EXPECT_FALSE(skin.State().StyleExtraApplied);
    // The silver theme's light colour is the control's background.
    EXPECT_EQ(skin.Surface().BackColor(), 0x00FBF4F4u);
}

TEST_F(PropertiesTest, UnreadableKeyIsReportedAndEndsTheLoading)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Style"), 1);
    bag.WriteProperty(QStringLiteral("IconSize"), 40000); // no 16-bit value
    bag.WriteProperty(QStringLiteral("ChangeAllBackgrounds"), true);
    skin.UserControl_ReadProperties(bag);
    EXPECT_EQ(reports(), (std::vector<Report>{{"6", "UserControl_ReadProperties"}}));
    // Keys before the failure are read; the rest of the sequence is skipped.
    EXPECT_EQ(skin.Style(), 1);
    EXPECT_FALSE(skin.ChangeAllBackgrounds());
    EXPECT_FALSE(skin.State().StyleExtraApplied);

    PropertyBag text;
    text.WriteProperty(QStringLiteral("ThemeColor"), QStringLiteral("blue"));
    skin.UserControl_ReadProperties(text);
    EXPECT_EQ(reports().back(), (Report{"13", "UserControl_ReadProperties"}));
}

TEST_F(PropertiesTest, ThemeStyleAndIconSizeIgnoreTheValueTheyHold)
{
    skin.UserControl_InitProperties();
    skin.ThemeColor(ThemeBlue);
    skin.Style(TitleCylinder);
    skin.IconSize(16);
    EXPECT_TRUE(announced().isEmpty());

    skin.ThemeColor(ThemeAutomatic);
    skin.ThemeColor(ThemeAutomatic); // the desktop is asked once
    EXPECT_EQ(scripted.visualStyle.openedClasses.size(), 1u);
    skin.Style(TitleLinear);
    skin.IconSize(24);
    EXPECT_EQ(announced(), (QStringList{"ThemeColor", "Style", "IconSize"}));
    EXPECT_EQ(skin.Style(), TitleLinear);
    EXPECT_EQ(skin.IconSize(), 24);
}

TEST_F(PropertiesTest, OtherSettersAnnounceEvenWithoutAChange)
{
    skin.UserControl_InitProperties();
    skin.BackColorStyle(skin.BackColorStyle());
    skin.MaxButton(skin.MaxButton());
    skin.MinButton(skin.MinButton());
    skin.CloseButton(skin.CloseButton());
    skin.ChangeAllBackgrounds(skin.ChangeAllBackgrounds());
    skin.BorderStyle(skin.BorderStyle());
    skin.CustomBackColor(skin.CustomBackColor());
    skin.ColorFrom(skin.ColorFrom());
    skin.ColorTo(skin.ColorTo());
    EXPECT_EQ(announced(), (QStringList{"BackColorStyle", "MaxButton", "MinButton", "CloseButton",
                                        "ChangeAllBackgrounds", "BorderStyle", "CustomBackColor", "ColorFrom",
                                        "ColorTo"}));
    EXPECT_TRUE(reports().empty());
}

TEST_F(PropertiesTest, CustomColoursAreStoredTranslated)
{
    skin.UserControl_InitProperties(); // blue theme
    skin.ColorFrom(orukForms::kButtonFace);
    skin.ColorTo(0x00ABCDEF);
    EXPECT_EQ(skin.ColorFrom(), kTestButtonFace);
    EXPECT_EQ(skin.ColorTo(), 0x00ABCDEFu);
    // Not the custom theme: the working colours stay.
    EXPECT_EQ(skin.State().CurColorFrom, 0x009C6113u);
    EXPECT_EQ(skin.State().CurColorTo, 0x00FEECDDu);

    // In the custom theme they follow, before the change is announced.
    std::vector<OleColor> seen;
    QObject::connect(&skin, &orukForms::PropertyChanged, [&] { seen.push_back(skin.State().CurColorFrom); });
    skin.ThemeColor(ThemeCustom);
    skin.ColorFrom(0x00112233);
    EXPECT_EQ(seen, (std::vector<OleColor>{kTestButtonFace, 0x00112233}));

    // A value that names no colour is refused and changes nothing.
    seen.clear();
    for (OleColor bad : {OleColor(0x800000FF), OleColor(0xFFFFFFFF)}) {
        try {
            skin.ColorFrom(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const platform::VBError& e) {
            EXPECT_EQ(e.Number(), platform::VBError::InvalidPropertyValue);
        }
        EXPECT_THROW(skin.ColorTo(bad), platform::VBError);
    }
    EXPECT_EQ(skin.ColorFrom(), 0x00112233u);
    EXPECT_EQ(skin.State().CurColorTo, 0x00ABCDEFu);
    EXPECT_TRUE(seen.empty());
}

TEST(SystemMenu, DesignedItems)
{
    const SystemMenu menu;
    EXPECT_EQ(menu.Caption(), QStringLiteral("Menu"));
    ASSERT_EQ(menu.Count(), 7);
    const QStringList captions{"Restore       ", "Minimize", "Maximize", "-", "Close            Alt+F4", "-",
                               "Always on Top"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(menu.MnuSyst(i).Caption, captions[i]) << i;
        EXPECT_EQ(menu.MnuSyst(i).Enabled, i != SystemMenu::kRestore) << i;
        EXPECT_FALSE(menu.MnuSyst(i).Checked) << i;
        EXPECT_TRUE(menu.MnuSyst(i).Visible) << i;
    }
    EXPECT_THROW((void)menu.MnuSyst(7), platform::VBError);
    EXPECT_THROW((void)menu.MnuSyst(-1), platform::VBError);
}

} // namespace
