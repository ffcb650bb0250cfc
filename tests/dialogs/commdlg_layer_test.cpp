// The pieces of the dialog layer that work without showing a dialog.
#include "platform/commdlg.h"
#include "platform/commdlg_qt.h"
#include "platform/commdlg_qtfilters.h"
#include "platform/fontobject.h"
#include "platform/printerobject.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace pattaro::platform {
namespace {

QString nul(const char* text)
{
    QString s = QString::fromUtf8(text);
    s.replace(u'~', QChar(0));
    return s;
}

TEST(NulList, SplitsUpToTheDoubleNul)
{
    EXPECT_EQ(splitNulList(nul("Text~*.txt~All~*.*~~")), QStringList({"Text", "*.txt", "All", "*.*"}));
    EXPECT_EQ(splitNulList(nul("/dir~a~b~~junk~")), QStringList({"/dir", "a", "b"}));
    EXPECT_EQ(splitNulList(nul("unterminated")), QStringList({"unterminated"}));
    EXPECT_TRUE(splitNulList(nul("~~")).isEmpty());
    EXPECT_TRUE(splitNulList(QString()).isEmpty());
}

TEST(QtNameFilters, PairsBecomeQtFilters)
{
    EXPECT_EQ(qtNameFilters({"Text (*.txt)", "*.txt", "All (*.*)", " *.*"}),
              QStringList({"Text (*.txt) (*.txt)", "All (*.*) (*)"}));
    EXPECT_EQ(qtNameFilters({"Pictures", "*.png; *.gif;", "", "*.log"}),
              QStringList({"Pictures (*.png *.gif)", "*.log (*.log)"}));
    EXPECT_EQ(qtNameFilters({"Lonely"}), QStringList());
    EXPECT_EQ(qtNameFilters({"Nothing", " "}), QStringList({"Nothing (*)"}));
}

TEST(FaceName, KeepsThirtyOneCharactersAndReadsToTheNul)
{
    LOGFONT lf;
    setFaceName(lf, QString(40, u'a'));
    EXPECT_EQ(faceName(lf), QString(31, u'a'));
    EXPECT_EQ(lf.lfFaceName[31], 0);
    setFaceName(lf, "微软雅黑");
    EXPECT_EQ(faceName(lf), "微软雅黑");
    EXPECT_EQ(lf.lfFaceName[4], 0); // the longer name before is gone
    EXPECT_EQ(lf.lfFaceName[30], 0);
}

// Records the real layer refuses before any dialog could open.
TEST(QtCommonDialogApi, RefusesBadRecordsWithoutShowingADialog)
{
    QtCommonDialogApi api;
    CHOOSECOLOR cc;
    cc.lStructSize = 40;
    EXPECT_EQ(api.ChooseColorA(cc), kDialogFailed);
    EXPECT_EQ(api.CommDlgExtendedError(), CDERR_STRUCTSIZE);
    cc.lStructSize = kChooseColorSize; // but no custom colour table
    EXPECT_EQ(api.ChooseColorA(cc), kDialogFailed);
    EXPECT_EQ(api.CommDlgExtendedError(), CDERR_INITIALIZATION);

    OPENFILENAME ofn;
    ofn.lStructSize = kOpenFileNameSize;
    ofn.nMaxFile = 260;
    ofn.lpstrFile = QString(300, u'a'); // a name with no room for its NUL
    EXPECT_EQ(api.GetOpenFileNameA(ofn), kDialogFailed);
    EXPECT_EQ(api.CommDlgExtendedError(), FNERR_INVALIDFILENAME);
    EXPECT_EQ(api.GetSaveFileNameA(ofn), kDialogFailed);

    LOGFONT lf;
    CHOOSEFONT cf;
    cf.lStructSize = kChooseFontSize;
    cf.lpLogFont = &lf;
    cf.Flags = CF_LIMITSIZE;
    cf.nSizeMin = 20;
    cf.nSizeMax = 10;
    EXPECT_EQ(api.ChooseFontA(cf), kDialogFailed);
    EXPECT_EQ(api.CommDlgExtendedError(), CFERR_MAXLESSTHANMIN);

    PRINTDLG pd;
    EXPECT_EQ(api.PrintDlgA(pd), kDialogFailed);
    EXPECT_EQ(api.CommDlgExtendedError(), CDERR_STRUCTSIZE);
    PAGESETUPDLG psd;
    EXPECT_EQ(api.PageSetupDlgA(psd), kDialogFailed);
    EXPECT_EQ(api.CommDlgExtendedError(), CDERR_STRUCTSIZE);
}

TEST(PrinterObject, RefusedValuesKeepTheOldOne)
{
    PrinterObject printer;
    printer.Copies(3);
    EXPECT_THROW(printer.Copies(0), std::invalid_argument);
    EXPECT_EQ(printer.Copies(), 3);
    printer.Orientation(PrinterObject::kLandscape);
    EXPECT_THROW(printer.Orientation(3), std::invalid_argument);
    EXPECT_EQ(printer.Orientation(), PrinterObject::kLandscape);
    EXPECT_THROW(printer.PaperSize(0), std::invalid_argument);
    EXPECT_EQ(printer.PaperSize(), PrinterObject::kPaperA4);
    printer.PrintQuality(-1);
    printer.PrintQuality(1200);
    EXPECT_THROW(printer.PrintQuality(0), std::invalid_argument);
    EXPECT_THROW(printer.PrintQuality(-5), std::invalid_argument);
    EXPECT_EQ(printer.PrintQuality(), 1200);
}

TEST(FontObject, BoldAndWeightFollowEachOther)
{
    FontObject font;
    EXPECT_FALSE(font.Bold());
    font.Bold(true);
    EXPECT_EQ(font.Weight(), 700);
    font.Weight(500);
    EXPECT_FALSE(font.Bold());
    font.Weight(600);
    EXPECT_TRUE(font.Bold());
    EXPECT_THROW(font.Weight(0), std::invalid_argument);
    EXPECT_THROW(font.Size(0), std::invalid_argument);
    EXPECT_THROW(font.Size(std::nan("")), std::invalid_argument);
    EXPECT_EQ(font.Weight(), 600);
}

} // namespace
} // namespace pattaro::platform
