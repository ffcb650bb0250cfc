#include "core/text/utf8decoder.h"

#include <cstring>
#include <emmintrin.h>
#include <immintrin.h>

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
            // Three bytes, as CJK characters are, come first.
            if ((*in & 0xF0) == 0xE0 && end - in >= 3 && isContinuation(in[1]) && isContinuation(in[2])) {
                const char16_t c = char16_t(((in[0] & 0x0F) << 12) | ((in[1] & 0x3F) << 6) | (in[2] & 0x3F));
                // Below U+0800 is overlong; U+D800 to U+DFFF are surrogates.
                if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))
                    return -1;
                if constexpr (!kCheckOnly)
                    *out++ = c;
                in += 3;
                continue;
            }
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

namespace {

// The flags a pair of neighbouring bytes can raise, looked up from the
// first byte's two halves and the second byte's upper half; a pair is
// wrong where all three lookups share a flag. After the method of Keiser
// and Lemire, "Validating UTF-8 In Less Than One Instruction Per Byte".
constexpr char kTooShort = 1 << 0;   // a lead or ASCII where a continuation belongs
constexpr char kTooLong = 1 << 1;    // a continuation after ASCII
constexpr char kOverlong3 = 1 << 2;  // E0 then 80 … 9F
constexpr char kTooLarge = 1 << 3;   // F4 then 90 … BF, or F5 … FF
constexpr char kSurrogate = 1 << 4;  // ED then A0 … BF
constexpr char kOverlong2 = 1 << 5;  // C0 or C1
constexpr char kTooLarge1000 = 1 << 6; // F5 … FF then 80 … 8F
constexpr char kOverlong4 = 1 << 6;  // F0 then 80 … 8F
constexpr char kTwoContinuations = char(1 << 7);
constexpr char kCarry = kTooShort | kTooLong | kTwoContinuations;

// Each table is looked up per half of a 32-byte block, so it is there twice.
__attribute__((target("avx2"))) inline __m256i table(__m128i half)
{
    return _mm256_broadcastsi128_si256(half);
}

__attribute__((target("avx2"))) inline __m256i highNibbles(__m256i bytes)
{
    return _mm256_and_si256(_mm256_srli_epi16(bytes, 4), _mm256_set1_epi8(0x0F));
}

// The block's bytes moved on by N: the last N of `before` first.
template <int N> __attribute__((target("avx2"))) inline __m256i previous(__m256i block, __m256i before)
{
    return _mm256_alignr_epi8(block, _mm256_permute2x128_si256(before, block, 0x21), 16 - N);
}

// The bytes that break UTF-8 in `block`, given the block before it.
__attribute__((target("avx2"))) inline __m256i faults(__m256i block, __m256i before)
{
    const __m256i firstHigh = table(_mm_setr_epi8(
        kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTwoContinuations,
        kTwoContinuations, kTwoContinuations, kTwoContinuations, kTooShort | kOverlong2, kTooShort,
        kTooShort | kOverlong3 | kSurrogate, kTooShort | kTooLarge | kTooLarge1000 | kOverlong4));
    const __m256i firstLow = table(_mm_setr_epi8(
        kCarry | kOverlong3 | kOverlong2 | kOverlong4, kCarry | kOverlong2, kCarry, kCarry, kCarry | kTooLarge,
        kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000,
        kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000,
        kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000,
        kCarry | kTooLarge | kTooLarge1000 | kSurrogate, kCarry | kTooLarge | kTooLarge1000,
        kCarry | kTooLarge | kTooLarge1000));
    const __m256i secondHigh = table(_mm_setr_epi8(
        kTooShort, kTooShort, kTooShort, kTooShort, kTooShort, kTooShort, kTooShort, kTooShort,
        kTooLong | kOverlong2 | kTwoContinuations | kOverlong3 | kTooLarge1000 | kOverlong4,
        kTooLong | kOverlong2 | kTwoContinuations | kOverlong3 | kTooLarge,
        kTooLong | kOverlong2 | kTwoContinuations | kSurrogate | kTooLarge,
        kTooLong | kOverlong2 | kTwoContinuations | kSurrogate | kTooLarge, kTooShort, kTooShort, kTooShort,
        kTooShort));
    const __m256i previous1 = previous<1>(block, before);
    const __m256i pairFaults = _mm256_and_si256(
        _mm256_and_si256(_mm256_shuffle_epi8(firstHigh, highNibbles(previous1)),
                         _mm256_shuffle_epi8(firstLow, _mm256_and_si256(previous1, _mm256_set1_epi8(0x0F)))),
        _mm256_shuffle_epi8(secondHigh, highNibbles(block)));
    // A byte two after a lead of three or four bytes, or three after one of
    // four, must be a continuation: there two continuations in a row are
    // right, and anywhere else wrong.
    const __m256i thirdOrFourth =
        _mm256_or_si256(_mm256_subs_epu8(previous<2>(block, before), _mm256_set1_epi8(char(0xE0 - 0x80))),
                        _mm256_subs_epu8(previous<3>(block, before), _mm256_set1_epi8(char(0xF0 - 0x80))));
    return _mm256_xor_si256(_mm256_and_si256(thirdOrFourth, _mm256_set1_epi8(char(0x80))), pairFaults);
}

// Non-zero where the block's last bytes begin a sequence it does not finish.
__attribute__((target("avx2"))) inline __m256i unfinished(__m256i block)
{
    const __m256i most = _mm256_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                          -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, char(0xF0 - 1),
                                          char(0xE0 - 1), char(0xC0 - 1));
    return _mm256_subs_epu8(block, most);
}

// Reading state: the block before and every fault found so far.
struct Reading {
    __m256i before;
    __m256i wrong;
};

__attribute__((target("avx2"))) inline void take(Reading& reading, const char* at)
{
    const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    reading.wrong = _mm256_or_si256(reading.wrong, faults(block, reading.before));
    reading.before = block;
}

__attribute__((target("avx2"))) bool isUtf8Avx2(QByteArrayView bytes)
{
    // A stretch of ASCII is passed over after one look at all of it. Every
    // block of any other stretch is checked whether it is ASCII or not:
    // deciding block by block costs more in mispredicted branches, on text
    // that mixes Chinese and English, than the check it saves.
    constexpr qsizetype kStretch = 1024;
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    Reading reading{_mm256_setzero_si256(), _mm256_setzero_si256()};
    for (; end - at >= kStretch; at += kStretch) {
        __m256i highBits = _mm256_setzero_si256();
        for (qsizetype i = 0; i < kStretch; i += 32)
            highBits = _mm256_or_si256(highBits, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + i)));
        if (_mm256_movemask_epi8(highBits) == 0) {
            reading.wrong = _mm256_or_si256(reading.wrong, unfinished(reading.before));
            reading.before = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + kStretch - 32));
            continue;
        }
        for (qsizetype i = 0; i < kStretch; i += 32)
            take(reading, at + i);
    }
    for (; end - at >= 32; at += 32)
        take(reading, at);
    // The rest, padded with ASCII, which also ends a sequence left open.
    char rest[64] = {};
    if (end > at)
        std::memcpy(rest, at, size_t(end - at));
    take(reading, rest);
    take(reading, rest + 32);
    return _mm256_testz_si256(reading.wrong, reading.wrong);
}

} // namespace

bool IsUtf8(QByteArrayView bytes)
{
    if (__builtin_cpu_supports("avx2"))
        return isUtf8Avx2(bytes);
    char16_t scratch[2];
    return decode<true>(bytes, scratch) >= 0;
}

} // namespace pattaro
