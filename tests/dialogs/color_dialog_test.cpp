#include "dialogs/gcommondialog.h"
#include "compat/syscolors.h"
#include "tests/dialogs/scripted_commondialog.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

using namespace platform;

class ColorDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = SysColorTable::current();
        SysColorTable table;
        for (int i = 0; i < SysColorTable::kCount; ++i)
            table.setColor(i, rgb(i, 2 * i, 3 * i));
        SysColorTable::setCurrent(table);
    }
    void TearDown() override { SysColorTable::setCurrent(saved); }

    bool choose(std::int32_t& colour, bool any = true, bool fullOpen = false, bool noFullOpen = false,
                HWND owner = -1)
    {
        return dialog.VBChooseColor(colour, any, fullOpen, noFullOpen, owner, 0x30, true, nullptr);
    }

    SysColorTable saved;
    std::shared_ptr<testing::ScriptedCommonDialogApi> api = std::make_shared<testing::ScriptedCommonDialogApi>();
    GCommonDialog dialog{api};
};

TEST_F(ColorDialogTest, RecordCarriesColourOwnerAndFlags)
{
    std::int32_t colour = 0x0000C000;
    choose(colour);
    choose(colour = 0x123456, false, true, true, 4242);

    ASSERT_EQ(api->colorCalls.size(), 2u);
    const CHOOSECOLOR& first = api->colorCalls[0];
    EXPECT_EQ(first.lStructSize, 36u);
    EXPECT_EQ(first.hwndOwner, 0);
    EXPECT_EQ(first.rgbResult, 0x0000C000u);
    // Extra flags asking for a hook and a template are not passed on.
    EXPECT_EQ(first.Flags, CC_ANYCOLOR | CC_RGBINIT);
    const CHOOSECOLOR& second = api->colorCalls[1];
    EXPECT_EQ(second.hwndOwner, 4242);
    EXPECT_EQ(second.rgbResult, 0x123456u);
    EXPECT_EQ(second.Flags, CC_SOLIDCOLOR | CC_RGBINIT | CC_FULLOPEN | CC_PREVENTFULLOPEN);
}

TEST_F(ColorDialogTest, ConfirmCancelAndFailureOutputs)
{
    api->onChooseColor = [](CHOOSECOLOR& cc) {
        cc.rgbResult = 0x00FF8000;
        return kDialogConfirmed;
    };
    std::int32_t colour = 0x0000C000;
    EXPECT_TRUE(choose(colour));
    EXPECT_EQ(colour, 0x00FF8000);
    EXPECT_EQ(dialog.APIReturn(), 1);

    api->extendedError = CDERR_INITIALIZATION;
    api->onChooseColor = [](CHOOSECOLOR&) { return kDialogFailed; };
    EXPECT_FALSE(choose(colour));
    EXPECT_EQ(colour, -1);
    EXPECT_EQ(dialog.APIReturn(), kDialogFailed);
    EXPECT_EQ(dialog.ExtendedError(), std::int32_t(CDERR_INITIALIZATION));

    // A cancel reports 0 and leaves the last failure's reason in place.
    api->onChooseColor = nullptr;
    colour = 0x0000C000;
    EXPECT_FALSE(choose(colour));
    EXPECT_EQ(colour, -1);
    EXPECT_EQ(dialog.APIReturn(), 0);
    EXPECT_EQ(dialog.ExtendedError(), std::int32_t(CDERR_INITIALIZATION));
}

TEST_F(ColorDialogTest, CustomColoursStartAsSystemColoursAndPersist)
{
    EXPECT_EQ(dialog.CustomColor(0), std::int32_t(GetSysColor(0)));
    EXPECT_EQ(dialog.CustomColor(15), std::int32_t(rgb(15, 30, 45)));

    api->onChooseColor = [](CHOOSECOLOR& cc) {
        (*cc.lpCustColors)[3] = 0x00ABCDEF;
        return kDialogCancelled; // custom colours stay even when the choice is cancelled
    };
    std::int32_t colour = 0;
    choose(colour);
    api->onChooseColor = nullptr;
    choose(colour);

    ASSERT_EQ(api->customColorsSeen.size(), 2u);
    EXPECT_EQ(api->customColorsSeen[0][3], rgb(3, 6, 9));
    EXPECT_EQ(api->customColorsSeen[1][3], 0x00ABCDEFu);
    EXPECT_EQ(dialog.CustomColor(3), 0x00ABCDEF);

    // Another object keeps its own table.
    GCommonDialog other{api};
    EXPECT_EQ(other.CustomColor(3), std::int32_t(rgb(3, 6, 9)));
}

TEST_F(ColorDialogTest, CustomColorOutsideTheTable)
{
    EXPECT_EQ(dialog.CustomColor(16), -1);
    EXPECT_EQ(dialog.CustomColor(-1), -1);
    dialog.CustomColor(16, 0x112233);
    dialog.CustomColor(-1, 0x112233);
    for (std::int16_t i = 0; i < 16; ++i)
        EXPECT_EQ(dialog.CustomColor(i), std::int32_t(GetSysColor(i))) << i;
}

TEST_F(ColorDialogTest, StoringFirstStillFillsTheRestFromTheSystem)
{
    dialog.CustomColor(5, 0x010203);
    EXPECT_EQ(dialog.CustomColor(5), 0x010203);
    EXPECT_EQ(dialog.CustomColor(4), std::int32_t(rgb(4, 8, 12)));
}

} // namespace
} // namespace pattaro
