#include "cli/linecount.h"

#include "core/text/utf8decoder.h"

#include <exception>
#include <thread>

namespace pattaro::cli {
namespace {

// Pieces of about this many code units: small enough to stay in cache,
// large enough that starting a search on each costs nothing.
constexpr qsizetype kPieceUnits = qsizetype(1) << 16;
// From this many bytes a second thread takes half of the lines: starting it
// and compiling its engine costs far less than that half's search.
constexpr qsizetype kHalvedFrom = qsizetype(1) << 18;

qsizetype lineEnd(QByteArrayView text, qsizetype at)
{
    const qsizetype feed = text.indexOf('\n', at);
    return feed < 0 ? text.size() : feed;
}

qsizetype lineStart(QByteArrayView text, qsizetype at) { return FindLastByte(text, '\n', at) + 1; }

void appendDecoded(QString& piece, QByteArrayView utf8)
{
    const qsizetype had = piece.size();
    // UTF-8 never takes more code units than bytes.
    piece.resize(had + utf8.size());
    const qsizetype units = DecodeUtf8Strictly(utf8, reinterpret_cast<char16_t*>(piece.data() + had));
    piece.resize(had + units);
}

qsizetype countLines(RegExp& engine, QByteArrayView utf8, const std::vector<ByteFinder>& literals)
{
    // Where the next piece begins: always a line's start, past the text's
    // end once its last line is taken.
    qsizetype from = 0;
    if (literals.empty()) {
        return engine.CountInPieces([&](QString& piece) {
            if (from > utf8.size())
                return false;
            const qsizetype end = lineEnd(utf8, std::min(from + kPieceUnits, utf8.size()));
            piece.resize(0);
            appendDecoded(piece, utf8.sliced(from, end - from));
            from = end + 1;
            return true;
        });
    }
    // The lines holding a literal, joined by line feeds: their matches are
    // the text's, as the lines between hold none.
    LeftmostOccurrence occurrences(utf8, literals);
    return engine.CountInPieces([&](QString& piece) {
        piece.resize(0);
        bool any = false;
        while (from <= utf8.size() && piece.size() < kPieceUnits) {
            const qsizetype at = occurrences.next(from).at;
            if (at < 0)
                break;
            const qsizetype start = lineStart(utf8, at);
            const qsizetype end = lineEnd(utf8, at);
            if (any)
                piece += u'\n';
            appendDecoded(piece, utf8.sliced(start, end - start));
            any = true;
            from = end + 1;
        }
        return any;
    });
}

} // namespace

qsizetype CountLineByLine(RegExp& engine, RegExp& second, QByteArrayView utf8,
                          const std::vector<ByteFinder>& literals)
{
    const qsizetype cut = lineEnd(utf8, utf8.size() / 2);
    if (utf8.size() < kHalvedFrom || cut == utf8.size() || std::thread::hardware_concurrency() < 2)
        return countLines(engine, utf8, literals);
    // Two runs of whole lines, either side of the line feed at `cut`.
    qsizetype secondCount = 0;
    std::exception_ptr secondFailure;
    std::thread worker([&] {
        try {
            secondCount = countLines(second, utf8.sliced(cut + 1), literals);
        } catch (...) {
            secondFailure = std::current_exception();
        }
    });
    qsizetype firstCount = 0;
    try {
        firstCount = countLines(engine, utf8.first(cut), literals);
    } catch (...) {
        worker.join();
        throw;
    }
    worker.join();
    if (secondFailure)
        std::rethrow_exception(secondFailure);
    return firstCount + secondCount;
}

} // namespace pattaro::cli
