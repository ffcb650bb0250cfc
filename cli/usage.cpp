#include "cli/usage.h"

#include "core/codegen/codegen.h"
#include "core/text/textencoding.h"
#include "version.h"

namespace pattaro::cli {
namespace {

// LANG for code, a line each, indented under the command.
QString codeLanguageNames()
{
    QString text;
    for (const CodeLanguageInfo& info : codeLanguages())
        text += QStringLiteral("              %1 %2\n").arg(info.name, -11).arg(info.displayName);
    text.chop(1);
    return text;
}

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
        "  pattaro-cli [OPTION]... count PATTERN [FILE]\n"
        "  pattaro-cli [OPTION]... matches PATTERN [FILE]\n"
        "  pattaro-cli [OPTION]... replace PATTERN REPLACEMENT [FILE]\n"
        "  pattaro-cli [OPTION]... extract PATTERN REPLACEMENT [FILE]\n"
        "  pattaro-cli [OPTION]... upper | lower [FILE]\n"
        "  pattaro-cli explain PATTERN [--lang zh|en] [--json] [-i]\n"
        "  pattaro-cli [-i] code --lang LANG PATTERN [REPLACEMENT]\n"
        "  pattaro-cli lint [-i] [--json] PATTERN... | lint [-i] [--json] -f FILE\n"
        "  pattaro-cli [OPTION]... run NAME [FILE]\n"
        "  pattaro-cli --help | --version\n"
        "\n"
        "Runs Pattaro's expression engine on a text, as the window does: every match\n"
        "is found (global), ^ and $ also match at line starts and ends (multiline),\n"
        "and letters match case-sensitively unless -i is given. The text is FILE,\n"
        "the FILE of -f, or standard input (also for FILE '-').\n"
        "\n"
        "Commands:\n"
        "  count     Print the number of matches.\n"
        "  matches   Print one line per match: its offset, its length and its text,\n"
        "            separated by tabs. Offsets and lengths count UTF-16 code units.\n"
        "            In the text, \\ tab LF CR are written \\\\ \\t \\n \\r, other control\n"
        "            characters and lone surrogates \\uXXXX.\n"
        "  replace   Print the text with every match replaced by REPLACEMENT ($1, $&\n"
        "            and the other $ forms are expanded).\n"
        "  extract   Print only the matches, each replaced on its own by REPLACEMENT;\n"
        "            the matched text is searched again in isolation, so anchors and\n"
        "            word boundaries are judged against it alone. Items are joined\n"
        "            directly, or with --lines each is followed by LF (CR LF with\n"
        "            --crlf, as in the window). An empty REPLACEMENT prints nothing\n"
        "            (with --json, an item of empty value for each match).\n"
        "  upper     Print the text in upper case, character for character: the\n"
        "            output has as many UTF-16 code units as the text.\n"
        "  lower     Print the text in lower case, character for character.\n"
        "  explain   Print PATTERN as a tree, one piece a line, indented under the\n"
        "            piece it belongs to: its text and what it does, in Chinese or\n"
        "            English (--lang; by default the locale's: Chinese for a zh\n"
        "            locale, else English). Flags are as for searching: g and m,\n"
        "            and i with -i. Reads no text. For an invalid PATTERN it prints\n"
        "            where and why, and exits 2. Its options may also follow PATTERN.\n"
        "  code      Print a program in LANG that reads standard input and writes\n"
        "            what replace would (REPLACEMENT empty when not given).\n"
        "            Where LANG's expressions cannot do what Pattaro's do, a\n"
        "            comment in the program says so. Reads no text. --lang LANG\n"
        "            may also stand before the command word. LANG is one of:\n"
        "%2\n"
        "  lint      Tell whether each PATTERN (or each line of FILE) can backtrack\n"
        "            without end: the part responsible, whether the time grows\n"
        "            exponentially or as a power of the text's length, an attack\n"
        "            text prefix + pump x n + suffix, and a rewrite where a standard\n"
        "            one applies. Every finding is measured on the engine; one whose\n"
        "            growth does not show is marked not verified and does not count.\n"
        "            A line per PATTERN, PATTERN TAB safe, vulnerable, undecided (the\n"
        "            analysis ran out of its 100 ms) or invalid, then a line per\n"
        "            finding. Its options come right after the word; '--' ends them.\n"
        "  run       Run the expression saved under NAME in the window's expression\n"
        "            library ($XDG_CONFIG_HOME/Pattaro/library.json, by default in\n"
        "            ~/.config): as replace with its replacement, or as matches when\n"
        "            it has none; its case option holds unless -i is given.\n"
        "\n"
        "Options (before the command; everything after the command word is taken\n"
        "literally, so PATTERN may begin with '-'). Short options may be bundled\n"
        "(-if FILE) and a value may follow '=' (--encoding=utf-8).\n"
        "  -i, --ignore-case  Ignore case.\n"
        "  -f FILE   Read FILE instead of standard input; '-' is standard input.\n"
        "  --encoding ENC  Read the input as ENC: auto (the default) or one of\n"
        "%1.\n"
        "  --max-input SIZE  Refuse input larger than SIZE bytes (K, M or G may\n"
        "            follow; 256M by default, the window's limit).\n"
        "  --json    One JSON object instead of text, for count, matches, replace,\n"
        "            extract, explain and lint (see below).\n"
        "  --lines   One item per line for extract.\n"
        "  --crlf    With --lines, end each item with CR LF.\n"
        "  --color WHEN  Colour what matched in matches and replace: auto (the\n"
        "            default: only on a terminal, and not when NO_COLOR is set),\n"
        "            always or never.\n"
        "  --time-limit MS  Let a search run up to MS milliseconds.\n"
        "  --lang LANG  explain in zh (Chinese) or en (English).\n"
        "  --        End of options.\n"
        "  -h, --help     Show this text.\n"
        "  -V, --version  Show the version.\n"
        "\n"
        "JSON output, on one line but for a line per match or item; index and\n"
        "length count UTF-16 code units of the text, lone surrogates are written\n"
        "\\uXXXX:\n"
        "  count     {\"count\":N}\n"
        "  matches   {\"count\":N,\"matches\":[{\"index\":N,\"length\":N,\"value\":\"...\"},...]}\n"
        "  replace   {\"text\":\"...\"}\n"
        "  extract   {\"count\":N,\"items\":[{\"index\":N,\"length\":N,\"value\":\"...\"},...]}\n"
        "            with the match's place and its replacement as value.\n"
        "  explain   {\"expression\":\"...\",\"flags\":\"gm\",\"tree\":NODE} or, for an\n"
        "            invalid PATTERN, {...,\"error\":{\"offset\":N,\"message\":\"...\"}};\n"
        "            NODE is {\"kind\":\"...\",\"start\":N,\"end\":N,\"source\":\"...\",\n"
        "            \"description\":\"...\",\"children\":[NODE,...]}, start and end in\n"
        "            UTF-16 code units of PATTERN. Indented over several lines.\n"
        "  lint      {\"results\":[{\"expression\":\"...\",\"verdict\":\"...\",\n"
        "            \"approximate\":B,\"findings\":[FINDING,...]},...]}, with an\n"
        "            \"error\" as explain's for an invalid PATTERN; FINDING is\n"
        "            {\"start\":N,\"end\":N,\"source\":\"...\",\"growth\":\"exponential\" or\n"
        "            \"polynomial\",\"degree\":N,\"verified\":B,\"measured\":{...},\n"
        "            \"prefix\":\"...\",\"pumps\":[\"...\"],\"suffix\":\"...\",\"repeats\":N,\n"
        "            \"attack\":\"...\",\"rewrite\":\"...\" or null}; the attack, for a\n"
        "            verified finding, is long enough that node takes over a second.\n"
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
        "\n"
        "A search gives up when the pattern backtracks without end, when it runs\n"
        "longer than --time-limit or else about a second per million characters of\n"
        "input (at least 0.75 seconds), or when a replace or extract result would\n"
        "pass 1 GiB and four times the input.\n"
        "\n"
        "Exit status, as grep's and sed's: count, matches and extract exit 0 when\n"
        "something matched and 1 when nothing did; replace, upper, lower and code\n"
        "exit 0; explain exits 0 for a valid pattern; lint exits 0 when every\n"
        "PATTERN is safe (or undecided) and 1 when one is vulnerable.\n"
        "Any of them exits 2 with a one-line message on standard error for a usage\n"
        "error, an unreadable or too large input, arguments that are not valid\n"
        "UTF-8, input that is binary or not valid in its encoding, an invalid\n"
        "pattern, a pattern that gave up, lack of memory, or output that could not\n"
        "be written (writing stops at the first failure). Warnings go to standard\n"
        "error, each line starting \"pattaro-cli: warning: \"; they do not change\n"
        "the status.\n")
        .arg(wrappedEncodingNames(), codeLanguageNames());
}

QString VersionText()
{
    return QStringLiteral("pattaro-cli %1.%2.%3\n").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

} // namespace pattaro::cli
