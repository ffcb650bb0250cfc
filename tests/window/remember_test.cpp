#include "ui/clickablelabel.h"
#include "ui/livepreview.h"
#include "core/settings/preferences.h"
#include "tests/window/window_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
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

} // namespace
} // namespace pattaro
