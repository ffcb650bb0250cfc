#include "app/components/textfile/textdecoding.h"

#include "app/components/textfile/largebuffer.h"

#include <QStringDecoder>
#include <QtEndian>

namespace pattaro {
namespace {

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);
constexpr QByteArrayView kUtf16LEMark("\xFF\xFE", 2);
constexpr QByteArrayView kUtf16BEMark("\xFE\xFF", 2);
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
    case TextEncoding::Gb18030:
        return QStringLiteral("GB18030");
    }
    return {};
}

} // namespace pattaro
