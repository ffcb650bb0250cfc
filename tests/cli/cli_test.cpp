#include "core/regex/regexp.h"
#include "tests/support/addresssanitizer.h"
#include "tests/support/encodedfiles.h"
#include "tests/support/utf16bytes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Result runProgram(const QString& program, const QStringList& args, const QByteArray& input)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted())
        return {};
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    Result r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

Result run(const QStringList& args, const QByteArray& input = {})
{
    return runProgram(PATTARO_CLI_PATH, args, input);
}

// Runs a shell script with the tool's path as $0.
Result runInShell(const QString& script, const QByteArray& input = {})
{
    return runProgram("/bin/sh", {"-c", script, PATTARO_CLI_PATH}, input);
}

// A failure: status 2, nothing on standard output, one line on standard error.
// Writes bytes to a new file in dir and returns its path.
QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

void expectFailure(const Result& r, const char* mentioning)
{
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.constData();
    EXPECT_TRUE(r.err.startsWith("pattaro-cli: ")) << r.err.constData();
    EXPECT_TRUE(r.err.endsWith('\n'));
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
    EXPECT_TRUE(r.err.contains(mentioning)) << r.err.constData();
}

TEST(Cli, Count)
{
    EXPECT_EQ(run({"count", R"(\d+)"}, "a1b22c").out, "2\n");
    // Case-sensitive unless -i.
    EXPECT_EQ(run({"count", "A"}, "a").out, "0\n");
    EXPECT_EQ(run({"-i", "count", "A"}, "aA").out, "2\n");
    // Multiline: ^ also matches after each line break.
    EXPECT_EQ(run({"count", "^x"}, "x\r\nx\nx").out, "3\n");
    // Everything after the command word is literal, even a leading '-'.
    EXPECT_EQ(run({"count", "-x"}, "a-x-x").out, "2\n");
}

TEST(Cli, MatchesPlainCountsUtf16AndEscapes)
{
    const Result r = run({"matches", R"(b\s*.)"}, "\xF0\x9F\x98\x80" "b\t\\ b\r\nc");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "2\t3\tb\\t\\\\\n6\t4\tb\\r\\nc\n");
    EXPECT_EQ(run({"matches", "\xE4\xB8\xAD"}, "a\xE4\xB8\xAD").out, "1\t1\t\xE4\xB8\xAD\n");
    EXPECT_EQ(run({"matches", "x"}, "abc").out, "");
}

QJsonObject jsonOf(const Result& r)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.constData();
    EXPECT_TRUE(doc.isObject()) << r.out.constData();
    return doc.object();
}

