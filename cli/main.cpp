#include "core/regex/regexp.h"
#include "core/settings/library.h"
#include "core/text/textdecoding.h"
#include "cli/arguments.h"
#include "cli/bytesanswer.h"
#include "cli/explain.h"
#include "cli/input.h"
#include "cli/lint.h"
#include "cli/output.h"
#include "cli/run.h"
#include "cli/saved.h"
#include "cli/terminal.h"
#include "cli/usage.h"

#include <QLocale>
#include <QStringList>
#include <cstdio>

using namespace pattaro;
using namespace pattaro::cli;

namespace {

void report(const QString& message)
{
    QString line = message;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    std::fprintf(stderr, "pattaro-cli: %s\n", line.toUtf8().constData());
}

int fail(const QString& message)
{
    report(message);
    return kExitFailure;
}

} // namespace

// The tool's one way of failing: a line on stderr and exit status 2
// (kExitFailure). The engine's failures are worded by its English message.
int main(int argc, char** argv)
{
    // Taken byte for byte: a PATTERN or REPLACEMENT may begin with U+FEFF.
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        const std::optional<QString> arg = DecodeUtf8Exactly(argv[i]);
        if (!arg)
            return fail(QStringLiteral("argument %1 is not valid UTF-8").arg(i));
        args << *arg;
    }

    const ParsedArguments parsed = ParseArguments(args);
    if (!parsed.error.isEmpty())
        return fail(parsed.error + QStringLiteral(" (see pattaro-cli --help)"));
    Arguments a = parsed.arguments;
    if (a.command == Command::Run) {
        QString error;
        const std::optional<Arguments> saved = SavedCommand(a, programLibraryPath(), error);
        if (!saved)
            return fail(error);
        a = *saved;
    }

    Utf8Output out(stdout);
    try {
        if (a.help || a.version) {
            out.write(a.help ? UsageText() : VersionText());
            out.finish();
            return kExitSuccess;
        }
        if (a.command == Command::Explain || a.command == Command::Code) {
            const int status =
                a.command == Command::Explain ? RunExplain(a, QLocale::system(), out) : RunCode(a, out);
            out.finish();
            return status;
        }
        const bool color = UseColor(a.color, SystemTerminal());
        RegExp engine;
        int status = kExitSuccess;
        const auto answerFromBytes = [&](QByteArrayView bytes) {
            const std::optional<int> answered = AnswerFromBytes(engine, a, bytes, color, out);
            status = answered.value_or(kExitSuccess);
            return answered.has_value();
        };
        QString text, error;
        QStringList warnings;
        if (a.command == Command::Lint) {
            QStringList patterns = a.patterns;
            if (patterns.isEmpty()) {
                const auto decodeAll = [](QByteArrayView) { return false; };
                if (ReadInput(a.file, a.encoding, a.maxInput, decodeAll, text, error, warnings) == InputRead::Failed)
                    return fail(error);
                patterns = LintPatternsOfText(text);
            }
            status = RunLint(a, patterns, out);
            out.finish();
            return status;
        }
        switch (ReadInput(a.file, a.encoding, a.maxInput, answerFromBytes, text, error, warnings)) {
        case InputRead::Failed:
            return fail(error);
        case InputRead::Answered:
            break;
        case InputRead::Decoded:
            for (const QString& warning : warnings)
                report(QStringLiteral("warning: ") + warning);
            status = RunCommand(engine, a, text, color, out);
            break;
        }
        out.finish();
        return status;
    } catch (const OutputFailed& e) {
        return fail(QStringLiteral("cannot write output: ") + e.reason());
    } catch (const RegexError& e) {
        if (e.kind() == RegexError::Kind::GaveUp)
            return fail(QStringLiteral("the pattern gave up: ") + e.message());
        return fail(QStringLiteral("invalid pattern: ") + e.message());
    } catch (const std::bad_alloc&) {
        // Reading, case mapping and output buffering allocate outside the engine.
        return fail(QStringLiteral("not enough memory"));
    }
}
