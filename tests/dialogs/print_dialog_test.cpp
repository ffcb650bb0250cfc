#include "dialogs/gcommondialog.h"
#include "tests/dialogs/scripted_commondialog.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using namespace platform;

DEVMODE deviceMode(short copies, bool collate, short orientation = DMORIENT_LANDSCAPE, short paper = 9,
                   short quality = 600)
{
    DEVMODE dm;
    dm.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_PRINTQUALITY | DM_COLLATE;
    dm.dmCopies = copies;
    dm.dmCollate = collate ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
    dm.dmOrientation = orientation;
    dm.dmPaperSize = paper;
    dm.dmPrintQuality = quality;
    return dm;
}

class PrintDialogTest : public ::testing::Test {
protected:
    bool print(PrinterObject* printer = nullptr, std::int32_t extraFlags = 0)
    {
        return dialog.VBPrintDlg(hDC, range, noPageNumbers, fromPage, toPage, noSelection, copies, showToFile,
                                 disableToFile, toFile, collate, noWarning, -1, printer, extraFlags, true, nullptr);
    }

    QTemporaryDir dir;
    std::shared_ptr<testing::ScriptedCommonDialogApi> api = std::make_shared<testing::ScriptedCommonDialogApi>();
    GCommonDialog dialog{api};
    HDC hDC;
    std::int32_t range = GCommonDialog::AllPages;
    bool noPageNumbers = false, noSelection = false, showToFile = true, disableToFile = false;
    bool toFile = false, collate = false, noWarning = false;
    std::int32_t fromPage = 0, toPage = 0;
    std::int16_t copies = 1;
};

TEST_F(PrintDialogTest, FlagsFromTheSwitches)
{
    print();
    EXPECT_EQ(api->printCalls.back().Flags, PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE);

    noPageNumbers = noSelection = disableToFile = toFile = collate = noWarning = true;
    showToFile = false;
    print(nullptr, std::int32_t(PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK | PD_ENABLEPRINTTEMPLATE
                                | PD_ENABLESETUPTEMPLATE | PD_CURRENTPAGE));
    EXPECT_EQ(api->printCalls.back().Flags,
              PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS | PD_NOSELECTION | PD_DISABLEPRINTTOFILE
                  | PD_PRINTTOFILE | PD_HIDEPRINTTOFILE | PD_COLLATE | PD_NOWARNING | PD_CURRENTPAGE);
}

TEST_F(PrintDialogTest, RangeAndPagesIntoTheRecord)
{
    range = GCommonDialog::Selection;
    print();
    EXPECT_TRUE(api->printCalls.back().Flags & PD_SELECTION);
    EXPECT_FALSE(api->printCalls.back().Flags & PD_PAGENUMS);

    range = GCommonDialog::PageNumbers;
    fromPage = 3;
    toPage = 70000;
    copies = 4;
    print();
    const PRINTDLG& pd = api->printCalls.back();
    EXPECT_TRUE(pd.Flags & PD_PAGENUMS);
    EXPECT_FALSE(pd.Flags & PD_SELECTION);
    EXPECT_EQ(pd.lStructSize, 66u);
    EXPECT_EQ(pd.nFromPage, 3);
    EXPECT_EQ(pd.nToPage, 0xFFFF);
    EXPECT_EQ(pd.nMinPage, 1);
    EXPECT_EQ(pd.nMaxPage, 0xFFFF);
    EXPECT_EQ(pd.nCopies, 4);

    fromPage = -5;
    copies = -2;
    print();
    EXPECT_EQ(api->printCalls.back().nFromPage, 0);
    EXPECT_EQ(api->printCalls.back().nCopies, 0);
}

TEST_F(PrintDialogTest, ConfirmedWithCopiesInTheDeviceMode)
{
    auto device = std::make_shared<QPdfWriter>(dir.filePath("p.pdf"));
    api->onPrint = [device](PRINTDLG& pd) {
        pd.hDC = device;
        pd.Flags = (pd.Flags & ~PD_COLLATE) | PD_PAGENUMS | PD_PRINTTOFILE;
        pd.nFromPage = 2;
        pd.nToPage = 5;
        pd.nCopies = 1;
        pd.hDevMode = deviceMode(3, true);
        return kDialogConfirmed;
    };
    PrinterObject printer;
    EXPECT_TRUE(print(&printer));
    EXPECT_EQ(hDC, device);
    EXPECT_EQ(range, GCommonDialog::PageNumbers);
    EXPECT_EQ(fromPage, 2);
    EXPECT_EQ(toPage, 5);
    EXPECT_TRUE(toFile);
    EXPECT_EQ(copies, 3);
    EXPECT_TRUE(collate);
    EXPECT_EQ(printer.Copies(), 3);
    EXPECT_EQ(printer.Orientation(), DMORIENT_LANDSCAPE);
    EXPECT_EQ(printer.PaperSize(), 9);
    EXPECT_EQ(printer.PrintQuality(), 600);
}

