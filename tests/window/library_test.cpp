#include "ui/expressionpicker.h"
#include "ui/richtext/richtextbox.h"
#include "core/settings/preferences.h"
#include "tests/dialogs/scripted_commondialog.h"
#include "tests/window/window_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using platform::OPENFILENAME;
using testing::ScriptedMessageBox;

// A window whose library lives in a folder of the test's, whose name
// question is answered by script, and whose file dialogs pick `chosen`.
struct LibraryWindow {
    QTemporaryDir folder;
    MemorySettingsStore store;
    ScriptedMessageBox messages;
    testing::ScriptedPopupMenu menus;
    std::shared_ptr<testing::ScriptedCommonDialogApi> dialogs = std::make_shared<testing::ScriptedCommonDialogApi>();
    std::optional<QString> nameGiven = u"我的表达式"_qs;
    QString chosen;
    std::unique_ptr<Form1> form;

    LibraryWindow() { open(); }
    void open()
    {
        Form1Services services;
        services.messageBox = &messages;
        services.selfCheck = [] { return QString(); };
        services.popupMenu = &menus;
        services.settings = &store;
        services.commonDialogs = dialogs;
        services.libraryPath = libraryPath();
        services.askLibraryName = [this](const QString&) { return nameGiven; };
        const auto pick = [this](OPENFILENAME& ofn) {
            ofn.lpstrFile = chosen + QChar(0);
            return platform::kDialogConfirmed;
        };
        dialogs->onOpen = pick;
        dialogs->onSave = pick;
        form.reset();
        form = std::make_unique<Form1>(services);
    }
    QString libraryPath() const { return folder.filePath(u"config/library.json"_qs); }
    void set(const QString& expression, const QString& replacement, bool caseSensitive)
    {
        form->Text3()->setText(expression);
        form->Text4()->setText(replacement);
        form->Check1()->setChecked(caseSensitive);
    }
};

TEST(History, CommandsThatRanWithoutErrorEnterItAndItIsKept)
{
    const struct {
        const char* what;
        QString expression;
        std::function<void(Form1&)> command;
        bool entered;
    } rows[] = {
        {"the match check", u"\\d+"_qs, [](Form1& f) { f.Command1_Click(); }, true},
        {"the match check finding nothing", u"zzz"_qs, [](Form1& f) { f.Command1_Click(); }, true},
        {"the replacement", u"(a)"_qs, [](Form1& f) { f.Command2_Click(); }, true},
        {"the replacement keeping only matches", u"a"_qs, [](Form1& f) { f.Command3_Click(); }, true},
        {"an invalid expression", u"(a"_qs, [](Form1& f) { f.Command2_Click(); }, false},
        {"an empty expression", QString(), [](Form1& f) { f.Command2_Click(); }, false},
    };
    for (const auto& row : rows) {
        LibraryWindow w;
        w.form->TXT1()->Text(u"a1 a22"_qs);
        w.set(row.expression, u"<$&>"_qs, false);
        row.command(*w.form);
        const std::vector<HistoryEntry> expected =
            row.entered ? std::vector<HistoryEntry>{{row.expression, u"<$&>"_qs, false}} : std::vector<HistoryEntry>{};
        EXPECT_EQ(w.form->history().Entries(), expected) << row.what;
        EXPECT_EQ(Preferences(w.store).History().Entries(), expected) << row.what << ": remembered";
        w.open();
        EXPECT_EQ(w.form->history().Entries(), expected) << row.what << ": the next start";
    }
}

TEST(History, AltDownOrCtrlHOpensTheListTypingNarrowsItEnterPicks)
{
    const QList<QKeyCombination> keys = {QKeyCombination(Qt::AltModifier, Qt::Key_Down),
                                         QKeyCombination(Qt::ControlModifier, Qt::Key_H)};
    for (const QKeyCombination key : keys) {
        LibraryWindow w;
        w.form->show();
        w.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
        w.form->TXT1()->Text(u"x"_qs);
        w.set(u"first"_qs, u"1"_qs, false);
        w.form->Command2_Click();
        w.set(u"second"_qs, QString(), true);
        w.form->Command2_Click();
        w.set(QString(), QString(), true);

        w.form->Text3()->setFocus();
        QTest::keyClick(w.form->Text3(), key.key(), key.keyboardModifiers());
        ExpressionPicker* picker = w.form->expressionPicker();
        ASSERT_TRUE(picker->isVisible());
        ASSERT_GE(picker->List()->count(), 2 + 22) << "the history and the ready-made expressions";
        EXPECT_TRUE(picker->List()->item(0)->text().contains(u"second"_qs)) << "newest first";
        QTest::keyClicks(picker->Filter(), u"fir"_qs);
        ASSERT_EQ(picker->List()->count(), 1);
        QTest::keyClick(picker->Filter(), Qt::Key_Return);
        EXPECT_FALSE(picker->isVisible());
        EXPECT_EQ(w.form->Text3()->text(), u"first"_qs);
        EXPECT_EQ(w.form->Text4()->text(), u"1"_qs);
        EXPECT_FALSE(w.form->Check1()->isChecked());
    }
}

TEST(Library, SavedExpressionsGoToTheFileAndComeBack)
{
    LibraryWindow w;
    w.set(u"\\d{4}"_qs, u"Y"_qs, false);
    w.form->saveToLibrary();
    w.nameGiven = std::nullopt;
    w.set(u"declined"_qs, QString(), true);
    w.form->saveToLibrary();
    const std::vector<LibraryEntry> saved = {{u"我的表达式"_qs, u"\\d{4}"_qs, u"Y"_qs, false}};
    EXPECT_EQ(w.form->library().Entries(), saved);
    QFile file(w.libraryPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the folder was made";
    EXPECT_EQ(ExpressionLibrary::FromJson(file.readAll())->Entries(), saved);
    w.open();
    EXPECT_EQ(w.form->library().Entries(), saved);
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST(Library, ExportThenImportCarriesTheLibraryAndABadFileIsExplained)
{
    LibraryWindow w;
    w.set(u"a+"_qs, QString(), true);
    w.form->saveToLibrary();
    w.chosen = w.folder.filePath(u"shared.json"_qs);
    w.form->exportLibrary();

    LibraryWindow other;
    other.nameGiven = u"other"_qs;
    other.set(u"b+"_qs, QString(), true);
    other.form->saveToLibrary();
    other.chosen = w.chosen;
    other.form->importLibrary();
    ASSERT_EQ(other.form->library().Entries().size(), 2u);
    EXPECT_EQ(other.form->library().Entries()[1].expression, u"a+"_qs);

    QFile broken(other.folder.filePath(u"broken.json"_qs));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"expressions\": 3}");
    broken.close();
    other.chosen = broken.fileName();
    other.form->importLibrary();
    ASSERT_EQ(other.messages.shown.size(), 1u);
    EXPECT_TRUE(other.messages.shown[0].text.contains(u"expressions"_qs));
    EXPECT_EQ(other.form->library().Entries().size(), 2u) << "nothing of the bad file";
}

} // namespace
} // namespace pattaro
