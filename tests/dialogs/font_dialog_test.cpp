#include "dialogs/gcommondialog.h"
#include "tests/dialogs/scripted_commondialog.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using namespace platform;

class FontDialogTest : public ::testing::Test {
protected:
    bool choose(std::int32_t minSize = 0, std::int32_t maxSize = 0)
    {
        return dialog.VBChooseFont(font, hDC, -1, colour, minSize, maxSize, flags, true, nullptr);
    }
    HDC pdfDevice() { return std::make_shared<QPdfWriter>(dir.filePath("out.pdf")); }

    QTemporaryDir dir;
    std::shared_ptr<testing::ScriptedCommonDialogApi> api = std::make_shared<testing::ScriptedCommonDialogApi>();
    GCommonDialog dialog{api};
    FontObject font;
    HDC hDC;
    std::int32_t colour = 0;
    std::int32_t flags = 0;
};

TEST_F(FontDialogTest, ScreenOrPrinterFonts)
{
    choose();
    EXPECT_EQ(api->fontCalls.back().Flags, CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT);
    EXPECT_EQ(api->printerDCRequests, 0);

    // Printer fonts asked for without a device: the printer's is fetched.
    api->printerDC = pdfDevice();
    flags = std::int32_t(CF_PRINTERFONTS);
    choose();
    EXPECT_EQ(api->printerDCRequests, 1);
    EXPECT_EQ(api->fontCalls.back().hDC, api->printerDC);
    EXPECT_EQ(hDC, api->printerDC);
    EXPECT_EQ(api->fontCalls.back().Flags, CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT);

    // A device given means printer fonts.
    hDC = pdfDevice();
    flags = 0;
    choose();
    EXPECT_EQ(api->printerDCRequests, 1);
    EXPECT_EQ(api->fontCalls.back().Flags, CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT);
}

TEST_F(FontDialogTest, EffectsLimitsAndRemovedBits)
{
    colour = 0x0000FF;
    flags = std::int32_t(CF_ENABLEHOOK | CF_ENABLETEMPLATE | CF_APPLY | CF_FIXEDPITCHONLY);
    choose(8, 0);
    const CHOOSEFONT& cf = api->fontCalls.back();
    EXPECT_EQ(cf.Flags, CF_SCREENFONTS | CF_EFFECTS | CF_LIMITSIZE | CF_FIXEDPITCHONLY | CF_INITTOLOGFONTSTRUCT);
    EXPECT_EQ(cf.lStructSize, 60u);
    EXPECT_EQ(cf.rgbColors, 0x0000FFu);
    EXPECT_EQ(cf.nSizeMin, 8);
    EXPECT_EQ(cf.nSizeMax, 0);

    colour = 0;
    flags = 0;
    choose(0, 72);
    EXPECT_EQ(api->fontCalls.back().Flags, CF_SCREENFONTS | CF_LIMITSIZE | CF_INITTOLOGFONTSTRUCT);
}

TEST_F(FontDialogTest, LogFontFromTheFontObject)
{
    font.Name("Noto Sans CJK SC");
    font.Size(12);
    font.Weight(700);
    font.Italic(true);
    font.Strikethrough(true);
    choose();
    LOGFONT lf = api->logFontsSeen.back();
    EXPECT_EQ(lf.lfHeight, -16); // 12 pt at 96 dpi
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfUnderline, 0);
    EXPECT_EQ(lf.lfStrikeOut, 1);
    EXPECT_EQ(faceName(lf), "Noto Sans CJK SC");
    EXPECT_EQ(lf.lfFaceName[16], 0);
    EXPECT_EQ(lf.lfFaceName[31], 0);
    EXPECT_EQ(api->fontCalls.back().iPointSize, 120);

    // Pixel heights round half to even: 9.375 pt is 12.5 px, 10.125 pt 13.5 px.
    font.Size(9.375);
    choose();
    EXPECT_EQ(api->logFontsSeen.back().lfHeight, -12);
    font.Size(10.125);
    choose();
    EXPECT_EQ(api->logFontsSeen.back().lfHeight, -14);
    api->twipsPerPixelY = 12; // 120 dpi
    font.Size(9);
    choose();
    EXPECT_EQ(api->logFontsSeen.back().lfHeight, -15);

    font.Name(QString(40, u'x'));
    choose();
    EXPECT_EQ(faceName(api->logFontsSeen.back()), QString(31, u'x'));
}

TEST_F(FontDialogTest, ConfirmedChoiceFillsTheFontObject)
{
    api->onChooseFont = [](CHOOSEFONT& cf) {
        cf.lpLogFont->lfWeight = 600;
        cf.lpLogFont->lfItalic = 1;
        cf.lpLogFont->lfUnderline = 1;
        cf.lpLogFont->lfStrikeOut = 0;
        setFaceName(*cf.lpLogFont, "宋体");
        cf.iPointSize = 105;
        cf.nFontType = BOLD_FONTTYPE | ITALIC_FONTTYPE;
        cf.rgbColors = 0x00FF00;
        cf.Flags |= CF_TTONLY;
        return kDialogConfirmed;
    };
    font.Strikethrough(true);
    EXPECT_TRUE(choose());
    EXPECT_EQ(font.Name(), "宋体"); // no padding carried into the name
    EXPECT_DOUBLE_EQ(font.Size(), 10.5);
    EXPECT_EQ(font.Weight(), 600);
    EXPECT_TRUE(font.Bold());
    EXPECT_TRUE(font.Italic());
    EXPECT_TRUE(font.Underline());
    EXPECT_FALSE(font.Strikethrough());
    EXPECT_EQ(colour, 0x00FF00);
    EXPECT_TRUE(flags & std::int32_t(CF_TTONLY));
}

TEST_F(FontDialogTest, RefusedValuesAreSkipped)
{
    api->onChooseFont = [](CHOOSEFONT& cf) {
        cf.lpLogFont->lfWeight = 0;
        cf.iPointSize = 0;
        setFaceName(*cf.lpLogFont, "Serif");
        return kDialogConfirmed;
    };
    font.Size(14);
    font.Weight(700);
    EXPECT_TRUE(choose());
    EXPECT_EQ(font.Weight(), 400); // from the font type, which says not bold
    EXPECT_DOUBLE_EQ(font.Size(), 14);
    EXPECT_EQ(font.Name(), "Serif");
}

TEST_F(FontDialogTest, CancelLeavesEverything)
{
    font.Name("Serif");
    colour = 0x123456;
    flags = std::int32_t(CF_TTONLY);
    EXPECT_FALSE(choose());
    EXPECT_EQ(font.Name(), "Serif");
    EXPECT_EQ(colour, 0x123456);
    EXPECT_EQ(DWORD(flags), CF_TTONLY);
}

} // namespace
} // namespace pattaro
