#include "ui/appearancenames.h"
#include "core/settings/preferences.h"
#include "frame/orukforms.h"
#include "frame/skinvalues.h"
#include "frame/systemmenu.h"
#include "tests/window/window_fixture.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

using testing::TestWindow;

std::int16_t itemCaptioned(orukForms* skin, const QString& caption)
{
    for (const auto& [id, item] : skin->State().SysMnu.Items())
        if (item.Caption == caption)
            return std::int16_t(id);
    return -1;
}

bool checked(orukForms* skin, const QString& caption)
{
    return skin->GetMenuItemValue(itemCaptioned(skin, caption), 2).toBool();
}

TEST(Appearance, TheSubmenuOffersEveryThemeAndLookCheckingTheDesigns)
{
    TestWindow w;
    orukForms* skin = w.form->orukForms1();
    const std::int16_t holder = itemCaptioned(skin, u"外观"_qs);
    ASSERT_GE(holder, SystemMenu::kDesignedItems);
    int checkedThemes = 0, checkedLooks = 0;
    for (const QString& name : kThemeNames) {
        const std::int16_t id = itemCaptioned(skin, name);
        ASSERT_GE(id, 0) << name.toStdString();
        EXPECT_EQ(skin->State().SysMnu.MnuSyst(id).Parent, holder) << name.toStdString();
        checkedThemes += checked(skin, name);
    }
    for (const QString& name : kLookNames) {
        ASSERT_GE(itemCaptioned(skin, name), 0) << name.toStdString();
        checkedLooks += checked(skin, name);
    }
    EXPECT_EQ(checkedThemes, 1);
    EXPECT_EQ(checkedLooks, 1);
    EXPECT_TRUE(checked(skin, kThemeNames[std::size_t(skin->ThemeColor())]));
    EXPECT_TRUE(checked(skin, kLookNames[std::size_t(skin->Style())]));
}

// A choice from the submenu reaches the running skin at once, moves the
// check mark, and the next window starts with it.
TEST(Appearance, AChoiceAppliesAtOnceAndIsRemembered)
{
    const struct {
        QString item;
        std::int32_t theme, look;
    } rows[] = {
        {kThemeNames[ThemeGold], ThemeGold, TitleLinear},
        {kThemeNames[ThemeAutomatic], ThemeAutomatic, TitleLinear},
        {kLookNames[TitleCylinder], ThemeSilver, TitleCylinder},
        {kLookNames[TitleDarkBand], ThemeSilver, TitleDarkBand},
    };
    for (const auto& row : rows) {
        MemorySettingsStore store;
        {
            TestWindow w(QString(), &store);
            orukForms* skin = w.form->orukForms1();
            ASSERT_EQ(skin->ThemeColor(), ThemeSilver) << "the design's";
            ASSERT_EQ(skin->Style(), TitleLinear) << "the design's";
            const platform::OleColor before = skin->State().CurColorFrom;
            skin->MnuSyst_Click(itemCaptioned(skin, row.item));
            EXPECT_EQ(skin->ThemeColor(), row.theme) << row.item.toStdString();
            EXPECT_EQ(skin->Style(), row.look) << row.item.toStdString();
            EXPECT_TRUE(checked(skin, row.item)) << row.item.toStdString();
            if (row.theme == ThemeGold) {
                EXPECT_NE(skin->State().CurColorFrom, before) << "the title bar's colours changed";
            }
        }
        TestWindow next(QString(), &store);
        EXPECT_EQ(next.form->orukForms1()->ThemeColor(), row.theme) << row.item.toStdString();
        EXPECT_EQ(next.form->orukForms1()->Style(), row.look) << row.item.toStdString();
        EXPECT_TRUE(checked(next.form->orukForms1(), row.item)) << row.item.toStdString();
    }
}

TEST(Appearance, TheTwoBandLookMakesTheWindowTallerByItsBandAndGivesItBack)
{
    TestWindow w;
    orukForms* skin = w.form->orukForms1();
    const QSize designed = w.form->size();
    skin->MnuSyst_Click(itemCaptioned(skin, kLookNames[TitleTwoBands]));
    EXPECT_EQ(w.form->size(), designed + QSize(0, 10));
    EXPECT_EQ(w.form->minimumSize(), w.form->maximumSize()) << "the size stays fixed";
    skin->MnuSyst_Click(itemCaptioned(skin, kLookNames[TitleLinear]));
    EXPECT_EQ(w.form->size(), designed);
}

} // namespace
} // namespace pattaro
