#include "cli/arguments.h"

#include <gtest/gtest.h>

namespace pattaro::cli {
namespace {

ParsedArguments parse(const QStringList& args)
{
    return ParseArguments(args);
}

TEST(CliArguments, EveryWayOfWritingAnOptionIsRead)
{
    const struct {
        const char* name;
        QStringList args;
        bool ignoreCase;
        QString file;
        EncodingChoice encoding;
        QString pattern;
    } cases[] = {
        {"value after =", {"--encoding=utf-8", "count", "a"}, false, "", TextEncoding::Utf8, "a"},
        {"bundled letters and value", {"-if", "in.txt", "count", "a"}, true, "in.txt", EncodingChoice::Auto, "a"},
        {"value joined to the letter", {"-fin.txt", "count", "a"}, false, "in.txt", EncodingChoice::Auto, "a"},
        {"long name of -i", {"--ignore-case", "count", "a"}, true, "", EncodingChoice::Auto, "a"},
        {"FILE after the operands", {"count", "a", "in.txt"}, false, "in.txt", EncodingChoice::Auto, "a"},
        {"- for standard input", {"-f", "-", "count", "a"}, false, "", EncodingChoice::Auto, "a"},
        {"FILE - for standard input", {"count", "a", "-"}, false, "", EncodingChoice::Auto, "a"},
        {"-- ends the options", {"--", "count", "-i"}, false, "", EncodingChoice::Auto, "-i"},
        {"options after the command are operands", {"count", "-i", "--json"}, false, "--json",
         EncodingChoice::Auto, "-i"},
    };
    for (const auto& c : cases) {
        const ParsedArguments p = parse(c.args);
        ASSERT_EQ(p.error, QString()) << c.name;
        EXPECT_EQ(p.arguments.ignoreCase, c.ignoreCase) << c.name;
        EXPECT_EQ(p.arguments.file, c.file) << c.name;
        EXPECT_EQ(p.arguments.encoding, c.encoding) << c.name;
        EXPECT_EQ(p.arguments.pattern, c.pattern) << c.name;
    }
}

TEST(CliArguments, VersionAndHelpHaveShortNames)
{
    EXPECT_TRUE(parse({"-V"}).arguments.version);
    EXPECT_TRUE(parse({"-i", "--version", "count", "x"}).arguments.version);
    EXPECT_TRUE(parse({"-h"}).arguments.help);
}

TEST(CliArguments, MistakesAreNamed)
{
    const struct {
        QStringList args;
        const char* mentioning;
    } cases[] = {
        {{"-x", "count", "a"}, "unknown option '-x'"},
        {{"-ix", "count", "a"}, "unknown option '-x'"},
        {{"--frob", "count", "a"}, "unknown option '--frob'"},
        {{"--json=1", "count", "a"}, "--json"},
        {{"-f", "a", "-f", "b", "count", "a"}, "-f given twice"},
        {{"-f", "a", "count", "a", "b"}, "FILE given both"},
        {{"count", "a", "b", "c"}, "too many"},
        {{"--color=sometimes", "count", "a"}, "--color"},
        {{"--crlf", "extract", "a", "b"}, "--crlf"},
        {{"--lines", "--json", "extract", "a", "b"}, "--lines"},
        {{"--json", "upper"}, "--json"},
        {{"--max-input", "0", "upper"}, "--max-input"},
        {{"--max-input"}, "--max-input"},
        {{"--lang=fr", "explain", "a"}, "--lang needs zh or en"},
        {{"explain", "a", "--lang"}, "--lang needs zh or en"},
        {{"explain", "a", "--color"}, "unknown option '--color' for explain"},
        {{"explain", "a", "in.txt"}, "unknown option 'in.txt' for explain"},
        {{"-f", "in.txt", "explain", "a"}, "explain reads no FILE"},
        {{"--lang=zh", "count", "a"}, "--lang applies only to explain"},
    };
    for (const auto& c : cases) {
        const QString error = parse(c.args).error;
        EXPECT_TRUE(error.contains(QLatin1String(c.mentioning))) << c.args.join(' ').toStdString() << ": "
                                                                  << error.toStdString();
    }
}

TEST(CliArguments, ExplainsOptionsStandBeforeTheCommandOrAfterThePattern)
{
    const struct {
        QStringList args;
        QString pattern;
        bool json;
        bool ignoreCase;
        std::optional<ExplainLanguage> language;
    } cases[] = {
        {{"explain", "a"}, "a", false, false, std::nullopt},
        {{"--json", "-i", "--lang", "en", "explain", "a"}, "a", true, true, ExplainLanguage::English},
        {{"explain", "a", "--json", "--ignore-case", "--lang=zh"}, "a", true, true, ExplainLanguage::Chinese},
        {{"explain", "--json", "-i"}, "--json", false, true, std::nullopt},
    };
    for (const auto& c : cases) {
        const ParsedArguments p = parse(c.args);
        ASSERT_EQ(p.error, QString()) << c.args.join(' ').toStdString();
        EXPECT_EQ(p.arguments.command, Command::Explain);
        EXPECT_EQ(p.arguments.pattern, c.pattern);
        EXPECT_EQ(p.arguments.json, c.json);
        EXPECT_EQ(p.arguments.ignoreCase, c.ignoreCase);
        EXPECT_EQ(p.arguments.language, c.language);
    }
}

TEST(CliArguments, ColorAndLineEndsAreChosen)
{
    EXPECT_EQ(parse({"count", "a"}).arguments.color, ColorWhen::Auto);
    EXPECT_EQ(parse({"--color=never", "count", "a"}).arguments.color, ColorWhen::Never);
    EXPECT_EQ(parse({"--color", "always", "count", "a"}).arguments.color, ColorWhen::Always);
    const Arguments crlf = parse({"--lines", "--crlf", "extract", "a", "b"}).arguments;
    EXPECT_TRUE(crlf.lines && crlf.crlf);
}

TEST(CliArguments, SizesTakeASuffix)
{
    const struct {
        const char* text;
        std::optional<qint64> bytes;
    } cases[] = {
        {"1", 1},
        {"512", 512},
        {"2K", 2048},
        {"3m", qint64(3) << 20},
        {"1G", qint64(1) << 30},
        {"0", std::nullopt},
        {"", std::nullopt},
        {"K", std::nullopt},
        {"-1K", std::nullopt},
        {"+1", std::nullopt},
        {"1T", std::nullopt},
        {"1.5G", std::nullopt},
        {"99999999999999999G", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSize(QString::fromLatin1(c.text)), c.bytes) << c.text;
    EXPECT_EQ(parse({"count", "a"}).arguments.maxInput, qint64(256) << 20);
    EXPECT_EQ(parse({"--max-input=1K", "count", "a"}).arguments.maxInput, 1024);
}

} // namespace
} // namespace pattaro::cli
