#include "core/settings/preferences.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

void noWarning(const QString& line)
{
    ADD_FAILURE() << "unexpected warning: " << line.toStdString();
}

// Each setting written into the settings file comes back from the file as
// the next start reads it.
TEST(PreferencesTest, EverySettingSurvivesTheFile)
{
    Preferences::CustomColours custom{};
    for (std::size_t i = 0; i < custom.size(); ++i)
        custom[i] = Preferences::Colour(0x010203 * (i + 1));
    ExpressionHistory history;
    history.Add({u"\\d+,x"_qs, u"[$&]"_qs, false});
    history.Add({u"a=b; [c]"_qs, QString(), true});
    const struct {
        const char* setting;
        std::function<void(Preferences&)> write;
        std::function<bool(const Preferences&)> readsBack;
    } rows[] = {
        {"swatch 1", [](Preferences& p) { p.SwatchColour(1, 0x00C000); },
         [](const Preferences& p) { return p.SwatchColour(1) == 0x00C000u && !p.SwatchColour(2); }},
        {"swatch 2", [](Preferences& p) { p.SwatchColour(2, 0xFFFFFF); },
         [](const Preferences& p) { return p.SwatchColour(2) == 0xFFFFFFu; }},
        {"custom colours", [&](Preferences& p) { p.DialogCustomColours(custom); },
         [&](const Preferences& p) { return p.DialogCustomColours() == custom; }},
        {"case option off", [](Preferences& p) { p.CaseSensitive(false); },
         [](const Preferences& p) { return p.CaseSensitive() == false; }},
        {"expression with commas, quotes and a leading @", [](Preferences& p) { p.Expression(u"@a,\"b\";c=d"_qs); },
         [](const Preferences& p) { return p.Expression() == u"@a,\"b\";c=d"_qs; }},
        {"expression that reads like a word", [](Preferences& p) { p.Expression(u"true"_qs); },
         [](const Preferences& p) { return p.Expression() == u"true"_qs; }},
        {"replacement of wide text", [](Preferences& p) { p.Replacement(u"替换 $1\t"_qs); },
         [](const Preferences& p) { return p.Replacement() == u"替换 $1\t"_qs; }},
        {"window position off the left", [](Preferences& p) { p.WindowPosition({-300, 40}); },
         [](const Preferences& p) { return p.WindowPosition() == QPoint(-300, 40); }},
        {"live preview", [](Preferences& p) { p.LivePreview(true); },
         [](const Preferences& p) { return p.LivePreview() == true; }},
        {"theme", [](Preferences& p) { p.Theme(6); }, [](const Preferences& p) { return p.Theme() == 6; }},
        {"look", [](Preferences& p) { p.Look(0); }, [](const Preferences& p) { return p.Look() == 0; }},
        {"zoom", [](Preferences& p) { p.Zoom(20); }, [](const Preferences& p) { return p.Zoom() == 20; }},
        {"history", [&](Preferences& p) { p.History(history); },
         [&](const Preferences& p) { return p.History().Entries() == history.Entries(); }},
    };
    for (const auto& row : rows) {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"Pattaro.conf"_qs);
        {
            FileSettingsStore store(path, noWarning);
            Preferences written(store);
            row.write(written);
        }
        FileSettingsStore store(path, noWarning);
        EXPECT_TRUE(row.readsBack(Preferences(store))) << row.setting;
    }
}

TEST(PreferencesTest, ValuesTheWindowCannotUseReadAsNothing)
{
    const struct {
        const char* key;
        QVariant stored;
        std::function<bool(const Preferences&)> readsNothing;
    } rows[] = {
        {"colours/swatch1", u"green"_qs, [](const Preferences& p) { return !p.SwatchColour(1); }},
        {"colours/swatch1", 0x1000000, [](const Preferences& p) { return !p.SwatchColour(1); }},
        {"colours/swatch2", -1, [](const Preferences& p) { return !p.SwatchColour(2); }},
        {"colours/custom", QStringList{u"1"_qs, u"2"_qs}, [](const Preferences& p) { return !p.DialogCustomColours(); }},
        {"expression/caseSensitive", u"yes"_qs, [](const Preferences& p) { return !p.CaseSensitive(); }},
        {"expression/pattern", QStringList{u"a"_qs, u"b"_qs}, [](const Preferences& p) { return !p.Expression(); }},
        {"appearance/theme", 7, [](const Preferences& p) { return !p.Theme(); }},
        {"appearance/look", 4, [](const Preferences& p) { return !p.Look(); }},
        {"panes/zoom", 7, [](const Preferences& p) { return !p.Zoom(); }},
        {"panes/zoom", 49, [](const Preferences& p) { return !p.Zoom(); }},
        {"window/x", u"left"_qs, [](const Preferences& p) { return !p.WindowPosition(); }},
        {"livePreview", 1, [](const Preferences& p) { return !p.LivePreview(); }},
        {"expression/history", u"{not json"_qs, [](const Preferences& p) { return p.History().Entries().empty(); }},
    };
    for (const auto& row : rows) {
        MemorySettingsStore store;
        store.setValue(u"window/y"_qs, 10);
        store.setValue(QString::fromLatin1(row.key), row.stored);
        EXPECT_TRUE(row.readsNothing(Preferences(store))) << row.key << " = " << row.stored.toString().toStdString();
    }
}

TEST(PreferencesTest, ZoomStaysWithinThePanesRange)
{
    const struct {
        int asked, given;
    } rows[] = {{-5, 8}, {7, 8}, {8, 8}, {12, 12}, {48, 48}, {49, 48}, {1000, 48}};
    for (const auto& row : rows)
        EXPECT_EQ(ClampZoom(row.asked), row.given) << row.asked;
}

} // namespace
} // namespace pattaro
