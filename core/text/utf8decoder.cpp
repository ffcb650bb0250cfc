#include "core/text/utf8decoder.h"

#include <emmintrin.h>

namespace pattaro {
namespace {

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Decodes the sequence beginning at `in` (a byte of 0x80 or more) into
// `out`. Returns the bytes taken, or 0 when the bytes there are not UTF-8.
// `*written` gets the units written, one or two.
qsizetype decodeOne(const unsigned char* in, const unsigned char* end, char16_t* out, qsizetype* written)
{
    const unsigned char lead = in[0];
    const qsizetype left = end - in;
    if (lead >= 0xC2 && lead <= 0xDF) {
        if (left < 2 || !isContinuation(in[1]))
            return 0;
        out[0] = char16_t(((lead & 0x1F) << 6) | (in[1] & 0x3F));
        *written = 1;
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !isContinuation(in[1]) || !isContinuation(in[2]))
            return 0;
        const char32_t c = char32_t(((lead & 0x0F) << 12) | ((in[1] & 0x3F) << 6) | (in[2] & 0x3F));
        // Below U+0800 is overlong; U+D800 to U+DFFF are surrogates.
        if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))
            return 0;
        out[0] = char16_t(c);
        *written = 1;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !isContinuation(in[1]) || !isContinuation(in[2]) || !isContinuation(in[3]))
            return 0;
        const char32_t c =
            char32_t(((lead & 0x07) << 18) | ((in[1] & 0x3F) << 12) | ((in[2] & 0x3F) << 6) | (in[3] & 0x3F));
        if (c < 0x10000 || c > 0x10FFFF)
            return 0;
        out[0] = char16_t(0xD800 + ((c - 0x10000) >> 10));
        out[1] = char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
        *written = 2;
        return 4;
    }
    return 0;
}

// Decodes into `out`, or with kCheckOnly only looks; `out` then needs room
// for two units.
template <bool kCheckOnly> qsizetype decode(QByteArrayView bytes, char16_t* out)
{
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* const end = in + bytes.size();
    char16_t* const first = out;
    const __m128i zero = _mm_setzero_si128();
    while (in < end) {
        if (end - in >= 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
            const int nonAscii = _mm_movemask_epi8(block);
            // All sixteen are widened and stored even when only some are
            // ASCII: the output never runs ahead of the input, so the room
            // is there, and the units past the ASCII ones are written over.
            if constexpr (!kCheckOnly) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(block, zero));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(block, zero));
            }
            if (nonAscii == 0) {
                in += 16;
                out += kCheckOnly ? 0 : 16;
                continue;
            }
            const int ascii = __builtin_ctz(unsigned(nonAscii));
            in += ascii;
            out += kCheckOnly ? 0 : ascii;
        } else if (*in < 0x80) {
            if constexpr (!kCheckOnly)
                *out++ = *in;
            ++in;
            continue;
        }
        // A run of characters beyond ASCII, as a word of Chinese is, stays
        // here until ASCII comes again.
        while (in < end && *in >= 0x80) {
            qsizetype written = 0;
            const qsizetype taken = decodeOne(in, end, out, &written);
            if (taken == 0)
                return -1;
            in += taken;
            out += kCheckOnly ? 0 : written;
        }
    }
    return out - first;
}

} // namespace

qsizetype DecodeUtf8Strictly(QByteArrayView bytes, char16_t* out) { return decode<false>(bytes, out); }

bool IsUtf8(QByteArrayView bytes)
{
    char16_t scratch[2];
    return decode<true>(bytes, scratch) >= 0;
}

} // namespace pattaro
