#include "dialogs/gcommondialog.h"
#include "tests/dialogs/scripted_commondialog.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

using namespace platform;
using testing::nul;

// The dialog's answer: a chosen file written the way the dialogs write it.
auto answer(const QString& file, const QString& title, DWORD index, DWORD addFlags = 0, DWORD dropFlags = 0)
{
    return [=](OPENFILENAME& ofn) {
        ofn.lpstrFile = (file + QChar(0)).leftJustified(ofn.nMaxFile, QChar(0));
        ofn.lpstrFileTitle = (title + QChar(0)).leftJustified(ofn.nMaxFileTitle, QChar(0));
        ofn.nFilterIndex = index;
        ofn.Flags = (ofn.Flags | addFlags) & ~dropFlags;
        return kDialogConfirmed;
    };
}

class FileDialogTest : public ::testing::Test {
protected:
    bool open(bool mustExist = false, bool multi = false, bool hideReadOnly = false)
    {
        return dialog.VBGetOpenFileName(fileName, fileTitle, mustExist, multi, readOnly, hideReadOnly, filter,
                                        filterIndex, "/home", "打开", "txt", -1, flags, true, nullptr);
    }
    bool save(bool overwritePrompt = false)
    {
        return dialog.VBGetSaveFileName(fileName, fileTitle, overwritePrompt, filter, filterIndex, "/tmp",
                                        "保存", "txt", 77, flags, true, nullptr);
    }

    std::shared_ptr<testing::ScriptedCommonDialogApi> api = std::make_shared<testing::ScriptedCommonDialogApi>();
    GCommonDialog dialog{api};
    QString fileName = "draft.txt";
    QString fileTitle;
    bool readOnly = false;
    QString filter = "Text (*.txt)|*.txt|All|*.*";
    std::int32_t filterIndex = 2;
    std::int32_t flags = 0;
};

TEST_F(FileDialogTest, RecordFieldsAndBuffers)
{
    open();
    const OPENFILENAME& ofn = api->openCalls.at(0);
    EXPECT_EQ(ofn.lStructSize, 76u);
    EXPECT_EQ(ofn.hwndOwner, 0);
    EXPECT_EQ(ofn.lpstrFilter, nul("Text (*.txt)~*.txt~All~*.*~~"));
    EXPECT_EQ(ofn.nMaxFile, 260u);
    EXPECT_EQ(ofn.lpstrFile, QString("draft.txt").leftJustified(260, QChar(0)));
    EXPECT_EQ(ofn.nMaxFileTitle, 260u);
    EXPECT_EQ(ofn.lpstrFileTitle, QString(260, QChar(0)));
    EXPECT_EQ(ofn.nFilterIndex, 2u);
    EXPECT_EQ(ofn.lpstrInitialDir, "/home");
    EXPECT_EQ(ofn.lpstrTitle, "打开");
    EXPECT_EQ(ofn.lpstrDefExt, "txt");

    // A colon ends a field too; no filter at all offers every file.
    filter = "Logs|app:*.log";
    save();
    EXPECT_EQ(api->saveCalls.back().lpstrFilter, nul("Logs~app~*.log~~"));
    EXPECT_EQ(api->saveCalls.back().hwndOwner, 77);
    filter.clear();
    open();
    EXPECT_EQ(api->openCalls.back().lpstrFilter, nul("All (*.*)~ *.*~~"));
}

TEST_F(FileDialogTest, FlagsFollowTheSwitchesAndDropHooks)
{
    flags = std::int32_t(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_FORCESHOWHIDDEN);
    open();
    EXPECT_EQ(api->openCalls.back().Flags, OFN_FORCESHOWHIDDEN);
    save();
    EXPECT_EQ(api->saveCalls.back().Flags, OFN_HIDEREADONLY); // flags were reset by the cancel

    readOnly = true;
    open(true, true, true);
    EXPECT_EQ(api->openCalls.back().Flags,
              OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_READONLY | OFN_HIDEREADONLY);
    flags = std::int32_t(OFN_ENABLEHOOK | OFN_NODEREFERENCELINKS);
    save(true);
    EXPECT_EQ(api->saveCalls.back().Flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NODEREFERENCELINKS);
}

