#include "app/components/textfile/textdecoding.h"

#include "app/components/textfile/largebuffer.h"

#include <QStringDecoder>
#include <QtEndian>
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
    return {fault, encoding, {}};
}

DecodedText decodeUtf8(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf8Mark))
        bytes = bytes.sliced(kUtf8Mark.size());
    std::optional<QString> text = DecodeUtf8Exactly(bytes);
    if (!text)
        return failed(DecodedText::Fault::Invalid, TextEncoding::Utf8);
    return {DecodedText::Fault::None, TextEncoding::Utf8, std::move(*text)};
}

DecodedText decodeUtf16(QByteArrayView bytes)
{
    TextEncoding encoding = TextEncoding::Utf16LE;
    if (bytes.startsWith(kUtf16LEMark)) {
        bytes = bytes.sliced(2);
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
    return {DecodedText::Fault::None, encoding, std::move(text)};
}

DecodedText decodeUtf32(QByteArrayView bytes)
{
    const bool bigEndian = bytes.startsWith(kUtf32BEMark);
    const TextEncoding encoding = bigEndian ? TextEncoding::Utf32BE : TextEncoding::Utf32LE;
    bytes = bytes.sliced(kUtf32BEMark.size());
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
    return {DecodedText::Fault::None, encoding, QString::fromUcs4(characters.data(), qsizetype(characters.size()))};
}

DecodedText decodeGb18030(QByteArrayView bytes)
{
    QStringDecoder decoder("GB18030", QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return failed(DecodedText::Fault::Unavailable, TextEncoding::Gb18030);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return failed(DecodedText::Fault::Invalid, TextEncoding::Gb18030);
    // GB18030's byte order mark decodes to U+FEFF; like the others, it is
    // a mark, not text.
    if (text.startsWith(QChar(kMarkCharacter)))
        text.remove(0, 1);
    return {DecodedText::Fault::None, TextEncoding::Gb18030, std::move(text)};
}

} // namespace

DecodedText DecodeText(QByteArrayView bytes, EncodingChoice choice)
{
    switch (choice) {
    case EncodingChoice::Utf8:
        return decodeUtf8(bytes);
    case EncodingChoice::Utf16:
        return decodeUtf16(bytes);
    case EncodingChoice::Gb18030:
        return decodeGb18030(bytes);
    case EncodingChoice::Auto:
        break;
    }
    if (bytes.startsWith(kUtf32LEMark) || bytes.startsWith(kUtf32BEMark))
        return decodeUtf32(bytes);
    if (bytes.startsWith(kUtf16LEMark) || bytes.startsWith(kUtf16BEMark))
        return decodeUtf16(bytes);
    if (bytes.startsWith(kUtf8Mark))
        return decodeUtf8(bytes);
    if (bytes.first(std::min(bytes.size(), kBinaryProbeBytes)).contains('\0'))
        return failed(DecodedText::Fault::Binary, TextEncoding::Utf8);
    DecodedText utf8 = decodeUtf8(bytes);
    return utf8.fault == DecodedText::Fault::None ? utf8 : decodeGb18030(bytes);
}

std::optional<QString> DecodeUtf8Exactly(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    // UTF-8 never takes more code units than bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    AdviseLargeBuffer(text.data(), text.size() * qsizetype(sizeof(QChar)));
    QChar* const end = decoder.appendToBuffer(text.data(), bytes);
    if (decoder.hasError())
        return std::nullopt;
    text.truncate(end - text.constData());
    return text;
}

QString EncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf16LE:
        return QStringLiteral("UTF-16LE");
    case TextEncoding::Utf16BE:
        return QStringLiteral("UTF-16BE");
    case TextEncoding::Utf32LE:
        return QStringLiteral("UTF-32LE");
    case TextEncoding::Utf32BE:
        return QStringLiteral("UTF-32BE");
    case TextEncoding::Gb18030:
        return QStringLiteral("GB18030");
    }
    return {};
}

} // namespace pattaro
