#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace pattaro {

// The encodings a text may come in, as the caller asks for them.
enum class EncodingChoice { Auto, Utf8, Utf16, Gb18030 };

// The encoding a text was read in.
enum class TextEncoding { Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE, Gb18030 };

// Auto refuses input with a NUL byte among its first this many bytes, unless
// a UTF-16 or UTF-32 byte order mark says what it is: such input is not text.
inline constexpr qsizetype kBinaryProbeBytes = 8192;

struct DecodedText {
    enum class Fault {
        None,
        Binary,      // Auto only: a NUL byte near the start, no UTF-16 or UTF-32 mark
        Invalid,     // bytes that are not text in `encoding`
        Unavailable, // this build of Qt cannot convert `encoding`
    };
    Fault fault = Fault::None;
    // The encoding used; for a fault, the one the bytes failed in.
    TextEncoding encoding = TextEncoding::Utf8;
    QString text;
};

// Decodes a whole file's bytes. Auto takes UTF-8 after its byte order mark,
// UTF-16 and UTF-32 little or big endian after theirs, otherwise UTF-8 when
// the bytes are valid UTF-8 and GB18030 when they are not. A named choice decodes in
// that encoding only; Utf16 without a byte order mark is little endian.
// A byte order mark is taken as a mark, never as text; everything after it
// is kept exactly, line breaks of every kind included. UTF-16 is kept unit
// for unit, a lone surrogate too; UTF-8, UTF-32 and GB18030 are decoded strictly,
// a sequence cut short at the end included.
DecodedText DecodeText(QByteArrayView bytes, EncodingChoice choice);

// Strict UTF-8 where every byte is text, a leading byte order mark too
// (command-line arguments). Nothing for bytes that are not UTF-8.
std::optional<QString> DecodeUtf8Exactly(QByteArrayView bytes);

// "UTF-8", "UTF-16LE", "UTF-16BE", "UTF-32LE", "UTF-32BE" or "GB18030".
QString EncodingName(TextEncoding encoding);

} // namespace pattaro
