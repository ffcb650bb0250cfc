// The command-line tool's front end: its argument parser and its input
// decoding. The first input byte picks which one gets the rest.
#include "core/text/textdecoding.h"
#include "core/text/utf8decoder.h"
#include "cli/arguments.h"
#include "fuzz/fuzzinput.h"

#include <cstdlib>

namespace {

using namespace pattaro;

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// A plain reading of RFC 3629, to hold the decoder against: no overlong
// forms, no surrogates, nothing above U+10FFFF, no sequence cut short.
bool isStrictUtf8(const std::uint8_t* data, std::size_t size)
{
    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t lead = data[i];
        int follow;
        std::uint32_t min;
        std::uint32_t code;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            follow = 1, min = 0x80, code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            follow = 2, min = 0x800, code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            follow = 3, min = 0x10000, code = lead & 0x07;
        } else {
            return false;
        }
        if (size - i - 1 < std::size_t(follow))
            return false;
        for (int k = 1; k <= follow; ++k) {
            if ((data[i + k] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (data[i + k] & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += std::size_t(follow) + 1;
    }
    return true;
}

void checkDecoding(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const std::optional<QString> text = DecodeUtf8Exactly(bytes);
    require(text.has_value() == isStrictUtf8(data, size));
    require(IsUtf8(bytes) == text.has_value());
    // Whatever is accepted passes through unchanged, a byte order mark too.
    if (text)
        require(text->toUtf8() == bytes);

    // Detection takes valid UTF-8 as UTF-8, unchanged but for a leading mark.
    const bool utf16Marked = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    const bool binary = bytes.first(std::min(bytes.size(), kBinaryProbeBytes)).contains('\0');
    const DecodedText detected = DecodeText(bytes, EncodingChoice::Auto);
    if (text && !utf16Marked && !binary) {
        require(detected.fault == DecodedText::Fault::None && detected.encoding == TextEncoding::Utf8);
        require(detected.text.toUtf8() == (bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes));
    }
}

// A usable command line ends in the command word and its operands, and
// perhaps the FILE to read.
void checkParsing(const std::uint8_t* data, std::size_t size)
{
    const QStringList args = fuzz::splitTexts(data, size);
    const cli::ParsedArguments parsed = cli::ParseArguments(args);
    const cli::Arguments& a = parsed.arguments;
    if (!parsed.error.isEmpty() || a.help || a.version)
        return;
    const bool hasReplacement = a.command == cli::Command::Replace || a.command == cli::Command::Extract;
    // run's NAME stands where a PATTERN would.
    const bool hasPattern = hasReplacement || a.command == cli::Command::Count || a.command == cli::Command::Matches
                            || a.command == cli::Command::Run;
    const qsizetype operands = (hasPattern ? 1 : 0) + (hasReplacement ? 1 : 0);
    require(args.size() > operands);
    const auto operandsAt = [&](qsizetype at) {
        return at >= 0 && (!hasPattern || a.pattern == args[at]) && (!hasReplacement || a.replacement == args[at + 1]);
    };
    const qsizetype last = args.size() - operands;
    require(operandsAt(last) || (operandsAt(last - 1) && (a.file == args.last() || args.last() == u"-")));
    require(a.maxInput > 0);
    require(!a.json || hasPattern || a.command == cli::Command::Explain || a.command == cli::Command::Lint);
    require(!a.lines || (a.command == cli::Command::Extract && !a.json));
    require(!a.crlf || a.lines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    if (data[0] & 1)
        checkDecoding(data + 1, size - 1);
    else
        checkParsing(data + 1, size - 1);
    return 0;
}
