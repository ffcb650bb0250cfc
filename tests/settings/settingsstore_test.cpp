#include "core/settings/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

// A settings file the program cannot use is named in one warning; the
// program goes on as on a first start, and what it sets next makes a sound
// file in its place.
TEST(SettingsStoreTest, AnUnusableFileIsReportedOnceAndReplaced)
{
    const struct {
        const char* what;
        QByteArray content; // written as the file
        bool folder;        // the file's name taken by a folder
        bool writable;
    } rows[] = {
        {"binary bytes around a group never closed", QByteArray("\x00\x01\xff\xfe\n[col\x02\nkey", 13), false, true},
        {"a group never closed", "[colours\nswatch1=255\n", false, true},
        {"a folder in the file's place", QByteArray(), true, false},
    };
    for (const auto& row : rows) {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"Pattaro.conf"_qs);
        if (row.folder) {
            ASSERT_TRUE(QDir().mkpath(path));
        } else {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(row.content);
        }
        QStringList warnings;
        {
            FileSettingsStore store(path, [&](const QString& line) { warnings << line; });
            ASSERT_EQ(warnings.size(), 1) << row.what;
            EXPECT_TRUE(warnings[0].contains(path)) << row.what;
            EXPECT_FALSE(warnings[0].contains(u'\n')) << row.what;
            EXPECT_FALSE(store.value(u"colours/swatch1"_qs).isValid()) << row.what;
            store.setValue(u"appearance/theme"_qs, 3);
            EXPECT_EQ(store.value(u"appearance/theme"_qs).toInt(), 3) << row.what;
        }
        EXPECT_EQ(warnings.size(), 1) << row.what << ": writing warns no more";
        if (!row.writable)
            continue;
        FileSettingsStore next(path, [&](const QString& line) { warnings << line; });
        EXPECT_EQ(warnings.size(), 1) << row.what << ": the file written in its place reads cleanly";
        EXPECT_EQ(next.value(u"appearance/theme"_qs).toInt(), 3) << row.what;
        EXPECT_FALSE(next.value(u"colours/swatch1"_qs).isValid()) << row.what << ": nothing of the broken file";
    }
}

TEST(SettingsStoreTest, NoFileIsAFirstStartWithoutAWord)
{
    QTemporaryDir folder;
    int warnings = 0;
    FileSettingsStore store(folder.filePath(u"Pattaro/Pattaro.conf"_qs), [&](const QString&) { ++warnings; });
    EXPECT_EQ(warnings, 0);
    EXPECT_FALSE(store.value(u"livePreview"_qs).isValid());
    store.setValue(u"livePreview"_qs, true);
    store.sync();
    EXPECT_TRUE(QFile::exists(folder.filePath(u"Pattaro/Pattaro.conf"_qs))) << "the folder is made for the file";
}

TEST(SettingsStoreTest, TheFileLivesInThePattaroConfigFolder)
{
    QTemporaryDir config;
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    EXPECT_EQ(programSettingsPath(), config.path() + u"/Pattaro/Pattaro.conf"_qs);
    qputenv("XDG_CONFIG_HOME", before);
}

} // namespace
} // namespace pattaro
