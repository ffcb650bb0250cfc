#include "dialogs/gcommondialog.h"
#include "tests/dialogs/scripted_commondialog.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

using namespace platform;

QString nul(const char* text)
{
    QString s = QString::fromUtf8(text);
    s.replace(u'~', QChar(0));
    return s;
}

// The dialog's answer: a chosen file written the way the dialogs write it.
int choose(OPENFILENAME& ofn, const QString& file, const QString& title, DWORD index, DWORD extraFlags = 0)
{
    ofn.lpstrFile = (file + QChar(0)).leftJustified(ofn.nMaxFile, QChar(0));
    ofn.lpstrFileTitle = (title + QChar(0)).leftJustified(ofn.nMaxFileTitle, QChar(0));
    ofn.nFilterIndex = index;
    ofn.Flags |= extraFlags;
    return kDialogConfirmed;
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

TEST_F(FileDialogTest, FilterFieldsEndAtBarsAndColons)
{
    open();
    filter = "Logs|app:*.log";
    open();
    filter.clear();
    open();

    ASSERT_EQ(api->openCalls.size(), 3u);
    EXPECT_EQ(api->openCalls[0].lpstrFilter, nul("Text (*.txt)~*.txt~All~*.*~~"));
    EXPECT_EQ(api->openCalls[1].lpstrFilter, nul("Logs~app~*.log~~"));
    // No filter: every file.
    EXPECT_EQ(api->openCalls[2].lpstrFilter, nul("All (*.*)~ *.*~~"));
}

TEST_F(FileDialogTest, RecordBuffersAndFields)
{
    open();
    const OPENFILENAME& ofn = api->openCalls.at(0);
    EXPECT_EQ(ofn.lStructSize, 76u);
    EXPECT_EQ(ofn.hwndOwner, 0);
    EXPECT_EQ(ofn.nMaxFile, 260u);
    EXPECT_EQ(ofn.lpstrFile, QString("draft.txt").leftJustified(260, QChar(0)));
    EXPECT_EQ(ofn.nMaxFileTitle, 260u);
    EXPECT_EQ(ofn.lpstrFileTitle, QString(260, QChar(0)));
    EXPECT_EQ(ofn.nFilterIndex, 2u);
    EXPECT_EQ(ofn.lpstrInitialDir, "/home");
    EXPECT_EQ(ofn.lpstrTitle, "打开");
    EXPECT_EQ(ofn.lpstrDefExt, "txt");
}

TEST_F(FileDialogTest, OpenFlagsFollowTheSwitchesAndDropHooks)
{
    flags = std::int32_t(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_FORCESHOWHIDDEN);
    open();
    EXPECT_EQ(api->openCalls.back().Flags, OFN_FORCESHOWHIDDEN);

    flags = 0;
    readOnly = true;
    open(true, true, true);
    EXPECT_EQ(api->openCalls.back().Flags,
              OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_READONLY | OFN_HIDEREADONLY);
}

TEST_F(FileDialogTest, SaveFlagsAlwaysHideReadOnly)
{
    flags = std::int32_t(OFN_ENABLEHOOK | OFN_NODEREFERENCELINKS);
    save();
    EXPECT_EQ(api->saveCalls.back().Flags, OFN_HIDEREADONLY | OFN_NODEREFERENCELINKS);
    EXPECT_EQ(api->saveCalls.back().hwndOwner, 77);
    flags = 0;
    save(true);
    EXPECT_EQ(api->saveCalls.back().Flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
}

TEST_F(FileDialogTest, ConfirmedOpenGivesChoice)
{
    api->onOpen = [](OPENFILENAME& ofn) { return choose(ofn, "/data/notes.log", "notes.log", 2, OFN_READONLY); };
    EXPECT_TRUE(open());
    EXPECT_EQ(fileName, "/data/notes.log");
    EXPECT_EQ(fileTitle, "notes.log");
    EXPECT_EQ(filterIndex, 2);
    EXPECT_EQ(filter, nul("All~*.*"));
    EXPECT_EQ(DWORD(flags), OFN_READONLY);
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(dialog.APIReturn(), 1);

    api->onOpen = [](OPENFILENAME& ofn) {
        EXPECT_TRUE(ofn.Flags & OFN_READONLY); // the box starts ticked
        ofn.Flags &= ~OFN_READONLY;             // and the user clears it
        return choose(ofn, "/a.txt", "a.txt", 1);
    };
    filter = "Text (*.txt)|*.txt|All|*.*";
    EXPECT_TRUE(open());
    EXPECT_EQ(filter, nul("Text (*.txt)~*.txt"));
    EXPECT_FALSE(readOnly);
}

TEST_F(FileDialogTest, FilterIndexWithoutAPairGivesEmptyFilter)
{
    api->onOpen = [](OPENFILENAME& ofn) { return choose(ofn, "/a", "a", 3); };
    EXPECT_TRUE(open());
    EXPECT_TRUE(filter.isEmpty());
    api->onOpen = [](OPENFILENAME& ofn) { return choose(ofn, "/a", "a", 0); };
    filter = "Text|*.txt";
    EXPECT_TRUE(open());
    EXPECT_TRUE(filter.isEmpty());
}

TEST_F(FileDialogTest, SeveralChosenFilesAreAllKept)
{
    api->onOpen = [](OPENFILENAME& ofn) {
        ofn.lpstrFile = nul("/data~a.txt~b.txt~~").leftJustified(ofn.nMaxFile, QChar(0));
        ofn.nFilterIndex = 1;
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
    EXPECT_EQ(dialog.ExtendedError(), 0);

    api->extendedError = FNERR_BUFFERTOOSMALL;
    api->onSave = [](OPENFILENAME&) { return kDialogFailed; };
    fileName = "x";
    filter = "All|*.*";
    filterIndex = 1;
    EXPECT_FALSE(save());
    EXPECT_TRUE(fileName.isEmpty());
    EXPECT_TRUE(filter.isEmpty());
    EXPECT_EQ(filterIndex, 0);
    EXPECT_EQ(dialog.APIReturn(), kDialogFailed);
    EXPECT_EQ(dialog.ExtendedError(), std::int32_t(FNERR_BUFFERTOOSMALL));

    // The next call starts clean.
    api->onSave = nullptr;
    save();
    EXPECT_EQ(dialog.ExtendedError(), 0);
}

TEST_F(FileDialogTest, ConfirmedSave)
{
    api->onSave = [](OPENFILENAME& ofn) { return choose(ofn, "/tmp/out.txt", "out.txt", 1); };
    EXPECT_TRUE(save(true));
    EXPECT_EQ(fileName, "/tmp/out.txt");
    EXPECT_EQ(fileTitle, "out.txt");
    EXPECT_EQ(filterIndex, 1);
    EXPECT_EQ(DWORD(flags), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
}

TEST_F(FileDialogTest, FileTitle)
{
    EXPECT_EQ(dialog.VBGetFileTitle("/home/user/报告.txt"), "报告.txt");
    EXPECT_EQ(dialog.VBGetFileTitle("C:\\dir\\file.bas"), "file.bas");
    EXPECT_EQ(dialog.VBGetFileTitle("plain"), "plain");
    EXPECT_EQ(dialog.VBGetFileTitle(""), "");
    EXPECT_EQ(dialog.VBGetFileTitle("/home/user/"), "");
    EXPECT_EQ(dialog.VBGetFileTitle("/home/*.txt"), "");
    // No room in the 260-character buffer.
    EXPECT_EQ(dialog.VBGetFileTitle("/x/" + QString(260, u'a')), "");
    EXPECT_EQ(dialog.VBGetFileTitle("/x/" + QString(259, u'a')), QString(259, u'a'));
}

} // namespace
} // namespace pattaro
