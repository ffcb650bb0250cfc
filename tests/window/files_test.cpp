// Opening a file into the source pane and saving the result pane, through
// the open and save dialogs, a drop and the keyboard. The dialogs and message
// boxes are scripted; files are real unless a failing disk is the point.
#include "ui/richtext/richtextbox.h"
#include "ui/filedrop.h"
#include "ui/form1.h"
#include "ui/textfiles.h"
#include "compat/filestore.h"
#include "tests/dialogs/scripted_commondialog.h"
#include "tests/support/encodedfiles.h"
#include "tests/support/scripted_encodingchooser.h"
#include "testkit/scripted_messagebox.h"
#include "tests/support/utf16bytes.h"

#include <QApplication>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace pattaro {
namespace {

using namespace platform;

// A disk that refuses what the test says, and otherwise passes to the real one.
struct ScriptedFileStore : FileStore {
    DiskFileStore disk;
    std::optional<ReadResult> readAnswer;
    std::optional<QString> writeError;
    std::vector<qint64> limitsAsked;

    ReadResult read(const QString& path, qint64 maxBytes) override
    {
        limitsAsked.push_back(maxBytes);
        return readAnswer ? *readAnswer : disk.read(path, maxBytes);
    }
    std::optional<QString> write(const QString& path, QByteArrayView bytes) override
    {
        return writeError ? writeError : disk.write(path, bytes);
    }
};

const QString kKept = QStringLiteral("keep\r\nme");

class Form1Files : public ::testing::Test {
protected:
    Form1Services services()
    {
        Form1Services s{&boxes, [] { return QString(); }};
        s.commonDialogs = dialogs;
        s.files = &files;
        s.encodingChooser = &chooser;
        return s;
    }

    QString writeFile(const char* name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    // The user picks path in the next open or save dialog.
    void choose(const QString& path)
    {
        const auto pick = [path](OPENFILENAME& ofn) {
            ofn.lpstrFile = path + QChar(0);
            return kDialogConfirmed;
        };
        dialogs->onOpen = pick;
        dialogs->onSave = pick;
    }

    void dropFiles(const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QWidget* target = window.TXT1()->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }

    QTemporaryDir dir;
    testing::ScriptedMessageBox boxes;
    testing::ScriptedEncodingChooser chooser;
    std::shared_ptr<testing::ScriptedCommonDialogApi> dialogs = std::make_shared<testing::ScriptedCommonDialogApi>();
    ScriptedFileStore files;
    Form1 window{services()};
};

TEST_F(Form1Files, OpensEachEncodingIntoTheSourcePaneExactly)
{
    // 中, U+20000 (four bytes in GB18030), CR LF and a lone CR.
    const QString text = QString::fromUtf8("a\xE4\xB8\xAD\xF0\xA0\x80\x80\r\nb\rc");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"utf8.txt", text.toUtf8()},
        {"utf8-mark.txt", "\xEF\xBB\xBF" + text.toUtf8()},
        {"utf16le.txt", utf16File(text, false)},
        {"utf16be.txt", utf16File(text, true)},
        {"gb18030.txt", QByteArray("a\xD6\xD0\x95\x32\x82\x36\r\nb\rc")},
    };
    for (const auto& c : cases) {
        window.TXT1()->Text(kKept);
        choose(writeFile(c.name, c.bytes));
        window.OpenFile();
        EXPECT_EQ(window.TXT1()->Text(), text) << c.name;
    }
    EXPECT_TRUE(boxes.shown.empty());
    ASSERT_EQ(dialogs->openCalls.size(), std::size(cases));
    EXPECT_EQ(dialogs->openCalls[0].lpstrTitle, QStringLiteral("打开文本文件"));
    EXPECT_TRUE(dialogs->openCalls[0].Flags & OFN_FILEMUSTEXIST);
    // The next dialog starts in the folder of the last file.
    EXPECT_EQ(dialogs->openCalls[1].lpstrInitialDir, QDir(dir.path()).absolutePath());
    EXPECT_EQ(files.limitsAsked.front(), qint64(256) << 20);
}

