#include "core/text/textdecoding.h"

#include "core/text/largebuffer.h"
#include "core/text/legacyencoding.h"
#include "core/text/utf8decoder.h"

#include <QStringDecoder>
#include <QtEndian>
#include <algorithm>
#include <vector>

namespace pattaro {
namespace {

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);
constexpr QByteArrayView kUtf16LEMark("\xFF\xFE", 2);
constexpr QByteArrayView kUtf16BEMark("\xFE\xFF", 2);
// The UTF-32 little-endian mark begins like the UTF-16 one, so it is looked
// for first.
constexpr QByteArrayView kUtf32LEMark("\xFF\xFE\0\0", 4);
constexpr QByteArrayView kUtf32BEMark("\0\0\xFE\xFF", 4);
constexpr char16_t kMarkCharacter = 0xFEFF;

DecodedText failed(DecodedText::Fault fault, TextEncoding encoding)
{
    DecodedText decoded;
    decoded.fault = fault;
    decoded.encoding = encoding;
    return decoded;
}

DecodedText succeeded(TextEncoding encoding, QString text)
{
    DecodedText decoded;
    decoded.encoding = encoding;
    decoded.text = std::move(text);
    return decoded;
}

DecodedText decodeUtf8(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf8Mark))
        bytes = bytes.sliced(kUtf8Mark.size());
    std::optional<QString> text = DecodeUtf8Exactly(bytes);
    if (!text)
        return failed(DecodedText::Fault::Invalid, TextEncoding::Utf8);
    return succeeded(TextEncoding::Utf8, std::move(*text));
}

DecodedText decodeUtf16(QByteArrayView bytes, TextEncoding encoding)
{
    if (bytes.startsWith(kUtf16LEMark)) {
        bytes = bytes.sliced(2);
        encoding = TextEncoding::Utf16LE;
    } else if (bytes.startsWith(kUtf16BEMark)) {
        bytes = bytes.sliced(2);
        encoding = TextEncoding::Utf16BE;
    }
    if (bytes.size() % 2 != 0)
        return failed(DecodedText::Fault::Invalid, encoding);
    // Code unit for code unit: there is nothing to check but the length.
    QString text(bytes.size() / 2, Qt::Uninitialized);
    AdviseLargeBuffer(text.data(), bytes.size());
    if (encoding == TextEncoding::Utf16LE)
        qFromLittleEndian<char16_t>(bytes.data(), text.size(), text.data());
    else
        qFromBigEndian<char16_t>(bytes.data(), text.size(), text.data());
    return succeeded(encoding, std::move(text));
}

DecodedText decodeUtf32(QByteArrayView bytes, TextEncoding encoding)
{
    if (bytes.startsWith(kUtf32LEMark) || bytes.startsWith(kUtf32BEMark)) {
        encoding = bytes.startsWith(kUtf32BEMark) ? TextEncoding::Utf32BE : TextEncoding::Utf32LE;
        bytes = bytes.sliced(kUtf32BEMark.size());
    }
    const bool bigEndian = encoding == TextEncoding::Utf32BE;
    if (bytes.size() % 4 != 0)
        return failed(DecodedText::Fault::Invalid, encoding);
    // Qt's own UTF-32 decoder passes over what is not a character, so each
    // one is checked here.
    std::vector<char32_t> characters(size_t(bytes.size() / 4));
    for (size_t i = 0; i < characters.size(); ++i) {
        const char* at = bytes.data() + 4 * i;
        const char32_t c = bigEndian ? qFromBigEndian<quint32>(at) : qFromLittleEndian<quint32>(at);
        if (c > 0x10FFFF || QChar::isSurrogate(c))
            return failed(DecodedText::Fault::Invalid, encoding);
        characters[i] = c;
    }
    return succeeded(encoding, QString::fromUcs4(characters.data(), qsizetype(characters.size())));
}

// GB18030's byte order mark decodes to U+FEFF; like the others, it is a
// mark, not text.
QString withoutGb18030Mark(QString text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Gb18030 && text.startsWith(QChar(kMarkCharacter)))
        text.remove(0, 1);
    return text;
}

DecodedText decodeLegacy(QByteArrayView bytes, TextEncoding encoding)
{
    QStringDecoder decoder(LegacyCodecName(encoding), QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return failed(DecodedText::Fault::Unavailable, encoding);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return failed(DecodedText::Fault::Invalid, encoding);
    return succeeded(encoding, withoutGb18030Mark(std::move(text), encoding));
}

DecodedText decodeNamed(QByteArrayView bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return decodeUtf8(bytes);
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return decodeUtf16(bytes, encoding);
    case TextEncoding::Utf32LE:
    case TextEncoding::Utf32BE:
        return decodeUtf32(bytes, encoding);
    default:
        return decodeLegacy(bytes, encoding);
    }
}

bool inRange(uchar b, uchar low, uchar high) { return b >= low && b <= high; }

// Whether `next` may follow `lead` as the second byte of a UTF-8 sequence:
// the ranges that keep out overlong forms, surrogates and code points past
// U+10FFFF.
bool fitsSecond(uchar lead, uchar next)
{
    switch (lead) {
    case 0xE0:
        return inRange(next, 0xA0, 0xBF);
    case 0xED:
        return inRange(next, 0x80, 0x9F);
    case 0xF0:
        return inRange(next, 0x90, 0xBF);
    case 0xF4:
        return inRange(next, 0x80, 0x8F);
    default:
        return inRange(next, 0x80, 0xBF);
    }
}

