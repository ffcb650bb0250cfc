#pragma once

#include "core/text/textencoding.h"

#include <QByteArrayView>
#include <vector>

namespace pattaro {

struct EncodingGuess {
    TextEncoding encoding;
    int confidence; // 0 to 100, as the detector rates it
};

// The detector looks at no more than this many bytes from the start: its
// statistics have settled long before, and a large file is not read twice.
inline constexpr qsizetype kDetectorSampleBytes = 64 * 1024;

// The legacy encodings ICU's charset detector takes the bytes for, most
// likely first, each once. Its Unicode answers are left out: a byte order
// mark or valid UTF-8 has decided those before it is asked.
std::vector<EncodingGuess> DetectLegacyEncodings(QByteArrayView bytes);

} // namespace pattaro
