#pragma once

#include "core/text/textencoding.h"

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace pattaro {

// How sure the detector must be of an encoding, and how far ahead of the
// next one the bytes are valid text in, for the file to open without asking.
inline constexpr int kSureConfidence = 50;
inline constexpr int kSureLead = 20;

struct LegacyReading {
    // Every legacy encoding the bytes are valid text in that is worth
    // offering, best first; empty when there is none.
    std::vector<TextEncoding> candidates;
    // Whether the first candidate may be taken without asking.
    bool sure = false;
    // The detector's first answer, to name when no candidate is valid.
    TextEncoding best = TextEncoding::Gb18030;
    // The first candidate's text when it was decoded whole to check it,
    // which spares decoding a large file once more.
    std::optional<QString> firstText;
};

// For bytes with no byte order mark that are not UTF-8. The first candidate
// is sure when the detector is sure of it, ahead of every other valid
// candidate, and for a single-byte code page when no Chinese, Japanese or
// Korean encoding fits the bytes either (the detector rates single-byte
// pages highly on a few bytes of anything). Failing that, GB18030 is sure
// when it decodes the bytes and they look like Chinese in it: the detector
// cannot tell a few Chinese characters from other encodings, and GB18030 is
// what a Chinese user's old files are in.
LegacyReading ChooseLegacyEncoding(QByteArrayView bytes);

// Whether the bytes decode without error in a legacy encoding; false when
// this build of Qt cannot convert it.
bool IsTextIn(QByteArrayView bytes, TextEncoding legacy);

// Every two-byte character in the GB2312 rows of Chinese text: punctuation,
// full-width forms, pinyin and the Han characters; four-byte GB18030
// characters pass. Kana, Greek, Cyrillic, box drawing and the GBK extension
// rows are what other encodings' bytes turn into when read as GB18030.
bool LooksLikeGb2312Chinese(QByteArrayView bytes);

} // namespace pattaro