TEST_F(Form1Files, AFileThatCannotBeOpenedIsExplainedAndChangesNothing)
{
    using Outcome = FileStore::ReadResult::Outcome;
    const struct {
        const char* name;
        QString path;
        std::optional<FileStore::ReadResult> disk;
        const char* explained;
    } cases[] = {
        {"binary", writeFile("picture.png", QByteArray("\x89PNG\r\n\x1A\n\0\0", 10)), std::nullopt, "不是文本文件"},
        {"marked UTF-8 broken", writeFile("bad.txt", "\xEF\xBB\xBFok\xFF"), std::nullopt, "UTF-8"},
        {"odd UTF-16", writeFile("odd.txt", "\xFF\xFE" "a"), std::nullopt, "UTF-16LE"},
        {"missing", dir.filePath("missing.txt"), std::nullopt, "无法读取"},
        {"too large", writeFile("large.txt", "a"), FileStore::ReadResult{Outcome::TooLarge, {}, {}}, "256 MB"},
        {"unreadable", writeFile("disk.txt", "a"), FileStore::ReadResult{Outcome::Failed, {}, "Input/output error"},
         "Input/output error"},
    };
    for (const auto& c : cases) {
        window.TXT1()->Text(kKept);
        boxes.shown.clear();
        files.readAnswer = c.disk;
        choose(c.path);
        window.OpenFile();
        EXPECT_EQ(window.TXT1()->Text(), kKept) << c.name;
        ASSERT_EQ(boxes.shown.size(), 1u) << c.name;
        EXPECT_TRUE(boxes.shown[0].text.contains(QString::fromUtf8(c.explained))) << c.name;
        EXPECT_TRUE(boxes.shown[0].text.contains(QFileInfo(c.path).fileName())) << c.name;
        EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Exclamation) << c.name;
    }
}

// A file whose encoding detection is sure of opens as it is; one it cannot
// tell is asked about, each likely encoding shown with the file's start read
// in it, and opens in the one chosen, or not at all.
TEST_F(Form1Files, AsksForTheEncodingOnlyWhenDetectionCannotTell)
{
    const struct {
        const char* file;
        std::optional<TextEncoding> answer;
        bool asked;
        std::optional<QString> opened; // none: the pane keeps its text
    } cases[] = {
        {"big5-sentence.txt", std::nullopt, false, QStringLiteral("今天天氣很好，我們去公園散步吧。")},
        {"gb18030-short.txt", std::nullopt, false, QStringLiteral("中文")},
        {"big5-short.txt", TextEncoding::Big5, true, QStringLiteral("中文")},
        {"shift_jis-short.txt", TextEncoding::ShiftJis, true, QStringLiteral("あい")},
        {"big5-short.txt", std::nullopt, true, std::nullopt},
    };
    for (const auto& c : cases) {
        window.TXT1()->Text(kKept);
        chooser.asked.clear();
        chooser.answer = c.answer;
        choose(testing::encodedPath(c.file));
        window.OpenFile();
        EXPECT_EQ(window.TXT1()->Text(), c.opened.value_or(kKept)) << c.file;
        ASSERT_EQ(chooser.asked.size(), c.asked ? 1u : 0u) << c.file;
        if (c.asked) {
            const std::vector<EncodingOption>& options = chooser.asked[0].options;
            EXPECT_TRUE(chooser.asked[0].fileName.endsWith(QString::fromLatin1(c.file)));
            const auto offered = std::find_if(options.begin(), options.end(),
                                              [&](const EncodingOption& o) { return o.encoding == c.answer; });
            if (c.answer) {
                ASSERT_NE(offered, options.end()) << c.file;
                EXPECT_EQ(offered->preview, *c.opened) << c.file;
                EXPECT_EQ(offered->label, EncodingLabel(*c.answer)) << c.file;
            }
            // The best guess, first, is what the bytes read as in GB18030.
            EXPECT_EQ(options.front().label, QStringLiteral("GB18030（简体中文）")) << c.file;
        }
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Form1Files, UTF8CutShortOpensWithAReplacementAndANotice)
{
    window.TXT1()->Text(kKept);
    choose(testing::encodedPath("utf8-cut.txt"));
    window.OpenFile();
    EXPECT_EQ(window.TXT1()->Text(), QStringLiteral("中文\uFFFD"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Information);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("不完整"))) << qPrintable(boxes.shown[0].text);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("utf8-cut.txt")));
    EXPECT_TRUE(chooser.asked.empty());
}

// A pipe would keep the window waiting for a writer that never comes.
TEST_F(Form1Files, APipeIsRefusedAtOnce)
{
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Should opening wait after all, a writer comes and goes, so that the
    // test fails rather than hangs.
    std::atomic<bool> done = false;
    std::thread unblocker([&] {
        for (int waited = 0; !done; ++waited) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (waited < 300)
                continue;
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
    });
    window.TXT1()->Text(kKept);
    choose(fifo);
    window.OpenFile();
    dropFiles({fifo});
    done = true;
    unblocker.join();
    EXPECT_EQ(window.TXT1()->Text(), kKept);
    ASSERT_EQ(boxes.shown.size(), 2u);
    for (const auto& shown : boxes.shown) {
        EXPECT_TRUE(shown.text.contains(QStringLiteral("不是普通文件"))) << qPrintable(shown.text);
        EXPECT_TRUE(shown.text.contains(QStringLiteral("pipe")));
    }
    // The disk says why as well, without opening it.
    EXPECT_EQ(DiskFileStore().read(fifo, 100).outcome, FileStore::ReadResult::Outcome::NotAFile);
}

