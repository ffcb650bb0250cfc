#include "capturedoutput.h"

#include "cli/output.h"
#include "cli/run.h"
#include "cli/terminal.h"

#include <QMap>
#include <cstdio>
#include <gtest/gtest.h>

namespace pattaro::cli {
namespace {

class ScriptedTerminal : public Terminal {
public:
    bool terminal = true;
    QMap<QString, QString> variables;
    bool OutputIsTerminal() const override { return terminal; }
    QString Variable(const char* name) const override { return variables.value(QLatin1String(name)); }
};

TEST(CliColor, OnlyATerminalThatWantsColourGetsIt)
{
    const struct {
        const char* name;
        ColorWhen when;
        bool terminal;
        const char* noColor;
        const char* term;
        bool colored;
    } cases[] = {
        {"terminal", ColorWhen::Auto, true, "", "xterm", true},
        {"pipe or file", ColorWhen::Auto, false, "", "xterm", false},
        {"NO_COLOR set", ColorWhen::Auto, true, "1", "xterm", false},
        {"dumb terminal", ColorWhen::Auto, true, "", "dumb", false},
        {"always, into a pipe", ColorWhen::Always, false, "1", "dumb", true},
        {"never, on a terminal", ColorWhen::Never, true, "", "xterm", false},
    };
    for (const auto& c : cases) {
        ScriptedTerminal t;
        t.terminal = c.terminal;
        t.variables["NO_COLOR"] = QString::fromLatin1(c.noColor);
        t.variables["TERM"] = QString::fromLatin1(c.term);
        EXPECT_EQ(UseColor(c.when, t), c.colored) << c.name;
    }
}

TEST(CliOutput, AFailedWriteStopsTheRunAtOnce)
{
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    Utf8Output out(full);
    // The first block that reaches the disk fails; nothing waits for the end.
    EXPECT_THROW(
        {
            for (int i = 0; i < 1000; ++i)
                out.write(QString(1000, u'x'));
        },
        OutputFailed);
    std::fclose(full);
}

TEST(CliExtract, ItemsAreHeldToTheReplaceBound)
{
    Arguments args;
    args.command = Command::Extract;
    args.pattern = QStringLiteral(".");
    RegExp engine;
    const QString text(10, u'a');
    // Four units a unit of text: 40 here.
    const struct {
        const char* replacement;
        bool lines;
        bool fits;
    } cases[] = {
        {"1234", false, true},
        {"12345", false, false},
        {"123", true, true},
        {"1234", true, false},
    };
    for (const auto& c : cases) {
        args.replacement = QString::fromLatin1(c.replacement);
        args.lines = c.lines;
        PrepareEngine(engine, args, text.size());
        engine.OutputLimit(0);
        CapturedOutput captured;
        if (c.fits) {
            EXPECT_EQ(RunSearch(engine, args, text, false, captured.output), kExitSuccess) << c.replacement;
        } else {
            EXPECT_THROW(RunSearch(engine, args, text, false, captured.output), RegexError) << c.replacement;
        }
        captured.output.finish();
        EXPECT_LE(captured.bytes().size(), 40) << c.replacement;
    }
}

} // namespace
} // namespace pattaro::cli
