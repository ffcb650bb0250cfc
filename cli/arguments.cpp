#include "cli/arguments.h"

#include <QCommandLineParser>
#include <limits>

namespace pattaro::cli {
namespace {

struct CommandWord {
    QStringView word;
    Command command;
    int operands; // PATTERN, and REPLACEMENT where there is one
    int optionalOperands = 0; // REPLACEMENT of code
};

constexpr CommandWord kCommands[] = {
    {u"count", Command::Count, 1},     {u"matches", Command::Matches, 1},
    {u"replace", Command::Replace, 2}, {u"extract", Command::Extract, 2},
    {u"upper", Command::Upper, 0},     {u"lower", Command::Lower, 0},
    {u"explain", Command::Explain, 1},
    {u"code", Command::Code, 1, 1},
    {u"lint", Command::Lint, 0},
    {u"run", Command::Run, 1},
};

const CommandWord* findCommand(const QString& word)
{
    for (const CommandWord& c : kCommands)
        if (c.word == word)
            return &c;
    return nullptr;
}

ParsedArguments fail(const QString& message) { return {{}, message}; }

std::optional<ColorWhen> colorByName(const QString& name)
{
    if (name == u"auto")
        return ColorWhen::Auto;
    if (name == u"always")
        return ColorWhen::Always;
    if (name == u"never")
        return ColorWhen::Never;
    return std::nullopt;
}

// The parser's own wording, in the style of the tool's other messages.
QString parseError(const QCommandLineParser& parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString& name = unknown.first();
        return QStringLiteral("unknown option '%1%2'").arg(name.size() == 1 ? u"-" : u"--", name);
    }
    QString text = parser.errorText();
    if (text.endsWith(u'.'))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

QString codeLanguageNames()
{
    QStringList names;
    for (const CodeLanguageInfo& info : codeLanguages())
        names << info.name;
    return names.join(u", ");
}

bool hasPattern(Command command)
{
    return command != Command::Upper && command != Command::Lower;
}

std::optional<ExplainLanguage> languageByName(const QString& name)
{
    if (name == u"zh")
        return ExplainLanguage::Chinese;
    if (name == u"en")
        return ExplainLanguage::English;
    return std::nullopt;
}

// explain's options after its PATTERN, where no FILE can stand.
QString readExplainOptions(const QStringList& options, Arguments& a)
{
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString& option = options[i];
        if (option == u"--json") {
            a.json = true;
        } else if (option == u"-i" || option == u"--ignore-case") {
            a.ignoreCase = true;
        } else if (option == u"--lang" || option.startsWith(u"--lang=")) {
            const QString name = option == u"--lang" ? options.value(++i) : option.mid(7);
            a.explainLanguage = languageByName(name);
            if (!a.explainLanguage)
                return QStringLiteral("--lang needs zh or en");
        } else {
            return QStringLiteral("unknown option '%1' for explain").arg(option);
        }
    }
    return {};
}

// lint's options, between its word and its first PATTERN; "--" ends them.
qsizetype readLintOptions(const QStringList& operands, Arguments& a, QStringList& files)
{
    qsizetype i = 0;
    for (; i < operands.size(); ++i) {
        const QString& option = operands[i];
        if (option == u"-f" && i + 1 < operands.size())
            files << operands[++i];
        else if (option == u"--json")
            a.json = true;
        else if (option == u"-i" || option == u"--ignore-case")
            a.ignoreCase = true;
        else if (option == u"--")
            return i + 1;
        else
            break;
    }
    return i;
}

} // namespace

std::optional<qint64> ParseSize(const QString& text)
{
    QStringView digits = text;
    int shift = 0;
    if (!digits.isEmpty()) {
        switch (digits.back().toUpper().unicode()) {
        case u'K':
            shift = 10;
            break;
        case u'M':
            shift = 20;
            break;
        case u'G':
            shift = 30;
            break;
        }
        if (shift != 0)
            digits.chop(1);
    }
    bool number = false;
    const qlonglong n = digits.toLongLong(&number);
    if (!number || n < 1 || !digits.front().isDigit() || n > (std::numeric_limits<qint64>::max() >> shift))
        return std::nullopt;
    return qint64(n) << shift;
}

