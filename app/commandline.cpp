#include "app/commandline.h"

#include "version.h"

#include <cstdio>

namespace pattaro {

std::optional<InfoRequest> FindInfoRequest(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == u"--screenshot")
            ++i; // its FILE may be any name, "--help" too
        else if (arg == u"--help" || arg == u"-h")
            return InfoRequest::Help;
        else if (arg == u"--version" || arg == u"-v")
            return InfoRequest::Version;
    }
    return std::nullopt;
}

std::optional<QString> FindFileArgument(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == u"--screenshot")
            ++i;
        else if (arg == u"--")
            return i + 1 < arguments.size() ? std::optional(arguments[i + 1]) : std::nullopt;
        else if (!arg.startsWith(u'-'))
            return arg;
    }
    return std::nullopt;
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
    const std::optional<InfoRequest> request = FindInfoRequest(arguments);
    if (!request)
        return std::nullopt;
    const QByteArray text = (*request == InfoRequest::Help ? HelpText() : VersionText()).toLocal8Bit();
    const bool written = std::fwrite(text.constData(), 1, text.size(), stdout) == size_t(text.size());
    return std::fflush(stdout) == 0 && written ? 0 : 1;
}

} // namespace pattaro
