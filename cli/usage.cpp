#include "cli/usage.h"

#include "version.h"

namespace pattaro::cli {

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
        "  --encoding ENC  Read the input as ENC: auto (the default), utf-8,\n"
        "            utf-16 or gb18030.\n"
        "  --json    JSON output for matches.\n"
        "  --lines   One item per line for extract.\n"
        "  --time-limit MS  Let a search run up to MS milliseconds.\n"
        "  --        End of options.\n"
        "  -h, --help  Show this text.\n"
        "  --version   Show the version.\n"
        "\n"
        "Input encodings: auto takes UTF-8 after its byte order mark, UTF-16 and\n"
        "UTF-32 little or big endian after theirs, otherwise UTF-8 when the input is\n"
        "valid UTF-8 and GB18030 (which covers GBK and GB2312) when it is not; input\n"
        "with a NUL byte in its first 8192 bytes and no UTF-16 or UTF-32 mark is\n"
        "refused as binary. A named encoding is taken as given; utf-16 without a\n"
        "mark is little endian. A byte order mark is read as a mark, not as text;\n"
        "everything after it passes through unchanged, line breaks included.\n"
        "UTF-16 is taken unit for unit, a lone surrogate too.\n"
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
        "output that could not be written.\n");
}

QString VersionText()
{
    return QStringLiteral("pattaro-cli %1.%2.%3\n").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

} // namespace pattaro::cli
