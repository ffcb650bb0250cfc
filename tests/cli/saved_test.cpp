#include "cli/arguments.h"
#include "cli/saved.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pattaro::cli {
namespace {

TEST(SavedCommand, RunStandsForTheSavedExpressionsCommand)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"library.json"_qs);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"~({"expressions": [
        {"name": "swap", "expression": "(\\w+) (\\w+)", "replacement": "$2 $1", "caseSensitive": true},
        {"name": "any cat", "expression": "cat", "replacement": "", "caseSensitive": false}]})~");
    file.close();

    const struct {
        QStringList args;
        Command command;
        QString pattern, replacement;
        bool ignoreCase;
        QString file;
    } rows[] = {
        {{u"run"_qs, u"swap"_qs}, Command::Replace, u"(\\w+) (\\w+)"_qs, u"$2 $1"_qs, false, QString()},
        {{u"-i"_qs, u"run"_qs, u"swap"_qs, u"in.txt"_qs}, Command::Replace, u"(\\w+) (\\w+)"_qs, u"$2 $1"_qs, true,
         u"in.txt"_qs},
        {{u"--json"_qs, u"run"_qs, u"any cat"_qs}, Command::Matches, u"cat"_qs, QString(), true, QString()},
    };
    for (const auto& row : rows) {
        const ParsedArguments parsed = ParseArguments(row.args);
        ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
        QString error;
        const auto saved = SavedCommand(parsed.arguments, path, error);
        ASSERT_TRUE(saved) << error.toStdString();
        EXPECT_EQ(saved->command, row.command) << row.args.join(u' ').toStdString();
        EXPECT_EQ(saved->pattern, row.pattern);
        EXPECT_EQ(saved->replacement, row.replacement);
        EXPECT_EQ(saved->ignoreCase, row.ignoreCase);
        EXPECT_EQ(saved->file, row.file);
    }

    const struct {
        QString name, path;
        const char* errorHolds;
    } failures[] = {
        {u"dog"_qs, path, "no expression named 'dog'"},
        {u"swap"_qs, folder.filePath(u"missing.json"_qs), "no expression library at"},
        {u"swap"_qs, folder.path(), "no expression library at"},
    };
    for (const auto& row : failures) {
        Arguments run;
        run.command = Command::Run;
        run.pattern = row.name;
        QString error;
        EXPECT_FALSE(SavedCommand(run, row.path, error)) << row.name.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(row.errorHolds))) << error.toStdString();
    }
    EXPECT_EQ(ParseArguments({u"run"_qs}).error, u"run needs NAME"_qs);
    EXPECT_EQ(ParseArguments({u"run"_qs, u"a"_qs, u"b"_qs, u"c"_qs}).error, u"too many arguments for run"_qs);
}

} // namespace
} // namespace pattaro::cli
