#include "cli/usage.h"

#include "app/components/textfile/textencoding.h"
#include "version.h"

namespace pattaro::cli {
namespace {

// The names --encoding takes, indented under the option and wrapped.
QString wrappedEncodingNames()
{
    QString text;
    QString line = QStringLiteral("           ");
    for (const QString& name : EncodingChoiceNames().mid(1)) {
        if (line.size() + name.size() + 2 > 78) {
            text += line + u'\n';
            line = QStringLiteral("           ");
        }
        line += u' ' + name + u',';
    }
    line.chop(1);
    return text + line;
}

} // namespace

QString UsageText()
{
    return QStringLiteral(
        "Usage:\n"
        "  pattaro-cli [-i] [-f FILE] count PATTERN\n"
        "  pattaro-cli [-i] [-f FILE] [--json] matches PATTERN\n"
        "  pattaro-cli [-i] [-f FILE] replace PATTERN REPLACEMENT\n"
        "  pattaro-cli [-i] [-f FILE] [--lines] extract PATTERN REPLACEMENT\n"
        "  pattaro-cli [-f FILE] upper | lower\n"
        "  pattaro-cli --help | --version\n"
        "\n"
        "Runs Pattaro's expression engine on a text, as the window does: every match\n"
        "is found (global), ^ and $ also match at line starts and ends (multiline),\n"
        "and letters match case-sensitively unless -i is given.\n"
        "\n"
        "Commands:\n"
        "  count     Print the number of matches.\n"
        "  matches   Print one line per match: its offset, its length and its text,\n"
        "            separated by tabs. Offsets and lengths count UTF-16 code units.\n"
        "            In the text, \\ tab LF CR are written \\\\ \\t \\n \\r, other control\n"
        "            characters and lone surrogates \\uXXXX.\n"
        "            With --json: a JSON array of {\"index\":N,\"length\":N,\"value\":\"...\"},\n"
        "            one object per line.\n"
        "  replace   Print the text with every match replaced by REPLACEMENT ($1, $&\n"
        "            and the other $ forms are expanded).\n"
        "  extract   Print only the matches, each replaced on its own by REPLACEMENT;\n"
        "            the matched text is searched again in isolation, so anchors and\n"
        "            word boundaries are judged against it alone. Items are joined\n"
        "            directly, or with --lines each is followed by CR LF. An empty\n"
        "            REPLACEMENT prints nothing, as in the window.\n"
        "  upper     Print the text in upper case, character for character: the\n"
        "            output has as many UTF-16 code units as the text.\n"
        "  lower     Print the text in lower case, character for character.\n"
        "\n"
        "Options (before the command; everything after the command word is taken\n"
        "literally, so PATTERN may begin with '-'):\n"
        "  -i        Ignore case.\n"
        "  -f FILE   Read FILE instead of standard input.\n"
        "  --encoding ENC  Read the input as ENC: auto (the default) or one of\n"
        "%1.\n"
        "  --json    JSON output for matches.\n"
        "  --lines   One item per line for extract.\n"
        "  --time-limit MS  Let a search run up to MS milliseconds.\n"
        "  --        End of options.\n"
        "  -h, --help  Show this text.\n"
        "  --version   Show the version.\n"
        "\n"
        "Input encodings: auto takes UTF-8 after its byte order mark, UTF-16 and\n"
        "UTF-32 little or big endian after theirs, otherwise UTF-8 when the input is\n"
        "valid UTF-8; input with a NUL byte in its first 8192 bytes and no UTF-16 or\n"
        "UTF-32 mark is refused as binary. UTF-8 whose last character is cut short\n"
        "is read with U+FFFD for it, and a warning. Anything else is given to ICU's\n"
        "charset detector: GB18030 (which covers GBK and GB2312), Big5, Shift_JIS,\n"
        "EUC-JP, EUC-KR or a windows-125x code page. When it is not sure, a short\n"
        "text that reads as Chinese in GB18030 is GB18030; otherwise the best guess\n"
        "is taken and a warning names it and the others. A named encoding is taken\n"
        "as given (gbk and gb2312 are read as gb18030); for utf-16 and utf-32 a byte\n"
        "order mark decides the order, little endian without one. A byte order mark\n"
        "is read as a mark, not as text; everything after it passes through\n"
        "unchanged, line breaks included. UTF-16 is taken unit for unit, a lone\n"
        "surrogate too.\n"
        "\n"
        "Arguments must be UTF-8, taken exactly (a leading U+FEFF is text); output\n"
        "is UTF-8 without a byte order mark. A lone surrogate in the output is\n"
        "written as U+FFFD.\n"
        "\n"        "A search gives up when the pattern backtracks without end, when it runs\n"
        "longer than --time-limit or else about a second per million characters of\n"
        "input (at least 0.75 seconds), or when a replace result would pass 1 GiB\n"
        "and four times the input.\n"
        "\n"
        "Exit status: 0 on success, also when nothing matches; 2 with a one-line\n"
        "message on standard error for a usage error, an unreadable FILE, arguments\n"
        "that are not valid UTF-8, input that is binary or not valid in its\n"
        "encoding, an invalid pattern, a pattern that gave up, lack of memory, or\n"
        "output that could not be written. Warnings go to standard error, each\n"
        "line starting \"pattaro-cli: warning: \"; they do not change the status.\n")
        .arg(wrappedEncodingNames());
}

QString VersionText()
{
    return QStringLiteral("pattaro-cli %1.%2.%3\n").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

} // namespace pattaro::cli
