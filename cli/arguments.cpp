#include "cli/arguments.h"

namespace pattaro::cli {
namespace {

struct CommandWord {
    QStringView word;
    Command command;
    int operands; // PATTERN, and REPLACEMENT where there is one
};

constexpr CommandWord kCommands[] = {
    {u"count", Command::Count, 1},     {u"matches", Command::Matches, 1},
    {u"replace", Command::Replace, 2}, {u"extract", Command::Extract, 2},
    {u"upper", Command::Upper, 0},     {u"lower", Command::Lower, 0},
};

const CommandWord* findCommand(const QString& word)
{
    for (const CommandWord& c : kCommands)
        if (c.word == word)
            return &c;
    return nullptr;
}

ParsedArguments fail(const QString& message) { return {{}, message}; }

} // namespace

ParsedArguments ParseArguments(const QStringList& args)
{
    Arguments a;
    qsizetype i = 0;
    bool haveFile = false;
    for (; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--help" || arg == u"-h") {
            a.help = true;
            return {a, {}};
        }
        if (arg == u"--version") {
            a.version = true;
            return {a, {}};
        }
        if (arg == u"-i") {
            a.ignoreCase = true;
        } else if (arg == u"--json") {
            a.json = true;
        } else if (arg == u"--lines") {
            a.lines = true;
        } else if (arg == u"-f") {
            if (haveFile)
                return fail(QStringLiteral("-f given twice"));
            if (i + 1 >= args.size())
                return fail(QStringLiteral("-f needs a file name"));
            a.file = args[++i];
            haveFile = true;
            if (a.file.isEmpty())
                return fail(QStringLiteral("-f needs a file name"));
        } else if (arg == u"--encoding") {
            const std::optional<EncodingChoice> encoding = i + 1 < args.size() ? EncodingChoiceByName(args[++i]) : std::nullopt;
            if (!encoding)
                return fail(QStringLiteral("--encoding needs auto or an encoding listed in --help"));
            a.encoding = *encoding;
        } else if (arg == u"--time-limit") {
            bool number = false;
            const qlonglong ms = i + 1 < args.size() ? args[++i].toLongLong(&number) : 0;
            // Up to a day: long enough for any script, short enough to end.
            if (!number || ms < 1 || ms > 86'400'000)
                return fail(QStringLiteral("--time-limit needs milliseconds from 1 to 86400000"));
            a.timeLimit = std::chrono::milliseconds(ms);
        } else if (arg == u"--") {
            ++i;
            break;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            return fail(QStringLiteral("unknown option '%1'").arg(arg));
        } else {
            break;
        }
    }

    if (i >= args.size())
        return fail(QStringLiteral("no command given"));
    const CommandWord* command = findCommand(args[i]);
    if (!command)
        return fail(QStringLiteral("unknown command '%1'").arg(args[i]));
    a.command = command->command;
    const QString word = command->word.toString();

    const qsizetype given = args.size() - i - 1;
    if (given < command->operands)
        return fail(QStringLiteral("%1 needs %2").arg(word, command->operands == 2
                                                               ? QStringLiteral("PATTERN and REPLACEMENT")
                                                               : QStringLiteral("PATTERN")));
    if (given > command->operands)
        return fail(QStringLiteral("too many arguments for %1").arg(word));
    if (command->operands >= 1)
        a.pattern = args[i + 1];
    if (command->operands == 2)
        a.replacement = args[i + 2];

    if (a.json && a.command != Command::Matches)
        return fail(QStringLiteral("--json applies only to matches"));
    if (a.lines && a.command != Command::Extract)
        return fail(QStringLiteral("--lines applies only to extract"));
    if (a.ignoreCase && command->operands == 0)
        return fail(QStringLiteral("-i does not apply to %1").arg(word));
    return {a, {}};
}

} // namespace pattaro::cli