// How many bytes at the end begin a UTF-8 sequence that the bytes stop
// before finishing; 0 when they do not.
qsizetype incompleteUtf8Tail(QByteArrayView bytes)
{
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const uchar lead = uchar(bytes[bytes.size() - back]);
        if (inRange(lead, 0x80, 0xBF))
            continue;
        const qsizetype length = inRange(lead, 0xC2, 0xDF) ? 2 : inRange(lead, 0xE0, 0xEF) ? 3 : inRange(lead, 0xF0, 0xF4) ? 4 : 0;
        if (back >= length || (back >= 2 && !fitsSecond(lead, uchar(bytes[bytes.size() - back + 1]))))
            return 0;
        return back;
    }
    return 0;
}

// UTF-8 cut short in its last character. What comes before must be valid
// UTF-8 with a character beyond ASCII in it: one odd byte after plain ASCII
// is as likely a legacy character as a cut one.
std::optional<DecodedText> decodeCutShortUtf8(QByteArrayView bytes)
{
    const qsizetype tail = incompleteUtf8Tail(bytes);
    if (tail == 0)
        return std::nullopt;
    const QByteArrayView head = bytes.chopped(tail);
    if (std::all_of(head.begin(), head.end(), [](char c) { return uchar(c) < 0x80; }))
        return std::nullopt;
    std::optional<QString> text = DecodeUtf8Exactly(head);
    if (!text)
        return std::nullopt;
    text->append(QChar::ReplacementCharacter);
    DecodedText decoded = succeeded(TextEncoding::Utf8, std::move(*text));
    decoded.cutShort = true;
    return decoded;
}

DecodedText decodeLegacyDetected(QByteArrayView bytes)
{
    LegacyReading reading = ChooseLegacyEncoding(bytes);
    if (reading.candidates.empty())
        return decodeLegacy(bytes, reading.best);
    DecodedText decoded = reading.firstText
                              ? succeeded(reading.candidates.front(), withoutGb18030Mark(std::move(*reading.firstText),
                                                                                          reading.candidates.front()))
                              : decodeLegacy(bytes, reading.candidates.front());
    decoded.guessed = !reading.sure;
    if (decoded.guessed)
        decoded.candidates = std::move(reading.candidates);
    return decoded;
}

} // namespace

DecodedText DecodeText(QByteArrayView bytes, EncodingChoice choice)
{
    if (choice.encoding)
        return decodeNamed(bytes, *choice.encoding);
    if (bytes.startsWith(kUtf32LEMark) || bytes.startsWith(kUtf32BEMark)) {
        DecodedText utf32 = decodeUtf32(bytes, TextEncoding::Utf32LE);
        // UTF-16LE text whose first character is U+0000 begins with the same
        // four bytes.
        if (utf32.fault != DecodedText::Fault::None && bytes.startsWith(kUtf32LEMark)) {
            DecodedText utf16 = decodeUtf16(bytes, TextEncoding::Utf16LE);
            if (utf16.fault == DecodedText::Fault::None)
                return utf16;
        }
        return utf32;
    }
    if (bytes.startsWith(kUtf16LEMark) || bytes.startsWith(kUtf16BEMark))
        return decodeUtf16(bytes, TextEncoding::Utf16LE);
    if (bytes.startsWith(kUtf8Mark))
        return decodeUtf8(bytes);
    if (bytes.first(std::min(bytes.size(), kBinaryProbeBytes)).contains('\0'))
        return failed(DecodedText::Fault::Binary, TextEncoding::Utf8);
    DecodedText utf8 = decodeUtf8(bytes);
    if (utf8.fault == DecodedText::Fault::None)
        return utf8;
    if (std::optional<DecodedText> cut = decodeCutShortUtf8(bytes))
        return std::move(*cut);
    return decodeLegacyDetected(bytes);
}

std::optional<QByteArrayView> Utf8TextBytesUnchecked(QByteArrayView bytes, EncodingChoice choice)
{
    if (choice.encoding && *choice.encoding != TextEncoding::Utf8)
        return std::nullopt;
    // Without a mark, Auto refuses what looks binary; the other marks are
    // not UTF-8, which IsUtf8 finds.
    const bool marked = bytes.startsWith(kUtf8Mark);
    if (!choice.encoding && !marked && bytes.first(std::min(bytes.size(), kBinaryProbeBytes)).contains('\0'))
        return std::nullopt;
    return marked ? bytes.sliced(kUtf8Mark.size()) : bytes;
}

std::optional<QByteArrayView> Utf8TextBytes(QByteArrayView bytes, EncodingChoice choice)
{
    const std::optional<QByteArrayView> text = Utf8TextBytesUnchecked(bytes, choice);
    if (!text || !IsUtf8(*text))
        return std::nullopt;
    return text;
}

std::optional<QString> DecodeUtf8Exactly(QByteArrayView bytes)
{
    // UTF-8 never takes more code units than bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    AdviseLargeBuffer(text.data(), text.size() * qsizetype(sizeof(QChar)));
    const qsizetype units = DecodeUtf8Strictly(bytes, reinterpret_cast<char16_t*>(text.data()));
    if (units < 0)
        return std::nullopt;
    text.truncate(units);
    return text;
}

} // namespace pattaro