ParsedArguments ParseArguments(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("V"), QStringLiteral("version")});
    const QCommandLineOption ignoreCase(QStringList{QStringLiteral("i"), QStringLiteral("ignore-case")});
    const QCommandLineOption file(QStringLiteral("f"), {}, QStringLiteral("FILE"));
    const QCommandLineOption encoding(QStringLiteral("encoding"), {}, QStringLiteral("ENC"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption lines(QStringLiteral("lines"));
    const QCommandLineOption crlf(QStringLiteral("crlf"));
    const QCommandLineOption color(QStringLiteral("color"), {}, QStringLiteral("WHEN"));
    const QCommandLineOption timeLimit(QStringLiteral("time-limit"), {}, QStringLiteral("MS"));
    const QCommandLineOption maxInput(QStringLiteral("max-input"), {}, QStringLiteral("SIZE"));
    const QCommandLineOption language(QStringLiteral("lang"), {}, QStringLiteral("LANG"));
    parser.addOptions(
        {help, version, ignoreCase, file, encoding, json, lines, crlf, color, timeLimit, maxInput, language});
    // The parser takes the first argument as the program's name.
    if (!parser.parse(QStringList(QStringLiteral("pattaro-cli")) + args))
        return fail(parseError(parser));

    Arguments a;
    if (parser.isSet(help)) {
        a.help = true;
        return {a, {}};
    }
    if (parser.isSet(version)) {
        a.version = true;
        return {a, {}};
    }
    a.ignoreCase = parser.isSet(ignoreCase);
    a.json = parser.isSet(json);
    a.lines = parser.isSet(lines);
    a.crlf = parser.isSet(crlf);

    const QStringList files = parser.values(file);
    if (files.size() > 1)
        return fail(QStringLiteral("-f given twice"));
    if (!files.isEmpty() && files.first().isEmpty())
        return fail(QStringLiteral("-f needs a file name"));
    if (parser.isSet(encoding)) {
        const std::optional<EncodingChoice> choice = EncodingChoiceByName(parser.value(encoding));
        if (!choice)
            return fail(QStringLiteral("--encoding needs auto or an encoding listed in --help"));
        a.encoding = *choice;
    }
    if (parser.isSet(color)) {
        const std::optional<ColorWhen> when = colorByName(parser.value(color));
        if (!when)
            return fail(QStringLiteral("--color needs auto, always or never"));
        a.color = *when;
    }
    if (parser.isSet(timeLimit)) {
        bool number = false;
        const qlonglong ms = parser.value(timeLimit).toLongLong(&number);
        // Up to a day: long enough for any script, short enough to end.
        if (!number || ms < 1 || ms > 86'400'000)
            return fail(QStringLiteral("--time-limit needs milliseconds from 1 to 86400000"));
        a.timeLimit = std::chrono::milliseconds(ms);
    }
    if (parser.isSet(maxInput)) {
        const std::optional<qint64> size = ParseSize(parser.value(maxInput));
        if (!size)
            return fail(QStringLiteral("--max-input needs a size in bytes, with K, M or G if wanted, such as 512M"));
        a.maxInput = *size;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return fail(QStringLiteral("no command given"));
    const CommandWord* command = findCommand(positional.first());
    if (!command)
        return fail(QStringLiteral("unknown command '%1'").arg(positional.first()));
    a.command = command->command;
    const QString word = command->word.toString();
    QStringList languages = parser.values(language);
    // code --lang LANG PATTERN: the language may also follow the word.
    if (a.command == Command::Code && positional.size() > 2 && positional[1] == u"--lang") {
        languages << positional[2];
        positional.remove(1, 2);
    } else if (a.command == Command::Code && positional.size() > 1 && positional[1].startsWith(u"--lang=")) {
        languages << positional[1].mid(7);
        positional.remove(1);
    }
    if (!languages.isEmpty() && a.command != Command::Code && a.command != Command::Explain)
        return fail(QStringLiteral("--lang applies only to explain and code"));
    if (a.command == Command::Explain && !languages.isEmpty()) {
        a.explainLanguage = languageByName(languages.last());
        if (!a.explainLanguage)
            return fail(QStringLiteral("--lang needs zh or en"));
    }
    if (a.command == Command::Code) {
        if (languages.size() != 1)
            return fail(QStringLiteral("code needs --lang once"));
        const CodeLanguageInfo* info = codeLanguageNamed(languages.first());
        if (!info)
            return fail(QStringLiteral("--lang needs one of %1").arg(codeLanguageNames()));
        a.codeLanguage = info->language;
        if (!files.isEmpty() || a.json || a.timeLimit || parser.isSet(encoding) || parser.isSet(maxInput))
            return fail(QStringLiteral("code reads no text, so takes only -i and --lang"));
        if (positional.size() > 3)
            return fail(QStringLiteral("too many arguments for code"));
    }

    const qsizetype given = positional.size() - 1;
    if (given < command->operands)
        return fail(QStringLiteral("%1 needs %2").arg(word, command->operands == 2 ? QStringLiteral("PATTERN and REPLACEMENT")
                                                            : a.command == Command::Run ? QStringLiteral("NAME")
                                                                                        : QStringLiteral("PATTERN")));
    if (a.command == Command::Explain) {
        a.pattern = positional[1];
        if (!files.isEmpty())
            return fail(QStringLiteral("explain reads no FILE"));
        const QString error = readExplainOptions(positional.mid(2), a);
        return error.isEmpty() ? ParsedArguments{a, {}} : fail(error);
    }
    if (a.command == Command::Lint) {
        const QStringList operands = positional.mid(1);
        QStringList lintFiles = files;
        a.patterns = operands.mid(readLintOptions(operands, a, lintFiles));
        if (lintFiles.size() > 1)
            return fail(QStringLiteral("-f given twice"));
        if (a.patterns.isEmpty() == lintFiles.isEmpty())
            return fail(QStringLiteral("lint needs PATTERN... or -f FILE, not both"));
        a.file = lintFiles.value(0) == u"-" ? QString() : lintFiles.value(0);
        return {a, {}};
    }
    const qsizetype fileOperand = command->operands + 1 + command->optionalOperands;
    if (given > fileOperand)
        return fail(QStringLiteral("too many arguments for %1").arg(word));
    if (command->operands >= 1)
        a.pattern = positional[1];
    if (command->operands == 2 || (command->optionalOperands == 1 && given == 2))
        a.replacement = positional[2];
    QString name = files.value(0);
    if (given == fileOperand) {
        if (!files.isEmpty())
            return fail(QStringLiteral("FILE given both with -f and after %1").arg(word));
        name = positional[fileOperand];
        if (name.isEmpty())
            return fail(QStringLiteral("FILE is empty; '-' stands for standard input"));
    }
    a.file = name == u"-" ? QString() : name;

    if (a.json && !hasPattern(a.command))
        return fail(QStringLiteral("--json does not apply to %1").arg(word));
    if (a.lines && a.command != Command::Extract)
        return fail(QStringLiteral("--lines applies only to extract"));
    if (a.lines && a.json)
        return fail(QStringLiteral("--lines does not apply with --json"));
    if (a.crlf && !a.lines)
        return fail(QStringLiteral("--crlf applies only to extract --lines"));
    if (a.ignoreCase && !hasPattern(a.command))
        return fail(QStringLiteral("-i does not apply to %1").arg(word));
    return {a, {}};
}

} // namespace pattaro::cli
