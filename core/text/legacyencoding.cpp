#include "core/text/legacyencoding.h"

#include "core/text/encodingdetector.h"

#include <QStringDecoder>
#include <algorithm>

namespace pattaro {
namespace {

// Offered whenever they decode the bytes, rated or not: the encodings a
// Chinese user's files are likely in, and windows-1252, in which any bytes
// are text, so that every file can be opened one way or another.
constexpr TextEncoding kAlwaysOffered[] = {
    TextEncoding::Gb18030, TextEncoding::Big5, TextEncoding::ShiftJis,
    TextEncoding::EucJp,   TextEncoding::EucKr, TextEncoding::Windows1252,
};

std::vector<EncodingGuess> rankedGuesses(QByteArrayView bytes)
{
    std::vector<EncodingGuess> guesses = DetectLegacyEncodings(bytes);
    for (const TextEncoding e : kAlwaysOffered)
        if (std::none_of(guesses.begin(), guesses.end(), [e](const EncodingGuess& g) { return g.encoding == e; }))
            guesses.push_back({e, 0});
    // The detector rates alike what it cannot tell apart; then the order of
    // TextEncoding, Chinese first, decides.
    std::sort(guesses.begin(), guesses.end(), [](const EncodingGuess& a, const EncodingGuess& b) {
        return a.confidence != b.confidence ? a.confidence > b.confidence : a.encoding < b.encoding;
    });
    return guesses;
}

bool inRange(uchar b, uchar low, uchar high) { return b >= low && b <= high; }

std::optional<QString> decodedIn(QByteArrayView bytes, TextEncoding legacy)
{
    QStringDecoder decoder(LegacyCodecName(legacy), QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

LegacyReading ChooseLegacyEncoding(QByteArrayView bytes)
{
    const std::vector<EncodingGuess> guesses = rankedGuesses(bytes);
    LegacyReading reading;
    reading.best = guesses.front().encoding;
    std::vector<EncodingGuess> valid;
    size_t next = 0;
    // Large files are decoded once per candidate, so no further than needed;
    // the first valid one is kept, as it is the likeliest to be read.
    const auto checkWhile = [&](const auto& more) {
        for (; next < guesses.size() && more(guesses[next]); ++next) {
            const TextEncoding e = guesses[next].encoding;
            if (valid.empty() ? bool(reading.firstText = decodedIn(bytes, e)) : IsTextIn(bytes, e))
                valid.push_back(guesses[next]);
        }
    };
    const auto all = [](const EncodingGuess&) { return true; };
    const auto multiByte = [](const EncodingGuess& g) { return IsMultiByteLegacy(g.encoding); };

    checkWhile([&](const EncodingGuess&) { return valid.empty(); });
    if (valid.empty())
        return reading;
    const EncodingGuess first = valid.front();
    if (first.confidence >= kSureConfidence) {
        checkWhile([&](const EncodingGuess& g) { return g.confidence > first.confidence - kSureLead; });
        bool sure = valid.size() == 1;
        if (sure && !IsMultiByteLegacy(first.encoding)) {
            checkWhile(all);
            sure = std::none_of(valid.begin(), valid.end(), multiByte);
        }
        if (sure) {
            reading.candidates = {first.encoding};
            reading.sure = true;
            return reading;
        }
    }
    checkWhile(all);
    const auto gb = std::find_if(valid.begin(), valid.end(),
                                 [](const EncodingGuess& g) { return g.encoding == TextEncoding::Gb18030; });
    if (gb != valid.end() && LooksLikeGb2312Chinese(bytes)) {
        std::rotate(valid.begin(), gb, gb + 1);
        reading.sure = true;
    } else {
        // Bytes that fit a two-byte encoding at all are seldom a European
        // text, whatever the single-byte ratings say.
        std::stable_partition(valid.begin(), valid.end(), multiByte);
    }
    if (valid.front().encoding != first.encoding)
        reading.firstText.reset();
    for (const EncodingGuess& g : valid)
        reading.candidates.push_back(g.encoding);
    return reading;
}

bool IsTextIn(QByteArrayView bytes, TextEncoding legacy)
{
    QStringDecoder decoder(LegacyCodecName(legacy), QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return false;
    // Decoded a piece at a time into one buffer, each piece ending after a
    // line feed, which no legacy encoding uses inside a character.
    constexpr qsizetype kPiece = qsizetype(1) << 20;
    QString buffer;
    while (!bytes.isEmpty()) {
        qsizetype end = bytes.size();
        if (end > kPiece) {
            const qsizetype lineFeed = bytes.indexOf('\n', kPiece);
            end = lineFeed < 0 ? bytes.size() : lineFeed + 1;
        }
        // No legacy encoding takes more UTF-16 units than bytes.
        if (buffer.size() < end)
            buffer.resize(end);
        decoder.appendToBuffer(buffer.data(), bytes.first(end));
        if (decoder.hasError())
            return false;
        bytes = bytes.sliced(end);
    }
    return true;
}

bool LooksLikeGb2312Chinese(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar lead = uchar(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 >= bytes.size())
            return false;
        const uchar second = uchar(bytes[i + 1]);
        if (inRange(second, 0x30, 0x39)) {
            i += 4;
            continue;
        }
        const bool chineseRow = inRange(lead, 0xA1, 0xA3) || lead == 0xA8 || inRange(lead, 0xB0, 0xF7);
        if (!chineseRow || !inRange(second, 0xA1, 0xFE))
            return false;
        i += 2;
    }
    return true;
}

} // namespace pattaro
