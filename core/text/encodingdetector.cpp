#include "core/text/encodingdetector.h"

#include <unicode/ucsdet.h>

#include <algorithm>
#include <memory>

namespace pattaro {
namespace {

struct DetectorCloser {
    void operator()(UCharsetDetector* detector) const { ucsdet_close(detector); }
};

// A sample cut after its last line feed, so that it ends on a whole
// character: no legacy encoding uses the byte 0x0A inside one.
QByteArrayView sample(QByteArrayView bytes)
{
    if (bytes.size() <= kDetectorSampleBytes)
        return bytes;
    const QByteArrayView head = bytes.first(kDetectorSampleBytes);
    const qsizetype lineEnd = head.lastIndexOf('\n');
    return lineEnd > 0 ? head.first(lineEnd + 1) : head;
}

} // namespace

std::vector<EncodingGuess> DetectLegacyEncodings(QByteArrayView bytes)
{
    std::vector<EncodingGuess> guesses;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCharsetDetector, DetectorCloser> detector(ucsdet_open(&status));
    const QByteArrayView text = sample(bytes);
    ucsdet_setText(detector.get(), text.data(), int32_t(text.size()), &status);
    int32_t found = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(detector.get(), &found, &status);
    if (U_FAILURE(status))
        return guesses;
    for (int32_t i = 0; i < found; ++i) {
        const std::optional<TextEncoding> encoding = EncodingFromDetectorName(ucsdet_getName(matches[i], &status));
        const int confidence = ucsdet_getConfidence(matches[i], &status);
        if (U_FAILURE(status) || !encoding)
            continue;
        // ISO-8859-1 and windows-1252 may both be named; the first counts.
        if (std::none_of(guesses.begin(), guesses.end(), [&](const EncodingGuess& g) { return g.encoding == *encoding; }))
            guesses.push_back({*encoding, confidence});
    }
    return guesses;
}

} // namespace pattaro
