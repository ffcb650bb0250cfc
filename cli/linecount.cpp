#include "cli/linecount.h"

#include "core/text/utf8decoder.h"
#include "cli/halves.h"

#include <algorithm>
#include <exception>

namespace pattaro::cli {
namespace {

// Pieces of about this many code units: small enough to stay in cache,
// large enough that starting a search on each costs nothing.
constexpr qsizetype kPieceUnits = qsizetype(1) << 16;
// Lines holding a literal this many bytes apart or fewer are decoded with
// the lines between them: about as cheap as decoding them apart.
constexpr qsizetype kNearLines = 256;
// Where a literal is on more than one line in this many, of those in the
// first kSampleBytes, every line is decoded.
constexpr qsizetype kCommonShare = 3;
constexpr qsizetype kSampleBytes = qsizetype(1) << 16;

qsizetype lineEnd(QByteArrayView text, qsizetype at)
{
    const qsizetype feed = text.indexOf('\n', at);
    return feed < 0 ? text.size() : feed;
}

qsizetype lineStart(QByteArrayView text, qsizetype at) { return FindLastByte(text, '\n', at) + 1; }

// False, with the piece as it was, when the bytes are not UTF-8.
bool appendDecoded(QString& piece, QByteArrayView utf8)
{
    const qsizetype had = piece.size();
    // UTF-8 never takes more code units than bytes.
    piece.resize(had + utf8.size());
    const qsizetype units = DecodeUtf8Strictly(utf8, reinterpret_cast<char16_t*>(piece.data() + had));
    piece.resize(had + std::max<qsizetype>(units, 0));
    return units >= 0;
}

// Whether so many of the text's first lines hold a literal that looking
// for the lines costs more than it saves: decoding and searching a line
// without one costs about what finding the next one does.
bool commonInLines(QByteArrayView utf8, const std::vector<ByteFinder>& literals)
{
    const QByteArrayView sample = utf8.first(lineEnd(utf8, std::min(utf8.size(), kSampleBytes)));
    LeftmostOccurrence occurrences(sample, literals);
    qsizetype lines = 0, holding = 0;
    for (qsizetype from = 0; from <= sample.size(); ++lines) {
        const qsizetype at = occurrences.next(from).at;
        const qsizetype next = lineEnd(sample, from) + 1;
        if (at >= 0 && at < next)
            ++holding;
        from = next;
    }
    return holding * kCommonShare > lines;
}

// The count, or nothing when the text is not UTF-8.
std::optional<qsizetype> countLines(RegExp& engine, QByteArrayView utf8, const std::vector<ByteFinder>& literals)
{
    // Where the next piece begins: always a line's start, past the text's
    // end once its last line is taken.
    qsizetype from = 0;
    if (literals.empty() || commonInLines(utf8, literals)) {
        // Every byte is decoded, which checks it on the way.
        bool utf8Throughout = true;
        const qsizetype count = engine.CountInPieces([&](QString& piece) {
            if (from > utf8.size())
                return false;
            const qsizetype end = lineEnd(utf8, std::min(from + kPieceUnits, utf8.size()));
            piece.resize(0);
            utf8Throughout = appendDecoded(piece, utf8.sliced(from, end - from));
            from = end + 1;
            return utf8Throughout;
        });
        return utf8Throughout ? std::optional(count) : std::nullopt;
    }
    if (!IsUtf8(utf8))
        return std::nullopt;
    // The lines holding a literal, joined by line feeds: their matches are
    // the text's, as the lines between hold none. Lines close together are
    // taken with those between, which costs less than a piece of their own.
    LeftmostOccurrence occurrences(utf8, literals);
    return engine.CountInPieces([&](QString& piece) {
        piece.resize(0);
        // The run of lines not yet decoded: [start, end), end a line's end.
        qsizetype start = -1, end = -1;
        const auto takeRun = [&] {
            if (!piece.isEmpty())
                piece += u'\n';
            appendDecoded(piece, utf8.sliced(start, end - start));
        };
        while (from <= utf8.size() && piece.size() + (start < 0 ? 0 : end - start) < kPieceUnits) {
            const qsizetype at = occurrences.next(from).at;
            if (at < 0)
                break;
            if (start >= 0 && at - end > kNearLines) {
                takeRun();
                start = -1;
            }
            if (start < 0)
                start = lineStart(utf8, at);
            end = lineEnd(utf8, at);
            from = end + 1;
        }
        if (start < 0)
            return false;
        takeRun();
        return true;
    });
}

// One half's count, or what stopped it.
struct HalfCount {
    bool utf8 = true;
    qsizetype count = 0;
    std::exception_ptr failure;
};

HalfCount countHalf(RegExp& engine, QByteArrayView utf8, const std::vector<ByteFinder>& literals)
{
    HalfCount half;
    try {
        const std::optional<qsizetype> count = countLines(engine, utf8, literals);
        half.utf8 = count.has_value();
        half.count = count.value_or(0);
    } catch (...) {
        // The search may have stopped before reaching bytes that are not
        // UTF-8, which are read another way, where it may not stop.
        half.utf8 = IsUtf8(utf8);
        half.failure = std::current_exception();
    }
    return half;
}

} // namespace

std::optional<qsizetype> CountLineByLine(RegExp& engine, RegExp& second, QByteArrayView utf8,
                                         const std::vector<ByteFinder>& literals)
{
    HalfCount halves[2];
    const qsizetype cut = HalvingCut(utf8);
    if (cut < 0) {
        halves[0] = countHalf(engine, utf8, literals);
    } else {
        SideBySide(
            utf8.size(), [&] { halves[0] = countHalf(engine, utf8.first(cut), literals); },
            [&] { halves[1] = countHalf(second, utf8.sliced(cut + 1), literals); });
    }
    // Bytes that are not UTF-8 are decoded another way, whatever the search
    // made of them.
    if (!halves[0].utf8 || !halves[1].utf8)
        return std::nullopt;
    for (const HalfCount& half : halves) {
        if (half.failure)
            std::rethrow_exception(half.failure);
    }
    return halves[0].count + halves[1].count;
}

} // namespace pattaro::cli
