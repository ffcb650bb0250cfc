#include "compat/oletranslate.h"
#include "compat/syscolors.h"

#include <gtest/gtest.h>

using namespace pattaro::platform;

namespace {

class OleTranslate : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = SysColorTable::current();
        SysColorTable table;
        table.setColor(SysColorTable::BtnFace, 0x00C8D0D4);
        table.setColor(SysColorTable::Window, 0x00FFFFFF);
        SysColorTable::setCurrent(table);
    }
    void TearDown() override { SysColorTable::setCurrent(saved); }

    SysColorTable saved;
};

} // namespace

TEST_F(OleTranslate, PlainColoursPassUnchanged)
{
    for (OleColor c : {0x00000000u, 0x009C6113u, 0x00FFFFFFu}) {
        OleColor out = 0xDEADu;
        EXPECT_EQ(OleTranslateColor(c, &out), kS_OK);
        EXPECT_EQ(out, c);
    }
}

TEST_F(OleTranslate, KnownSystemIndexesTranslateThroughTheTable)
{
    OleColor out = 0;
    EXPECT_EQ(OleTranslateColor(0x8000000Fu, &out), kS_OK);
    EXPECT_EQ(out, 0x00C8D0D4u);
    EXPECT_EQ(OleTranslateColor(0x80000005u, &out), kS_OK);
    EXPECT_EQ(out, 0x00FFFFFFu);
    EXPECT_EQ(GetSysColor(SysColorTable::BtnFace), 0x00C8D0D4u);
}

TEST_F(OleTranslate, EverythingElseFailsAndLeavesTheResultAlone)
{
    // An index missing from the table, one beyond it, stray bits beside the
    // index, and palette-relative values.
    for (OleColor c : {0x80000001u, 0x8000001Fu, 0x800000FFu, 0x8001000Fu, 0x01000005u, 0x02FF0000u,
                       0xFFFFFFFFu}) {
        OleColor out = 0x1234u;
        EXPECT_EQ(OleTranslateColor(c, &out), kE_INVALIDARG) << std::hex << c;
        EXPECT_EQ(out, 0x1234u);
    }
}
