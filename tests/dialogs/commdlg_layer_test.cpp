// The pieces of the dialog layer that work without showing a dialog.
#include "compat/commdlg.h"
#include "compat/commdlg_qt.h"
#include "compat/commdlg_qtfilters.h"
#include "tests/dialogs/scripted_commondialog.h"

#include <gtest/gtest.h>

namespace pattaro::platform {
namespace {

using testing::nul;

TEST(NulList, SplitsUpToTheDoubleNul)
{
    EXPECT_EQ(splitNulList(nul("Text~*.txt~All~*.*~~")), QStringList({"Text", "*.txt", "All", "*.*"}));
    EXPECT_EQ(splitNulList(nul("/dir~a~b~~junk~")), QStringList({"/dir", "a", "b"}));
    EXPECT_EQ(splitNulList(nul("unterminated")), QStringList({"unterminated"}));
    EXPECT_TRUE(splitNulList(nul("~~")).isEmpty());
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
    EXPECT_EQ(api.GetSaveFileNameA(ofn), kDialogFailed);
    EXPECT_EQ(api.CommDlgExtendedError(), FNERR_INVALIDFILENAME);

    LOGFONT lf;
    CHOOSEFONT cf;
    cf.lStructSize = kChooseFontSize;
    cf.lpLogFont = &lf;
    cf.Flags = CF_LIMITSIZE;
    cf.nSizeMin = 20;
    cf.nSizeMax = 10;
    EXPECT_EQ(api.ChooseFontA(cf), kDialogFailed);
    EXPECT_EQ(api.CommDlgExtendedError(), CFERR_MAXLESSTHANMIN);

    PRINTDLG pd; // size left at 0
    EXPECT_EQ(api.PrintDlgA(pd), kDialogFailed);
    EXPECT_EQ(api.CommDlgExtendedError(), CDERR_STRUCTSIZE);
}

} // namespace
} // namespace pattaro::platform