TEST(Cli, MatchesJson)
{
    const Result r = run({"--json", "matches", R"("[\w\x01])"}, "\xF0\x9F\x98\x80\"a\"\x01");
    ASSERT_EQ(r.exitCode, 0);
    const QJsonObject object = jsonOf(r);
    EXPECT_EQ(object["count"], 2);
    const QJsonArray array = object["matches"].toArray();
    ASSERT_EQ(array.size(), 2);
    EXPECT_EQ(array[0].toObject(), (QJsonObject{{"index", 2}, {"length", 2}, {"value", "\"a"}}));
    EXPECT_EQ(array[1].toObject(), (QJsonObject{{"index", 4}, {"length", 2}, {"value", "\"\x01"}}));
    EXPECT_TRUE(r.out.contains(R"("\"\u0001")")) << r.out.constData();

    EXPECT_EQ(run({"--json", "matches", "x"}, "abc").out, "{\"count\":0,\"matches\":[]}\n");
}

TEST(Cli, JsonForEverySearchingCommand)
{
    // Offsets count UTF-16 units: the emoji before the digits takes two.
    const QByteArray text = "\xF0\x9F\x98\x80" "1\"22";
    EXPECT_EQ(jsonOf(run({"--json", "count", R"(\d+)"}, text)), (QJsonObject{{"count", 2}}));
    EXPECT_EQ(jsonOf(run({"--json", "replace", R"(\d+)", "<$&>"}, text)),
              (QJsonObject{{"text", QString::fromUtf8("\xF0\x9F\x98\x80<1>\"<22>")}}));
    const QJsonObject extracted = jsonOf(run({"--json", "extract", R"(\d+)", "<$&>"}, text));
    EXPECT_EQ(extracted["count"], 2);
    EXPECT_EQ(extracted["items"].toArray(),
              (QJsonArray{QJsonObject{{"index", 2}, {"length", 1}, {"value", "<1>"}},
                          QJsonObject{{"index", 4}, {"length", 2}, {"value", "<22>"}}}));
    // A pair split between the engine's pieces still reads back whole.
    const QByteArray emojis = QByteArray("\xF0\x9F\x98\x80").repeated(70000);
    EXPECT_EQ(jsonOf(run({"--json", "replace", "x", "y"}, emojis))["text"], QString::fromUtf8(emojis));
    EXPECT_EQ(jsonOf(run({"--json", "extract", "x", "y"}, "abc")), (QJsonObject{{"count", 0}, {"items", QJsonArray()}}));
    // An empty replacement still lists each match.
    EXPECT_EQ(jsonOf(run({"--json", "extract", "b", ""}, "abc"))["items"],
              (QJsonArray{QJsonObject{{"index", 1}, {"length", 1}, {"value", ""}}}));
}

TEST(Cli, ExitStatusIsGrepsForSearchesAndSedsForEdits)
{
    const struct {
        QStringList args;
        int status;
    } cases[] = {
        {{"count", "b"}, 0},
        {{"count", "z"}, 1},
        {{"matches", "b"}, 0},
        {{"matches", "z"}, 1},
        {{"extract", "b", "#"}, 0},
        {{"extract", "z", "#"}, 1},
        // Something matched, though nothing is written.
        {{"extract", "b", ""}, 0},
        {{"--json", "count", "z"}, 1},
        {{"replace", "z", "#"}, 0},
        {{"upper"}, 0},
        {{"lower"}, 0},
        {{"count", "("}, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(run(c.args, "abc").exitCode, c.status) << c.args.join(' ').toStdString();
}

TEST(Cli, ColourOnlyWhenAsked)
{
    // Standard output is a pipe here: auto gives plain text.
    EXPECT_EQ(run({"matches", "b"}, "abc").out, "1\t1\tb\n");
    EXPECT_EQ(run({"--color=always", "matches", "b"}, "abc").out, "1\t1\t\x1b[01;31mb\x1b[m\n");
    EXPECT_EQ(run({"--color=always", "replace", "b", "#"}, "abcb").out, "a\x1b[01;31m#\x1b[mc\x1b[01;31m#\x1b[m");
    // JSON is never coloured.
    EXPECT_EQ(run({"--color=always", "--json", "replace", "b", "#"}, "abc").out, "{\"text\":\"a#c\"}\n");
}

TEST(Cli, Replace)
{
    EXPECT_EQ(run({"replace", R"(\d+)", "#"}, "a1b22c").out, "a#b#c");
    // Line breaks of every kind pass through unchanged; no newline is added.
    EXPECT_EQ(run({"replace", "b", "<$&>"}, "a\r\nb\rc\nb").out, "a\r\n<b>\rc\n<b>");
    EXPECT_EQ(run({"replace", "z", "#"}, "keep\r\n").out, "keep\r\n");
    EXPECT_EQ(run({"replace", "b", ""}, "abcb").out, "ac");
}

TEST(Cli, Extract)
{
    EXPECT_EQ(run({"extract", R"(\d+)", "#"}, "a1b22c").out, "##");
    // One item a line: LF, or the window's CR LF when asked.
    EXPECT_EQ(run({"--lines", "extract", R"(\d+)", "#"}, "a1b22c").out, "#\n#\n");
    EXPECT_EQ(run({"--lines", "--crlf", "extract", R"(\d+)", "#"}, "a1b22c").out, "#\r\n#\r\n");
    EXPECT_EQ(run({"extract", R"((\w)=(\w))", "$2"}, "a=b c=d").out, "bd");
    EXPECT_EQ(run({"--lines", "extract", "^a", "b"}, "ca").out, "");
    // An empty replacement writes nothing, as the window's command does.
    EXPECT_EQ(run({"extract", "a", ""}, "aaa").out, "");
}

TEST(Cli, UpperAndLower)
{
    // CR-only breaks pass through; a byte order mark is read as a mark.
    const QByteArray text = "\xEF\xBB\xBF" "abc\xE4\xB8\xAD\r\nXyZ\r";
    EXPECT_EQ(run({"upper"}, text).out, "ABC\xE4\xB8\xAD\r\nXYZ\r");
    EXPECT_EQ(run({"lower"}, text).out, "abc\xE4\xB8\xAD\r\nxyz\r");

    // Letter for letter, as in the window: sharp s keeps its one letter,
    // dotted capital I lowers to plain i, Deseret maps within its plane.
    EXPECT_EQ(run({"upper"}, "stra\xC3\x9F" "e \xF0\x90\x90\xA8").out, "STRA\xC3\x9F" "E \xF0\x90\x90\x80");
    EXPECT_EQ(run({"lower"}, "\xC4\xB0" "X \xF0\x90\x90\x80").out, "ix \xF0\x90\x90\xA8");
}

TEST(Cli, EmptyInput)
{
    EXPECT_EQ(run({"count", "a"}).out, "0\n");
    const Result upper = run({"upper"});
    EXPECT_EQ(upper.exitCode, 0);
    EXPECT_EQ(upper.out, "");
    EXPECT_EQ(run({"--json", "matches", "^"}).out,
              "{\"count\":1,\"matches\":[\n{\"index\":0,\"length\":0,\"value\":\"\"}\n]}\n");
}

TEST(Cli, ReadsFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = writeFile(dir, "in.txt", "one 1\r\ntwo 22\r\n");
    EXPECT_EQ(run({"-f", path, "--lines", "extract", R"(\d+)", "<$&>"}, "ignored 3").out, "<1>\n<22>\n");
    // The FILE may follow the operands instead, and '-' is standard input.
    EXPECT_EQ(run({"extract", R"(\d+)", "<$&>", path}, "ignored 3").out, "<1><22>");
    EXPECT_EQ(run({"extract", R"(\d+)", "<$&>", "-"}, "3").out, "<3>");
    EXPECT_EQ(run({"-f", "-", "count", "3"}, "3").out, "1\n");
    expectFailure(run({"-f", dir.filePath("missing.txt"), "count", "a"}), "missing.txt");
}

TEST(Cli, UsageErrors)
{
    expectFailure(run({}), "no command");
    expectFailure(run({"-x", "count", "a"}), "-x");
    expectFailure(run({"frobnicate"}), "frobnicate");
    expectFailure(run({"count"}), "PATTERN");
    expectFailure(run({"replace", "a"}), "REPLACEMENT");
    expectFailure(run({"count", "a", "b", "c"}), "too many");
    expectFailure(run({"--json", "upper"}), "--json");
    expectFailure(run({"-f"}), "-f");
    for (const char* bad : {"0", "-5", "ms", "86400001"})
        expectFailure(run({"--time-limit", bad, "count", "a"}), "--time-limit");
    expectFailure(run({"--time-limit"}), "--time-limit");
}

TEST(Cli, TimeLimitDecidesWhenARunawaySearchGivesUp)
{
    // A pattern that would backtrack for ages on a text with nothing to
    // find beyond the runaway part: a short limit ends it.
    const QByteArray text = QByteArray("xxxxxxxxxxxxxxxxxxxz").repeated(20000);
    expectFailure(run({"--time-limit", "1", "count", "(x+x+)+(?!z)[^x]"}, text), "gave up");
}

TEST(Cli, BadPatternsAndInput)
{
    expectFailure(run({"count", "(a"}, "a"), "invalid pattern");
    // Even where nothing would be written, the pattern is checked.
    expectFailure(run({"extract", "(a", ""}, "a"), "invalid pattern");
    expectFailure(run({"count", "(a+)+$"}, QByteArray(40, 'a') + "!"), "gave up");
    // Overlong form, encoded surrogate, stray byte, sequence cut short at the end.
    for (const QByteArray& bad : {QByteArray("a\xC0\x80"), QByteArray("\xED\xA0\x80"),
                                  QByteArray("ok\xFF"), QByteArray("ab\xE4\xB8")})
        expectFailure(run({"--encoding", "utf-8", "upper"}, bad), "not valid UTF-8");
}

// One text, saved in every encoding the input may come in.
struct EncodedFile {
    const char* name;
    QByteArray bytes;
};

TEST(Cli, ReadsEachEncodingExactly)
{
    // 中, U+20000 (four bytes in GB18030 and in UTF-8), CR LF and a lone CR.
    const QString text = QString::fromUtf8("a\xE4\xB8\xAD\xF0\xA0\x80\x80\r\nb\rc");
    const QByteArray upper = "A\xE4\xB8\xAD\xF0\xA0\x80\x80\r\nB\rC";
    const EncodedFile files[] = {
        {"UTF-8", text.toUtf8()},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + text.toUtf8()},
        {"UTF-16LE", pattaro::utf16File(text, false)},
        {"UTF-16BE", pattaro::utf16File(text, true)},
        {"GB18030", QByteArray("a\xD6\xD0\x95\x32\x82\x36\r\nb\rc")},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const EncodedFile& f : files) {
        const QString path = dir.filePath(QString::fromLatin1(f.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(f.bytes);
        file.close();
        const Result fromFile = run({"-f", path, "upper"});
        EXPECT_EQ(fromFile.exitCode, 0) << f.name << fromFile.err.constData();
        EXPECT_EQ(fromFile.out, upper) << f.name;
        EXPECT_EQ(run({"upper"}, f.bytes).out, upper) << f.name << " from standard input";
        // Offsets count the text's UTF-16 units, the mark not among them.
        EXPECT_EQ(run({"-f", path, "matches", "b"}).out, "6\t1\tb\n") << f.name;
    }
}

TEST(Cli, NamedEncodings)
{
    const QByteArray gbk = "\xD6\xD0\xCE\xC4";
    EXPECT_EQ(run({"--encoding", "gb18030", "count", "\xE4\xB8\xAD"}, gbk).out, "1\n");
    EXPECT_EQ(run({"--encoding", "GB18030", "lower"}, "\x84\x31\x95\x33" "A").out, "a");
    EXPECT_EQ(run({"--encoding", "utf-16", "upper"}, QByteArray("a\0b\0", 4)).out, "AB");
    EXPECT_EQ(run({"--encoding", "utf-16", "upper"}, QByteArray("\xFE\xFF\0a", 4)).out, "A");
    // A NUL byte is text once the encoding is named.
    EXPECT_EQ(run({"--encoding", "utf-8", "count", "b"}, QByteArray("a\0b", 3)).out, "1\n");

    expectFailure(run({"--encoding", "utf-8", "count", "a"}, gbk), "input is not valid UTF-8");
    expectFailure(run({"--encoding", "utf-16", "count", "a"}, "abc"), "input is not valid UTF-16LE");
    expectFailure(run({"--encoding", "gb18030", "count", "a"}, "a\x80"), "input is not valid GB18030");
    // A marked file is what its mark says.
    expectFailure(run({"count", "a"}, "\xEF\xBB\xBFok\xFF"), "input is not valid UTF-8");
    expectFailure(run({"count", "a"}, QByteArray("a\0b", 3)), "binary");
    expectFailure(run({"--encoding", "latin1", "count", "a"}), "--encoding");
    expectFailure(run({"--encoding"}), "--encoding");
}

// The encodings a Chinese user meets, by name in any case; bytes that are
// not text in the one named still fail.
TEST(Cli, NamedLegacyEncodings)
{
    const struct {
        const char* name;
        QByteArray input;
        QByteArray out; // empty: refused
    } cases[] = {
        {"big5", "\xA4\xA4\xA4\xE5", "\xE4\xB8\xAD\xE6\x96\x87"},
        {"Shift_JIS", "\x82\xA0\x82\xA2", "\xE3\x81\x82\xE3\x81\x84"},
        {"EUC-JP", "\xA4\xA2", "\xE3\x81\x82"},
        {"euc-kr", "\xC7\xD1", "\xED\x95\x9C"},
        {"WINDOWS-1252", "caf\xE9 \x80", "CAF\xC3\x89 \xE2\x82\xAC"},
        {"gbk", "\xD6\xD0", "\xE4\xB8\xAD"},
        {"shift_jis", "a\x82", ""},
        {"big5", "\xA4 ", ""},
    };
    for (const auto& c : cases) {
        const Result r = run({"--encoding", c.name, "upper"}, c.input);
        if (c.out.isEmpty()) {
            expectFailure(r, "input is not valid");
            continue;
        }
        EXPECT_EQ(r.exitCode, 0) << c.name << r.err.constData();
        EXPECT_EQ(r.out, c.out) << c.name;
        EXPECT_TRUE(r.err.isEmpty()) << c.name << r.err.constData();
    }
}

// A script is never asked: it gets the best reading, and a warning says
// what was guessed or replaced; the status stays 0.
TEST(Cli, WarnsOfAGuessedEncodingAndOfUtf8CutShort)
{
    const struct {
        const char* file;
        QByteArray out;
        const char* warning; // empty: none
    } cases[] = {
        {"big5-sentence.txt", "\xE4\xBB\x8A\xE5\xA4\xA9", ""},
        {"gb18030-short.txt", "\xE4\xB8\xAD\xE6\x96\x87", ""},
        {"big5-short.txt", "\xE3\x81\x84\xE3\x82\x85",
         "warning: the encoding of standard input is a guess: read as GB18030 (could also be Big5"},
        {"windows-1252-guess.txt", "CAF\xC3\x89", "read as windows-1252"},
        {"utf8-cut.txt", "\xE4\xB8\xAD\xE6\x96\x87\xEF\xBF\xBD",
         "warning: standard input ends in an incomplete UTF-8 character, read as U+FFFD"},
    };
    for (const auto& c : cases) {
        const Result r = run({"upper"}, pattaro::testing::encodedBytes(c.file));
        EXPECT_EQ(r.exitCode, 0) << c.file;
        EXPECT_TRUE(r.out.startsWith(c.out)) << c.file << " " << r.out.constData();
        if (*c.warning == '\0') {
            EXPECT_TRUE(r.err.isEmpty()) << c.file << r.err.constData();
            continue;
        }
        EXPECT_TRUE(r.err.startsWith("pattaro-cli: warning: ")) << c.file << r.err.constData();
        EXPECT_EQ(r.err.count('\n'), 1) << c.file << r.err.constData();
        EXPECT_TRUE(r.err.contains(c.warning)) << c.file << r.err.constData();
    }
    // A file is named by its name.
    EXPECT_TRUE(run({"-f", pattaro::testing::encodedPath("utf8-cut.txt"), "upper"}).err.contains("utf8-cut.txt' ends"));
}

TEST(Cli, StandardInputIsReadFromWhereItStands)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("in.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("abcdef");
    file.close();
    // The shell has read two bytes of the file already.
    EXPECT_EQ(runInShell(QStringLiteral(R"sh({ dd bs=1 count=2 of=/dev/null 2>/dev/null; exec "$0" upper; } < '%1')sh")
                             .arg(path))
                  .out,
              "CDEF");
    // A pipe named as the file.
    EXPECT_EQ(run({"-f", "/dev/stdin", "upper"}, "xyz").out, "XYZ");
}

TEST(Cli, AReplaceThatGivesUpPartWayWritesNothing)
{
    // Many matches are replaced before the runaway part stops the search.
    const QByteArray text = QByteArray(100000, 'y') + QByteArray("xxxxxxxxxxxxxxxxxxxz").repeated(20000);
    expectFailure(run({"--time-limit", "300", "replace", "y|(x+x+)+(?!z)[^x]", "Y"}, text), "gave up");
}

TEST(Cli, ArgumentsAreTakenByteForByte)
{
    // A leading U+FEFF in PATTERN or REPLACEMENT is text; answers from JavaScript.
    const QString bom(QChar(0xFEFF));
    const QByteArray text = "a\xEF\xBB\xBF" "b";
    EXPECT_EQ(run({"count", bom}, text).out, "1\n");
    EXPECT_EQ(run({"replace", bom + "*", "#"}, text).out, "#a##b#");
    EXPECT_EQ(run({"replace", "b", bom + "x"}, "ab").out, "a\xEF\xBB\xBF" "x");
    // Bytes that are not UTF-8 are refused, not guessed at.
    expectFailure(runInShell(R"sh("$0" count "$(printf 'a\377')")sh"), "argument 2 is not valid UTF-8");
}

TEST(Cli, RunningOutOfMemoryIsAFailureNotACrash)
{
    if (kUnderAddressSanitizer)
        GTEST_SKIP() << "a capped address space leaves AddressSanitizer no room";
    // Each match adds the text before it: far more than 600 MB of address
    // space can hold, well before any limit of the engine's own. The clock
    // is out of the way, however busy the machine.
    expectFailure(runInShell(R"sh(ulimit -v 600000 && exec "$0" --time-limit 600000 replace a '$`')sh",
                             QByteArray(100000, 'a')),
                  "not enough memory");
}

TEST(Cli, InputPastTheLimitIsRefusedWhileItIsRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = writeFile(dir, "in.txt", QByteArray(2048, 'a'));
    EXPECT_EQ(run({"--max-input", "2K", "count", "a", path}).out, "2048\n");
    expectFailure(run({"--max-input", "2047", "count", "a", path}), "'" + path.toUtf8() + "' is larger than 2047 bytes");
    EXPECT_EQ(run({"--max-input=2K", "count", "a"}, QByteArray(2048, 'a')).out, "2048\n");
    expectFailure(run({"--max-input=1K", "count", "a"}, QByteArray(2048, 'a')),
                  "standard input is larger than 1 KB (see --max-input)");
    // An endless stream ends at the limit.
    expectFailure(run({"--max-input=1M", "count", "a", "/dev/zero"}), "'/dev/zero' is larger than 1 MB");
}

TEST(Cli, AFailedWriteIsAFailure)
{
    const QByteArray text = QByteArray("abc\n").repeated(100000);
    const Result full = runInShell(R"sh(exec "$0" extract . '$&$&' > /dev/full)sh", text);
    EXPECT_EQ(full.exitCode, 2);
    EXPECT_EQ(full.err, "pattaro-cli: cannot write output: No space left on device\n");
    // A reader that went away, with SIGPIPE ignored as some shells leave it.
    const Result closed = runInShell(
        R"sh(trap '' PIPE; { "$0" --lines extract . '$&'; echo "status $?" >&2; } | head -c 1 > /dev/null)sh",
        text);
    EXPECT_TRUE(closed.err.endsWith("pattaro-cli: cannot write output: Broken pipe\nstatus 2\n")) << closed.err.constData();
}

TEST(Cli, LoneSurrogatesInOutput)
{
    // Splitting a pair by code units: JSON keeps the unit as an escape, plain
    // output escapes it, and text output writes U+FFFD for a lone half.
    const QByteArray emoji = "\xF0\x9F\x98\x80";
    const Result json = run({"--json", "matches", R"([\uD800-\uDBFF])"}, emoji);
    EXPECT_TRUE(json.out.contains(R"("value":"\ud83d")")) << json.out.constData();
    EXPECT_EQ(run({"matches", R"([\uD800-\uDBFF])"}, emoji).out, "0\t1\t\\ud83d\n");
    EXPECT_EQ(run({"--lines", "extract", R"([\uD800-\uDFFF])", "$&"}, emoji).out,
              "\xEF\xBF\xBD\n\xEF\xBF\xBD\n");
    // Rejoined halves form the character again.
    EXPECT_EQ(run({"extract", R"([\uD800-\uDFFF])", "$&"}, emoji).out, emoji);
}

TEST(Cli, FiftyMegabyteInput)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray text;
    for (int i = 0; i < 5'000'000; ++i)
        text += "\xE4\xB8\xAD" "ab1\r\nxy";
    const QString path = writeFile(dir, "big.txt", text);
    ASSERT_EQ(text.size(), 50'000'000);

    EXPECT_EQ(run({"-f", path, "count", "1"}).out, "5000000\n");
    const Result replaced = run({"-f", path, "replace", "1", "#"});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err.constData();
    EXPECT_TRUE(replaced.out == QByteArray(text).replace('1', '#'));
}

TEST(Cli, CountsALargeFileLineByLineAsTheEngineCountsItWhole)
{
    // Large enough for halves on two threads, each read a few lines at a time.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray text;
    for (int i = 0; i < 40000; ++i)
        text += (i % 5 ? "Word 中文 " : "fn(ab, x@y.z ") + QByteArray::number(i) + (i % 4 ? "\n" : "\r\n");
    const QString path = writeFile(dir, "lines.txt", text);
    const QString decoded = QString::fromUtf8(text);
    const struct {
        const char* pattern;
        bool ignoreCase;
    } cases[] = {{R"(\d+$)", false}, {R"(^\w+)", false}, {R"(fn\(\w+,)", false}, {R"(\w+@\w+\.\w+)", false},
                 {R"(\b)", false},   {"x*", false},       {"word", true},          {R"(\w+$)", true}};
    for (const auto& c : cases) {
        pattaro::RegExp engine;
        engine.Global(true);
        engine.Multiline(true);
        engine.IgnoreCase(c.ignoreCase);
        engine.Pattern(QString::fromUtf8(c.pattern));
        const QStringList args = c.ignoreCase ? QStringList{"-i", "-f", path, "count", c.pattern}
                                              : QStringList{"-f", path, "count", c.pattern};
        EXPECT_EQ(run(args).out, QByteArray::number(engine.Count(decoded)) + "\n") << c.pattern;
    }
}

TEST(Cli, CodePrintsAProgramAndReadsNothing)
{
    // Standard input is left alone: the program is printed at once.
    const Result r = runInShell("\"$0\" -i code --lang python 'a(b)' '[$1]' </dev/full");
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.startsWith("import re\n")) << r.out.constData();
    EXPECT_TRUE(r.out.contains(R"~(re.compile(r"a(b)", re.IGNORECASE))~")) << r.out.constData();
    expectFailure(run({"code", "--lang", "python", "(a"}), "invalid pattern");
}

TEST(Cli, HelpDescribesEveryCommand)
{
    const Result r = run({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* word : {"count", "matches", "--json", "replace", "extract", "--lines", "upper", "code",
                             "--lang LANG", "javascript", "cpp",
                             "lower", "-i", "-f FILE", "--time-limit MS", "--encoding ENC", "gb18030", "UTF-8",
                             "--max-input SIZE", "--color WHEN", "NO_COLOR", "--crlf", "Exit status",
                             "1 when nothing did", "big5", "shift_jis", "euc-jp", "euc-kr", "windows-1252",
                             "utf-32be", "warning", "explain PATTERN", "--lang LANG"})
        EXPECT_TRUE(r.out.contains(word)) << word;
}

TEST(Cli, ExplainPrintsTheTreeInTheLanguageAsked)
{
    const struct {
        QStringList args;
        const char* out;
    } cases[] = {
        {{"explain", "a(b)+", "--lang", "zh"}, "/a(b)+/gm  整个表达式，标志：多行（m）、全局（g）\n"
                                               "  a  字符 a\n"
                                               "  (b)+  重复 1 次或更多次（贪婪）\n"
                                               "    (b)  第 1 个捕获组\n"
                                               "      b  字符 b\n"},
        {{"--lang=en", "-i", "explain", "\\8"}, "/\\8/gim  the whole expression, flags: ignore case (i), multiline (m), "
                                               "global (g)\n"
                                               "  \\8  `\\8` is the character 8\n"},
        {{"explain", "-x", "-i", "--lang=en"}, "/-x/gim  the whole expression, flags: ignore case (i), multiline (m), "
                                             "global (g)\n"
                                             "  -x  the text “-x”\n"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_EQ(r.out.toStdString(), c.out);
    }
}

TEST(Cli, ExplainTakesTheLocalesLanguageUnlessTold)
{
    EXPECT_TRUE(runInShell("LC_ALL=zh_CN.UTF-8 \"$0\" explain a").out.contains("字符 a"));
    EXPECT_TRUE(runInShell("LC_ALL=C \"$0\" explain a").out.contains("the character a"));
    EXPECT_TRUE(runInShell("LC_ALL=C \"$0\" explain a --lang zh").out.contains("字符 a"));
}

TEST(Cli, ExplainAsJson)
{
    const Result r = run({"explain", "(a|b)", "--json", "-i"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject doc = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(doc["flags"].toString(), "gim");
    const QJsonObject group = doc["tree"]["children"][0].toObject();
    EXPECT_EQ(group["kind"].toString(), "capturingGroup");
    EXPECT_EQ(group["start"].toInt(), 0);
    EXPECT_EQ(group["end"].toInt(), 5);
    EXPECT_EQ(group["source"].toString(), "(a|b)");
    EXPECT_EQ(group["children"][0]["kind"].toString(), "alternation");
    EXPECT_FALSE(group["description"].toString().isEmpty());
}

TEST(Cli, ExplainSaysWhereAndWhyAPatternIsInvalid)
{
    const Result text = run({"explain", "ab(c", "--lang", "zh"});
    EXPECT_EQ(text.exitCode, 2);
    EXPECT_EQ(text.out.toStdString(), "ab(c\n  ^\n表达式第 3 个字符处有错误：分组缺少“)”。\n");
    const Result json = run({"explain", "ab(c", "--json", "--lang", "en"});
    EXPECT_EQ(json.exitCode, 2);
    const QJsonObject error = QJsonDocument::fromJson(json.out).object()["error"].toObject();
    EXPECT_EQ(error["offset"].toInt(), 2);
    EXPECT_EQ(error["message"].toString(), "Unterminated group at offset 2 of the expression");
}

TEST(Cli, VersionWinsOverAnyCommandAndIsListedInHelp)
{
    const Result r = run({"-i", "--version", "count", "x"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, "pattaro-cli " PATTARO_VERSION "\n");
    EXPECT_TRUE(run({"--help"}).out.contains("-V, --version"));
}

} // namespace
