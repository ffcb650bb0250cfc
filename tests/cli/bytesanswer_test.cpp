// The command line answers some searches from the input's bytes without
// decoding them; each answer must be byte for byte what decoding and
// searching print, and risky inputs and patterns must go the usual way.
#include "capturedoutput.h"

#include "core/text/textdecoding.h"
#include "cli/bytesanswer.h"
#include "cli/run.h"

#include <gtest/gtest.h>

namespace pattaro::cli {
namespace {

struct Outcome {
    int status = -1;
    QByteArray printed;
};

// What decoding the bytes and searching the text prints.
Outcome decodedAndSearched(const Arguments& args, QByteArrayView bytes)
{
    const DecodedText decoded = DecodeText(bytes, args.encoding);
    EXPECT_EQ(decoded.fault, DecodedText::Fault::None);
    RegExp engine;
    CapturedOutput captured;
    Outcome outcome;
    outcome.status = RunCommand(engine, args, decoded.text, false, captured.output);
    captured.output.finish();
    outcome.printed = captured.bytes();
    return outcome;
}

TEST(CliBytesAnswer, PrintsWhatTheDecodedSearchPrintsOrLeavesItToIt)
{
    const QByteArray mixed = "北京 bookkeeper 北京北京 x\r\nbookkeeperbookkeeper 中文 a@b.c 😀\n";
    const QByteArray bom = "\xEF\xBB\xBF";
    // Lines enough for several of the pieces a count decodes at a time.
    QByteArray manyLines;
    for (int i = 0; i < 20000; ++i)
        manyLines += (i % 7 == 0 ? "ab@cd 北京 " : "word 中文 ") + QByteArray::number(i) + (i % 3 ? "\n" : "\r\n");
    const QByteArray notUtf8Late = manyLines + "caf\xE9\n" + QByteArray("word 12\n").repeated(20000);
    const struct {
        const char* name;
        Command command;
        const char16_t* pattern;
        QByteArray bytes;
        bool answered;
        bool json = false;
        bool ignoreCase = false;
        EncodingChoice encoding = EncodingChoice::Auto;
    } cases[] = {
        {"a word counted", Command::Count, u"bookkeeper", mixed, true},
        {"Chinese counted, side by side", Command::Count, u"北京", mixed, true, true},
        {"overlapping occurrences counted once", Command::Count, u"aa", "aaaaa", true},
        {"a line break in the literal", Command::Count, u"x\\r\\nb", mixed, true},
        {"the mark is not text", Command::Count, u"\\uFEFF", bom + "a\xEF\xBB\xBF" "b", true},
        {"an absent inner literal", Command::Count, u"\\d+zq", mixed, true},
        {"absent, listed", Command::Matches, u"\\w+zq", mixed, true},
        {"absent, listed as JSON", Command::Matches, u"\\w+zq", mixed, true, true},
        {"absent, extracted as JSON", Command::Extract, u"\\w+zq", mixed, true, true},
        {"absent, replaced: the text without its mark", Command::Replace, u"zq", bom + mixed, true},
        {"absent, named UTF-8 with a NUL", Command::Count, u"zq", QByteArray("a\0b", 3), true, false, false,
         TextEncoding::Utf8},
        {"present: the engine lists", Command::Matches, u"\\w+@\\w", mixed, false},
        {"present inner literal: counted line by line", Command::Count, u"\\w+@", mixed, true},
        {"replaced as JSON", Command::Replace, u"zq", mixed, false, true},
        {"case ignored, counted line by line", Command::Count, u"Bookkeeper", mixed, true, false, true},
        {"case ignored, listed", Command::Matches, u"Bookkeeper", mixed, false, false, true},
        {"literal alternatives counted, the first in order winning", Command::Count, u"北京|北|x|x\\r|bookkeeperb",
         mixed, true},
        {"literal alternatives counted as JSON", Command::Count, u"kee|per|ook", mixed, true, true},
        {"alternatives, one absent", Command::Matches, u"zq|q\\d", mixed, true},
        {"alternatives, one present", Command::Matches, u"zq|ke+p", mixed, false},
        {"an alternative without a literal, counted line by line", Command::Count, u"zq|\\d", mixed, true},
        {"half a pair, counted line by line", Command::Count, u"\\uD83D", mixed, true},
        {"half a pair, listed", Command::Matches, u"\\uD83D", mixed, false},
        {"lines holding a literal, over many pieces", Command::Count, u"\\w+@\\w*", manyLines, true},
        {"a rare literal, on lines near and far apart", Command::Count, u"999\\d*$", manyLines, true},
        {"line ends over many pieces", Command::Count, u"\\d+$", manyLines, true},
        {"line starts over many pieces", Command::Count, u"^\\w+", manyLines, true},
        {"a look-ahead at each piece's end", Command::Count, u"\\d(?!\\S)", manyLines, true, true},
        {"empty matches at both ends of lines", Command::Count, u"\\w*", mixed, true},
        {"line starts, the last line empty", Command::Count, u"^", "a\n\nb\n", true},
        {"an empty text has one line", Command::Count, u"$", "", true},
        {"white space takes line feeds", Command::Count, u"\\s+", mixed, false},
        {"a negated class takes line feeds", Command::Count, u"[^a]+", mixed, false},
        {"\\W takes line feeds", Command::Count, u"x\\W", mixed, false},
        {"a written line feed", Command::Count, u"\\w\\r\\n", mixed, false},
        {"not UTF-8 late, counted by lines", Command::Count, u"\\d+$", notUtf8Late, false},
        {"not UTF-8 late, literal absent", Command::Matches, u"zq", notUtf8Late, false},
        {"not UTF-8 late, literals counted", Command::Count, u"word", notUtf8Late, false},
        {"another encoding named", Command::Count, u"zq", "abc", false, false, false, TextEncoding::Windows1250},
        {"not UTF-8", Command::Count, u"zq", "caf\xE9", false},
        {"UTF-16", Command::Count, u"zq", QByteArray("\xFF\xFE" "a\0", 4), false},
        {"UTF-8 cut short", Command::Count, u"zq", "\xE4\xB8\xAD\xE4\xB8", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Arguments args;
        args.command = c.command;
        args.pattern = QString::fromUtf16(c.pattern);
        args.replacement = QStringLiteral("<$&>");
        args.json = c.json;
        args.ignoreCase = c.ignoreCase;
        args.encoding = c.encoding;
        RegExp engine;
        CapturedOutput captured;
        const std::optional<int> status = AnswerFromBytes(engine, args, c.bytes, false, captured.output);
        captured.output.finish();
        ASSERT_EQ(status.has_value(), c.answered);
        if (!status) {
            EXPECT_TRUE(captured.bytes().isEmpty());
            continue;
        }
        const Outcome expected = decodedAndSearched(args, c.bytes);
        EXPECT_EQ(*status, expected.status);
        EXPECT_EQ(captured.bytes(), expected.printed);
    }
}

TEST(CliBytesAnswer, LeavesARefusedPatternToTheSearch)
{
    Arguments args;
    args.pattern = QStringLiteral("zq(");
    RegExp engine;
    CapturedOutput captured;
    EXPECT_FALSE(AnswerFromBytes(engine, args, "abc", false, captured.output));
}

} // namespace
} // namespace pattaro::cli
