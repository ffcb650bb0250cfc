#pragma once

#include "core/text/textencoding.h"

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace pattaro {

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
    // Auto only: no mark, not UTF-8, and neither the detector nor the bytes
    // settle it. `encoding` is then the best guess, and `candidates` every
    // encoding worth offering, best first, `encoding` among them.
    bool guessed = false;
    std::vector<TextEncoding> candidates;
    // Auto only: UTF-8 whose last character is cut short; that end is read
    // as U+FFFD.
    bool cutShort = false;
};

// Decodes a whole file's bytes. Auto takes UTF-8 after its byte order mark,
// UTF-16 and UTF-32 little or big endian after theirs, otherwise UTF-8 when
// the bytes are valid UTF-8, also when only their last character is cut
// short, and else the legacy encoding ChooseLegacyEncoding picks. A named
// choice decodes in that encoding only; for UTF-16 and UTF-32 a byte order
// mark of either order wins over the one named. A byte order mark is taken
// as a mark, never as text; everything after it is kept exactly, line
// breaks of every kind included. UTF-16 is kept unit for unit, a lone
// surrogate too; everything else is decoded strictly, a sequence cut short
// at the end included.
DecodedText DecodeText(QByteArrayView bytes, EncodingChoice choice);

// The bytes of the text DecodeText would give, when it would read them as
// UTF-8 with nothing to warn of: valid UTF-8, its byte order mark left out.
// Nothing when DecodeText would read them otherwise or refuse them.
std::optional<QByteArrayView> Utf8TextBytes(QByteArrayView bytes, EncodingChoice choice);
// The same before the bytes are checked: Utf8TextBytes's answer where IsUtf8
// holds for what it gives, for a caller that checks them in parts.
std::optional<QByteArrayView> Utf8TextBytesUnchecked(QByteArrayView bytes, EncodingChoice choice);

// Strict UTF-8 where every byte is text, a leading byte order mark too
// (command-line arguments). Nothing for bytes that are not UTF-8.
std::optional<QString> DecodeUtf8Exactly(QByteArrayView bytes);

} // namespace pattaro
