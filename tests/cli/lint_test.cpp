// pattaro-cli lint as a CI pipeline uses it: its exit status says whether
// every expression is safe, and --json carries each attack text itself.
#include "cli/arguments.h"
#include "cli/lint.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pattaro::cli {
namespace {

struct LintRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

LintRun lint(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(PATTARO_CLI_PATH, args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

TEST(CliLint, ReadsItsOptionsThenItsExpressions)
{
    const struct {
        QStringList args;
        QStringList patterns;
        bool json;
        bool ignoreCase;
        QString file;
        QString error;
    } cases[] = {
        {{"lint", "a+", "(b)"}, {"a+", "(b)"}, false, false, {}, {}},
        {{"lint", "--json", "-i", "a"}, {"a"}, true, true, {}, {}},
        {{"-i", "lint", "a"}, {"a"}, false, true, {}, {}},
        // After "--", an expression may begin with "-".
        {{"lint", "--", "-i"}, {"-i"}, false, false, {}, {}},
        // An option after the first expression is an expression.
        {{"lint", "a", "--json"}, {"a", "--json"}, false, false, {}, {}},
        {{"lint", "-f", "list.txt"}, {}, false, false, "list.txt", {}},
        {{"-f", "list.txt", "lint", "--json"}, {}, true, false, "list.txt", {}},
        {{"lint", "-f", "-"}, {}, false, false, {}, {}},
        {{"lint"}, {}, false, false, {}, "lint needs PATTERN... or -f FILE, not both"},
        {{"lint", "-f", "list.txt", "a"}, {}, false, false, {}, "lint needs PATTERN... or -f FILE, not both"},
    };
    for (const auto& c : cases) {
        const ParsedArguments parsed = ParseArguments(c.args);
        EXPECT_EQ(parsed.error, c.error) << c.args.join(u' ').toStdString();
        if (!c.error.isEmpty())
            continue;
        EXPECT_EQ(parsed.arguments.command, Command::Lint);
        EXPECT_EQ(parsed.arguments.patterns, c.patterns) << c.args.join(u' ').toStdString();
        EXPECT_EQ(parsed.arguments.json, c.json) << c.args.join(u' ').toStdString();
        EXPECT_EQ(parsed.arguments.ignoreCase, c.ignoreCase) << c.args.join(u' ').toStdString();
        EXPECT_EQ(parsed.arguments.file, c.file) << c.args.join(u' ').toStdString();
    }
}

TEST(CliLint, ExitsZeroOnlyWhenEveryExpressionIsSafe)
{
    const struct {
        QStringList args;
        int status;
        const char* saying;
    } cases[] = {
        {{"lint", "^\\d+$", "^[a-z]+@[a-z]+\\.com$"}, 0, "^\\d+$\tsafe\n"},
        {{"lint", "^\\d+$", "^(a+)+$"}, 1, "^(a+)+$\tvulnerable\n  (a+)+ at 1-6: exponential, verified"},
        {{"lint", "^(a+)+$"}, 1, "rewrite: ^(a+)$"},
        {{"lint", "\\w+@"}, 1, "\\w+ at 0-3: polynomial of degree 2, verified"},
        // An invalid expression outweighs a vulnerable one, and is told.
        {{"lint", "^(a+)+$", "(a"}, 2, "(a\tinvalid\n  "},
        {{"-i", "lint", "^(A|a)*$"}, 1, "exponential"},
    };
    for (const auto& c : cases) {
        const LintRun r = lint(c.args);
        EXPECT_EQ(r.exitCode, c.status) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.contains(c.saying)) << r.out.constData();
    }
}

TEST(CliLint, ItsJsonCarriesTheAttackText)
{
    const LintRun r = lint({"lint", "--json", "^(a+)+$", "^a$"});
    ASSERT_EQ(r.exitCode, 1) << r.err.constData();
    const QJsonArray results = QJsonDocument::fromJson(r.out).object()[QStringLiteral("results")].toArray();
    ASSERT_EQ(results.size(), 2);
    EXPECT_EQ(results[1][QStringLiteral("verdict")].toString(), QStringLiteral("safe"));
    const QJsonObject vulnerable = results[0].toObject();
    EXPECT_EQ(vulnerable[QStringLiteral("verdict")].toString(), QStringLiteral("vulnerable"));
    const QJsonObject f = vulnerable[QStringLiteral("findings")].toArray()[0].toObject();
    EXPECT_EQ(f[QStringLiteral("source")].toString(), QStringLiteral("(a+)+"));
    EXPECT_EQ(f[QStringLiteral("start")].toInt(), 1);
    EXPECT_EQ(f[QStringLiteral("growth")].toString(), QStringLiteral("exponential"));
    EXPECT_TRUE(f[QStringLiteral("verified")].toBool());
    // The attack is the prefix, the pumps repeated, the suffix, spelled out.
    const int repeats = f[QStringLiteral("repeats")].toInt();
    QString attack = f[QStringLiteral("prefix")].toString();
    for (const QJsonValue pump : f[QStringLiteral("pumps")].toArray())
        attack += pump.toString().repeated(repeats);
    attack += f[QStringLiteral("suffix")].toString();
    EXPECT_EQ(f[QStringLiteral("attack")].toString(), attack);
    // Long enough for a second of a matcher without a time limit: node
    // takes seconds on two dozen a's, four times as long for each pair more.
    EXPECT_GE(attack.count(u'a'), 24);
}

TEST(CliLint, ReadsOneExpressionALineFromAFile)
{
    EXPECT_EQ(LintPatternsOfText(QStringLiteral("a+\r\n\n(b|c)*\n")), (QStringList{"a+", "(b|c)*"}));
    const LintRun r = lint({"lint", "-f", "-"}, "^\\d+$\r\n\n^(a|a)*$\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.startsWith("^\\d+$\tsafe\n^(a|a)*$\tvulnerable\n")) << r.out.constData();
}

} // namespace
} // namespace pattaro::cli