TEST_F(PrintDialogTest, ConfirmedWithCollateFromTheDialog)
{
    api->onPrint = [](PRINTDLG& pd) {
        pd.Flags |= PD_COLLATE | PD_SELECTION;
        pd.nCopies = 7;
        pd.hDevMode = deviceMode(1, false, 0, 1, -3);
        return kDialogConfirmed;
    };
    PrinterObject printer;
    printer.Orientation(DMORIENT_LANDSCAPE);
    EXPECT_TRUE(print(&printer));
    EXPECT_EQ(range, GCommonDialog::Selection);
    EXPECT_EQ(copies, 7);
    EXPECT_TRUE(collate);
    EXPECT_FALSE(toFile);
    EXPECT_EQ(printer.Copies(), 7);
    // An orientation of 0 is refused; the other settings are still taken.
    EXPECT_EQ(printer.Orientation(), DMORIENT_LANDSCAPE);
    EXPECT_EQ(printer.PaperSize(), 1);
    EXPECT_EQ(printer.PrintQuality(), -3);
}

TEST_F(PrintDialogTest, CancelLeavesOutputs)
{
    PrinterObject printer;
    copies = 2;
    EXPECT_FALSE(print(&printer));
    EXPECT_EQ(copies, 2);
    EXPECT_EQ(printer.Copies(), 1);
    EXPECT_FALSE(hDC);
}

class PageSetupTest : public ::testing::Test {
protected:
    std::shared_ptr<testing::ScriptedCommonDialogApi> api = std::make_shared<testing::ScriptedCommonDialogApi>();
    GCommonDialog dialog{api};
    std::int32_t paper = 0, orientation = 0, quality = 0;
};

TEST_F(PageSetupTest, MarginsInHundredthsOfMillimetres)
{
    float left = 25.4f, minLeft = 5, right = 20.625f, minRight = 5;
    float top = 12.375f, minTop = 4, bottom = 0.125f, minBottom = 0;
    api->onPageSetup = [](PAGESETUPDLG& psd) {
        psd.rtMargin = {1000, 1500, 2050, 3001};
        psd.hDevMode = deviceMode(2, false, DMORIENT_PORTRAIT, 8, 300);
        return kDialogConfirmed;
    };
    PrinterObject printer;
    EXPECT_TRUE(dialog.VBPageSetupDlg2(-1, true, false, true, false, left, minLeft, right, minRight, top, minTop,
                                       bottom, minBottom, paper, orientation, quality, true, &printer,
                                       std::int32_t(PSD_MARGINS | PSD_INTHOUSANDTHSOFINCHES), false, nullptr));
    const PAGESETUPDLG& psd = api->pageSetupCalls.back();
    EXPECT_EQ(psd.lStructSize, 84u);
    EXPECT_EQ(psd.Flags, PSD_MARGINS | PSD_DISABLEMARGINS | PSD_DISABLEPAPER | PSD_INHUNDREDTHSOFMILLIMETERS);
    EXPECT_EQ(psd.rtMargin.Left, 2540);
    EXPECT_EQ(psd.rtMargin.Right, 2062); // 2062.5 rounds to even
    EXPECT_EQ(psd.rtMargin.Top, 1238);   // 1237.5 rounds to even
    EXPECT_EQ(psd.rtMargin.Bottom, 12);  // 12.5 rounds to even
    EXPECT_EQ(psd.rtMinMargin.Left, 500);
    EXPECT_EQ(psd.rtMinMargin.Top, 400);

    EXPECT_FLOAT_EQ(left, 10);
    EXPECT_FLOAT_EQ(top, 15);
    EXPECT_FLOAT_EQ(right, 20.5f);
    EXPECT_FLOAT_EQ(bottom, 30.01f);
    EXPECT_FLOAT_EQ(minLeft, 5);
    EXPECT_EQ(paper, 8);
    EXPECT_EQ(orientation, DMORIENT_PORTRAIT);
    EXPECT_EQ(quality, 300);
    EXPECT_EQ(printer.Copies(), 2);
    EXPECT_EQ(printer.PaperSize(), 8);
}

TEST_F(PageSetupTest, IntegerMarginsInInches)
{
    std::int32_t left = 1, minLeft = 0, right = 2, minRight = 0, top = 1, minTop = 0, bottom = 1, minBottom = 0;
    api->onPageSetup = [](PAGESETUPDLG& psd) {
        psd.rtMargin = {1500, 500, 2499, 3500};
        return kDialogConfirmed;
    };
    EXPECT_TRUE(dialog.VBPageSetupDlg(-1, false, true, false, true, left, minLeft, right, minRight, top, minTop,
                                      bottom, minBottom, paper, orientation, quality, false, nullptr, 0, false,
                                      nullptr));
    const PAGESETUPDLG& psd = api->pageSetupCalls.back();
    EXPECT_EQ(psd.Flags, PSD_DISABLEORIENTATION | PSD_DISABLEPRINTER | PSD_INTHOUSANDTHSOFINCHES);
    EXPECT_EQ(psd.rtMargin.Right, 2000);
    // 1.5 and 3.5 round to even; 0.5 to 0; 2.499 to 2.
    EXPECT_EQ(left, 2);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(right, 2);
    EXPECT_EQ(bottom, 4);
}

} // namespace
} // namespace pattaro