TEST_F(Form1Files, CancellingTheDialogChangesNothing)
{
    window.TXT1()->Text(kKept);
    window.OpenFile();
    window.SaveResult();
    EXPECT_EQ(window.TXT1()->Text(), kKept);
    EXPECT_EQ(dialogs->openCalls.size(), 1u);
    EXPECT_EQ(dialogs->saveCalls.size(), 1u);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Form1Files, SavesTheResultPaneAsUtf8WithItsLineBreaks)
{
    const QString path = dir.filePath("result.txt");
    window.TXT2()->Text(QString::fromUtf8("\xE4\xB8\xAD\xF0\x9F\x98\x80\r\nb\rc\n"));
    choose(path);
    window.SaveResult();
    EXPECT_EQ(readFile(path), "\xE4\xB8\xAD\xF0\x9F\x98\x80\r\nb\rc\n");
    EXPECT_TRUE(boxes.shown.empty());
    ASSERT_EQ(dialogs->saveCalls.size(), 1u);
    EXPECT_TRUE(dialogs->saveCalls[0].Flags & OFN_OVERWRITEPROMPT);
    EXPECT_EQ(dialogs->saveCalls[0].lpstrDefExt, QStringLiteral("txt"));

    // A lone surrogate cannot be written in UTF-8; the user is told.
    window.TXT2()->Text(QString(QChar(0xD83D)) + u'x');
    window.SaveResult();
    EXPECT_EQ(readFile(path), "\xEF\xBF\xBD" "x");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("U+FFFD")));
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Information);
}

TEST_F(Form1Files, AFailedSaveIsExplained)
{
    window.TXT2()->Text(QStringLiteral("result"));
    for (const QString& path : {dir.filePath("no/such/folder/out.txt"), dir.filePath("full.txt")}) {
        files.writeError = path.endsWith(u"full.txt") ? std::optional(QStringLiteral("No space left on device"))
                                                      : std::nullopt;
        boxes.shown.clear();
        choose(path);
        window.SaveResult();
        ASSERT_EQ(boxes.shown.size(), 1u) << qPrintable(path);
        EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("无法保存文件"))) << qPrintable(path);
        EXPECT_TRUE(boxes.shown[0].text.contains(QFileInfo(path).fileName())) << qPrintable(path);
        EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Exclamation);
    }
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("No space left on device")));
}

TEST_F(Form1Files, DroppingAFileOnTheSourcePaneOpensIt)
{
    window.TXT1()->Text(kKept);
    dropFiles({writeFile("dropped.txt", "\xD6\xD0\xCE\xC4\r\n")});
    EXPECT_EQ(window.TXT1()->Text(), QStringLiteral("中文\r\n"));

    // Several at once: which one would be a guess.
    window.TXT1()->Text(kKept);
    dropFiles({writeFile("one.txt", "1"), writeFile("two.txt", "2")});
    EXPECT_EQ(window.TXT1()->Text(), kKept);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("一次只能打开一个文件。"));
}

TEST(FileDrop, TakesOnlyDragsOfLocalFiles)
{
    QMimeData text;
    text.setText(QStringLiteral("/tmp/a.txt"));
    EXPECT_TRUE(FileDrop::localFiles(&text).isEmpty());
    QMimeData mixed;
    mixed.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")), QUrl(QStringLiteral("https://example.org/b"))});
    EXPECT_TRUE(FileDrop::localFiles(&mixed).isEmpty());
    QMimeData local;
    local.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a b.txt"))});
    EXPECT_EQ(FileDrop::localFiles(&local), QStringList{QStringLiteral("/tmp/a b.txt")});
}

TEST_F(Form1Files, CtrlOAndCtrlSReachTheDialogs)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.TXT1(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(window.TXT1(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs->openCalls.size(), 1u);
    EXPECT_EQ(dialogs->saveCalls.size(), 1u);
}

TEST(DiskFileStore, RefusesAFileBeyondTheLimitWithoutReadingIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ten.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0123456789");
    file.close();
    DiskFileStore disk;
    EXPECT_EQ(disk.read(path, 10).bytes, "0123456789");
    EXPECT_EQ(disk.read(path, 9).outcome, FileStore::ReadResult::Outcome::TooLarge);
    EXPECT_EQ(disk.read(dir.path(), 100).outcome, FileStore::ReadResult::Outcome::NotAFile);
    EXPECT_EQ(disk.read(dir.filePath("missing"), 100).outcome, FileStore::ReadResult::Outcome::Failed);
    EXPECT_FALSE(disk.write(path, "new").has_value());
    EXPECT_EQ(disk.read(path, 10).bytes, "new");
}

} // namespace
} // namespace pattaro