TEST_F(FileDialogTest, ConfirmedChoiceComesBack)
{
    api->onOpen = answer("/data/notes.log", "notes.log", 2, OFN_READONLY);
    EXPECT_TRUE(open());
    EXPECT_EQ(fileName, "/data/notes.log");
    EXPECT_EQ(fileTitle, "notes.log");
    EXPECT_EQ(filterIndex, 2);
    EXPECT_EQ(filter, nul("All~*.*"));
    EXPECT_EQ(DWORD(flags), OFN_READONLY);
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(dialog.APIReturn(), 1);

    // The user clears the read-only box this time; a filter index naming no pair gives no filter.
    api->onSave = answer("/tmp/out.txt", "out.txt", 3, 0, OFN_READONLY);
    api->onOpen = answer("/a.txt", "a.txt", 3, 0, OFN_READONLY);
    filter = "Text|*.txt|All|*.*";
    EXPECT_TRUE(open());
    EXPECT_FALSE(readOnly);
    EXPECT_TRUE(filter.isEmpty());
    EXPECT_TRUE(save(true));
    EXPECT_EQ(fileName, "/tmp/out.txt");
    EXPECT_EQ(DWORD(flags), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
}

TEST_F(FileDialogTest, SeveralChosenFilesAreAllKept)
{
    api->onOpen = [](OPENFILENAME& ofn) {
        ofn.lpstrFile = nul("/data~a.txt~b.txt~~").leftJustified(ofn.nMaxFile, QChar(0));
        return kDialogConfirmed;
    };
    EXPECT_TRUE(open(true, true));
    EXPECT_EQ(fileName, nul("/data~a.txt~b.txt"));
}

TEST_F(FileDialogTest, CancelAndFailureResetOutputs)
{
    readOnly = true;
    flags = std::int32_t(OFN_FORCESHOWHIDDEN);
    EXPECT_FALSE(open());
    EXPECT_TRUE(fileName.isEmpty());
    EXPECT_TRUE(fileTitle.isEmpty());
    EXPECT_TRUE(filter.isEmpty());
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(filterIndex, -1);
    EXPECT_TRUE(readOnly); // not an output of a cancelled dialog
    EXPECT_EQ(dialog.APIReturn(), 0);

    api->extendedError = FNERR_BUFFERTOOSMALL;
    api->onSave = [](OPENFILENAME&) { return kDialogFailed; };
    fileName = "x";
    filterIndex = 1;
    EXPECT_FALSE(save());
    EXPECT_TRUE(fileName.isEmpty());
    EXPECT_EQ(filterIndex, 0);
    EXPECT_EQ(dialog.APIReturn(), kDialogFailed);
    EXPECT_EQ(dialog.ExtendedError(), std::int32_t(FNERR_BUFFERTOOSMALL));
    // The next call starts clean.
    api->onSave = nullptr;
    save();
    EXPECT_EQ(dialog.ExtendedError(), 0);
}

TEST_F(FileDialogTest, FileTitle)
{
    EXPECT_EQ(dialog.VBGetFileTitle("/home/user/报告.txt"), "报告.txt");
    EXPECT_EQ(dialog.VBGetFileTitle("C:\\dir\\file.bas"), "file.bas");
    EXPECT_EQ(dialog.VBGetFileTitle(""), "");
    EXPECT_EQ(dialog.VBGetFileTitle("/home/user/"), "");
    EXPECT_EQ(dialog.VBGetFileTitle("/home/*.txt"), "");
    // The 260-character buffer holds 259 characters and the NUL.
    EXPECT_EQ(dialog.VBGetFileTitle("/x/" + QString(260, u'a')), "");
    EXPECT_EQ(dialog.VBGetFileTitle("/x/" + QString(259, u'a')), QString(259, u'a'));
}

} // namespace
} // namespace pattaro
