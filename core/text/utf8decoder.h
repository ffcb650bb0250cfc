#pragma once

#include <QByteArrayView>

namespace pattaro {

// Decodes UTF-8 into UTF-16, rejecting what is not UTF-8: stray
// continuation bytes, overlong forms, surrogates, code points past
// U+10FFFF and a sequence cut short at the end. A byte order mark is a
// character like any other. `out` must have room for one unit a byte.
// Returns the units written, or -1 when the bytes are not UTF-8.
//
// A file's text is mostly ASCII between runs of other characters; sixteen
// ASCII bytes are taken at a time, which makes reading a large file several
// times faster than Qt's converter does.
qsizetype DecodeUtf8Strictly(QByteArrayView bytes, char16_t* out);

// Whether DecodeUtf8Strictly would take the bytes, found 32 bytes at a
// time without decoding them where the processor has AVX2.
bool IsUtf8(QByteArrayView bytes);

} // namespace pattaro
