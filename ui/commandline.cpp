#include "ui/commandline.h"

#include "version.h"

#include <QCommandLineParser>
#include <cstdio>

namespace pattaro {

WindowArguments ParseWindowArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), {}, QStringLiteral("FILE"));
    parser.addOptions({help, version, screenshot});
    // An unknown option is Qt's or a mistake; either way the window opens,
    // and what the parser could read stands.
    parser.parse(QStringList(QStringLiteral("pattaro")) + arguments);

    WindowArguments found;
    if (parser.isSet(help))
        found.info = InfoRequest::Help;
    else if (parser.isSet(version))
        found.info = InfoRequest::Version;
    // Without its FILE, --screenshot asks for nothing and the window opens.
    if (!parser.values(screenshot).isEmpty())
        found.screenshot = parser.value(screenshot);
    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty())
        found.file = positional.first();
    return found;
}

QString HelpText()
{
    return QStringLiteral(
        "Usage: pattaro [--screenshot FILE] [Qt options] [TEXTFILE]\n"
        "       pattaro --help | --version\n"
        "\n"
        "Opens Pattaro's window for trying regular expressions on a text, with\n"
        "TEXTFILE in the source pane if one is named (UTF-8, UTF-16 with a byte\n"
        "order mark, or GB18030).\n"
        "\n"
        "Options:\n"
        "  --screenshot FILE  Start as usual, write the window to FILE as PNG\n"
        "                     (one device pixel per pixel) and exit; works with\n"
        "                     QT_QPA_PLATFORM=offscreen; messages go to\n"
        "                     standard error instead of waiting for a click.\n"
        "  -h, --help         Show this text.\n"
        "  -v, --version      Show the version.\n"
        "\n"
        "Qt's own options (-platform, -style, -display, ...) are accepted too.\n"
        "For scripts, pattaro-cli runs the same engine and commands.\n");
}

QString VersionText()
{
    return QStringLiteral("pattaro %1.%2.%3\n").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

std::optional<int> AnswerInfoRequest(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<InfoRequest> request = ParseWindowArguments(arguments).info;
    if (!request)
        return std::nullopt;
    const QByteArray text = (*request == InfoRequest::Help ? HelpText() : VersionText()).toLocal8Bit();
    const bool written = std::fwrite(text.constData(), 1, text.size(), stdout) == size_t(text.size());
    return std::fflush(stdout) == 0 && written ? 0 : 1;
}

} // namespace pattaro
