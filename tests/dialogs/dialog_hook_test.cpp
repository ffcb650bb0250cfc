#include "dialogs/gcommondialog.h"
#include "tests/dialogs/scripted_commondialog.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

using namespace platform;

struct RecordingSink : DialogEventSink {
    QStringList heard;
    bool accept = true;
    void InitDialog(HWND h) override { heard << QString("init %1").arg(h); }
    void DialogClose() override { heard << "close"; }
    void FileChange(HWND h) override { heard << QString("file %1").arg(h); }
    void FolderChange(HWND h) override { heard << QString("folder %1").arg(h); }
    void TypeChange(HWND h) override { heard << QString("type %1").arg(h); }
    bool ConfirmOK() override { return accept; }
};

class DialogHookTest : public ::testing::Test {
protected:
    // Opens a file dialog during which the hook receives what hook() sends.
    void openWith(std::function<void()> hook)
    {
        api->onOpen = [hook](OPENFILENAME&) {
            hook();
            return kDialogCancelled;
        };
        QString name, title, filter;
        std::int32_t index = 0, flags = 0;
        bool readOnly = false;
        dialog.VBGetOpenFileName(name, title, false, false, readOnly, false, filter, index, {}, {}, {}, -1, flags,
                                 true, &sink);
    }
    LRESULT notify(HWND hDlg, int code)
    {
        NMHDR header;
        header.code = code;
        return dialog.DialogHook(hDlg, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    }

    std::shared_ptr<testing::ScriptedCommonDialogApi> api = std::make_shared<testing::ScriptedCommonDialogApi>();
    GCommonDialog dialog{api};
    RecordingSink sink;
    std::vector<LRESULT> answers;
};

TEST_F(DialogHookTest, ForwardsToTheSinkWhileTheDialogIsOpen)
{
    openWith([&] {
        answers.push_back(dialog.DialogHook(9, WM_INITDIALOG, 0, 0));
        answers.push_back(notify(9, CDN_SELCHANGE));
        answers.push_back(notify(9, CDN_FOLDERCHANGE));
        answers.push_back(notify(9, CDN_TYPECHANGE));
        answers.push_back(notify(9, -601));
        answers.push_back(dialog.DialogHook(9, WM_NOTIFY, 0, 0)); // no header at all
        answers.push_back(dialog.DialogHook(9, WM_NCDESTROY, 0, 0));
    });
    EXPECT_EQ(sink.heard, QStringList({"init 9", "file 9", "folder 9", "type 9", "close"}));
    EXPECT_EQ(answers, std::vector<LRESULT>(7, 0));
}

TEST_F(DialogHookTest, ConfirmOkCanKeepTheDialogOpen)
{
    openWith([&] {
        sink.accept = false;
        answers.push_back(notify(5, CDN_FILEOK));
        sink.accept = true;
        answers.push_back(notify(5, CDN_FILEOK));
    });
    EXPECT_EQ(answers, (std::vector<LRESULT>{1, 0}));
    using Long = std::tuple<HWND, int, LONG>;
    EXPECT_EQ(api->windowLongs, (std::vector<Long>{{5, DWL_MSGRESULT, 1}, {5, DWL_MSGRESULT, 0}}));
}

TEST_F(DialogHookTest, SinkIsForgottenAfterTheCallAndColourNeverTakesIt)
{
    openWith([] {});
    EXPECT_EQ(dialog.DialogHook(9, WM_INITDIALOG, 0, 0), 0);

    api->onChooseColor = [&](CHOOSECOLOR&) {
        dialog.DialogHook(9, WM_INITDIALOG, 0, 0);
        return kDialogConfirmed;
    };
    std::int32_t colour = 0;
    dialog.VBChooseColor(colour, true, false, false, -1, 0, true, &sink);
    EXPECT_TRUE(sink.heard.isEmpty());
}

} // namespace
} // namespace pattaro
