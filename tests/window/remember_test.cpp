#include "ui/clickablelabel.h"
#include "ui/livepreview.h"
#include "core/settings/preferences.h"
#include "ui/savedplacement.h"
#include "tests/dialogs/scripted_commondialog.h"
#include "tests/window/window_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using testing::TestWindow;

class CountingStore : public MemorySettingsStore {
public:
    void setValue(const QString& key, const QVariant& value) override
    {
        written << key;
        MemorySettingsStore::setValue(key, value);
    }
    QStringList written;
};

TEST(Remember, AFirstStartLooksAsDesignedAndWritesNothing)
{
    CountingStore store;
    TestWindow designed;
    TestWindow w(QString(), &store);
    EXPECT_TRUE(store.written.isEmpty()) << store.written.join(u", "_qs).toStdString();
    EXPECT_EQ(w.form->Color1()->BackColor(), designed.form->Color1()->BackColor());
    EXPECT_EQ(w.form->Color2()->BackColor(), designed.form->Color2()->BackColor());
    EXPECT_TRUE(w.form->Check1()->isChecked());
    EXPECT_EQ(w.form->Text3()->text(), QString());
    EXPECT_EQ(w.form->colorDialog(), nullptr);
}

// What the user sets in one window, the next window starts with.
TEST(Remember, TheNextWindowStartsWithWhatTheUserSet)
{
    const struct {
        const char* setting;
        std::function<void(Form1&)> set;
        std::function<bool(Form1&)> kept;
    } rows[] = {
        {"Check1", [](Form1& f) { f.Check1()->setChecked(false); },
         [](Form1& f) { return !f.Check1()->isChecked() && f.regEngine().IgnoreCase(); }},
        {"expression", [](Form1& f) { f.Text3()->setText(u"(\\w+)@"_qs); },
         [](Form1& f) { return f.Text3()->text() == u"(\\w+)@"_qs; }},
        {"replacement", [](Form1& f) { f.Text4()->setText(u"<$1>"_qs); },
         [](Form1& f) { return f.Text4()->text() == u"<$1>"_qs; }},
        {"live preview", [](Form1& f) { f.livePreview()->Toggle(); },
         [](Form1& f) { return f.livePreview()->IsOn(); }},
    };
    for (const auto& row : rows) {
        MemorySettingsStore store;
        {
            TestWindow first(QString(), &store);
            row.set(*first.form);
        }
        TestWindow next(QString(), &store);
        EXPECT_TRUE(row.kept(*next.form)) << row.setting;
    }
}

TEST(Remember, StoredColoursReachTheSwatchesAndTheDialog)
{
    MemorySettingsStore store;
    Preferences saved(store);
    saved.SwatchColour(1, 0x123456);
    saved.SwatchColour(2, 0x654321);
    Preferences::CustomColours custom{};
    custom[5] = 0x00ABCDEF;
    saved.DialogCustomColours(custom);
    TestWindow w(QString(), &store);
    EXPECT_EQ(w.form->Color1()->BackColor(), 0x123456u);
    EXPECT_EQ(w.form->Color2()->BackColor(), 0x654321u);
    EXPECT_EQ(w.form->colorDialog(), nullptr) << "the dialog still waits for the first click";
}

TEST(Remember, TheColourDialogOffersTheStoredCustomColoursAndKeepsItsChanges)
{
    const struct {
        const char* what;
        bool confirmed;
        platform::OleColor swatch1;
    } rows[] = {
        {"a colour chosen", true, 0x00112233},
        {"the choice cancelled", false, 0x0000C000},
    };
    for (const auto& row : rows) {
        MemorySettingsStore store;
        Preferences::CustomColours custom{};
        custom[5] = 0x00ABCDEF;
        Preferences(store).DialogCustomColours(custom);
        auto dialogs = std::make_shared<testing::ScriptedCommonDialogApi>();
        dialogs->onChooseColor = [&](platform::CHOOSECOLOR& cc) {
            (*cc.lpCustColors)[6] = 0x00FEDCBA;
            cc.rgbResult = 0x00112233;
            return row.confirmed ? platform::kDialogConfirmed : platform::kDialogCancelled;
        };
        testing::ScriptedMessageBox messages;
        Form1Services services;
        services.messageBox = &messages;
        services.selfCheck = [] { return QString(); };
        services.commonDialogs = dialogs;
        services.settings = &store;
        const platform::OleColor designed = TestWindow().form->Color1()->BackColor();
        {
            Form1 form(services);
            form.Color1_Click();
        }
        ASSERT_EQ(dialogs->customColorsSeen.size(), 1u) << row.what;
        EXPECT_EQ(dialogs->customColorsSeen[0][5], 0x00ABCDEFu) << row.what;
        custom[6] = 0x00FEDCBA;
        EXPECT_EQ(Preferences(store).DialogCustomColours(), custom) << row.what << ": even when cancelled";
        Form1 next(services);
        EXPECT_EQ(next.Color1()->BackColor(), row.confirmed ? row.swatch1 : designed) << row.what;
    }
}

TEST(Remember, TheWindowComesBackWhereTheUserLeftItWhileThatIsOnAScreen)
{
    MemorySettingsStore store;
    QPoint left;
    {
        TestWindow w(QString(), &store);
        w.form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.form.get()));
        w.form->move(w.form->pos() + QPoint(-37, 21));
        left = w.form->pos();
    }
    TestWindow next(QString(), &store);
    EXPECT_EQ(next.form->pos(), left);

    Preferences(store).WindowPosition({-50000, 40});
    TestWindow offScreen(QString(), &store);
    EXPECT_NE(offScreen.form->pos(), QPoint(-50000, 40)) << "a place no screen shows is not taken";
}

TEST(SavedPlacement, APlaceIsTakenOnlyWithEnoughTitleBarOnAScreen)
{
    const QList<QRect> screens = {QRect(0, 0, 1024, 768), QRect(1024, 0, 800, 600)};
    const QSize window(620, 494);
    const struct {
        const char* what;
        QPoint at;
        bool reachable;
    } rows[] = {
        {"wholly on the first screen", {100, 100}, true},
        {"on the second screen", {1100, 50}, true},
        {"mostly off the left, its right end showing", {-500, 10}, true},
        {"only 20 pixels showing at the left", {-600, 10}, false},
        {"above every screen", {100, -30}, false},
        {"below the second screen's foot", {1100, 590}, false},
        {"where the second screen was", {2000, 100}, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsReachablePlace(row.at, window, screens), row.reachable) << row.what;
}

} // namespace
} // namespace pattaro
