#include "ui/richtext/linebreakmap.h"

#include <algorithm>

namespace pattaro {

namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';
constexpr char16_t kSeparator = 0x2029;
constexpr char16_t kLineSeparator = 0x2028;
constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kNulSymbol = 0x2400;
// QTextDocument reads these two as frame boundaries.
constexpr char16_t kFrameStart = 0xFDD0;
constexpr char16_t kFrameEnd = 0xFDD1;

qsizetype countBefore(const std::vector<qsizetype>& positions, qsizetype position)
{
    return std::lower_bound(positions.begin(), positions.end(), position) - positions.begin();
}

void replacePositions(std::vector<qsizetype>& positions, qsizetype from, qsizetype to,
                      const std::vector<qsizetype>& added, qsizetype delta)
{
    const auto first = std::lower_bound(positions.begin(), positions.end(), from);
    const auto last = std::lower_bound(first, positions.end(), to);
    for (auto it = last; it != positions.end(); ++it)
        *it += delta;
    const auto at = positions.erase(first, last);
    const auto inserted = positions.insert(at, added.begin(), added.end());
    std::for_each(inserted, inserted + qsizetype(added.size()), [from](qsizetype& p) { p += from; });
}

} // namespace

LineBreakMap::LineBreakMap(const ShownText& shown)
    : m_pairs(shown.pairs)
    , m_splits(shown.splits)
{
}

qsizetype LineBreakMap::toText(qsizetype documentPosition) const
{
    return documentPosition + countBefore(m_pairs, documentPosition) - countBefore(m_splits, documentPosition);
}

qsizetype LineBreakMap::toDocument(qsizetype textOffset) const
{
    // toText never falls as the position grows, so the first position that
    // reaches the offset can be found by halving between these bounds.
    qsizetype lo = std::max<qsizetype>(textOffset - pairCount(), 0);
    qsizetype hi = textOffset + splitCount();
    while (lo < hi) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (toText(mid) < textOffset)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

void LineBreakMap::replace(qsizetype from, qsizetype to, const ShownText& added)
{
    const qsizetype delta = added.chars.size() - (to - from);
    replacePositions(m_pairs, from, to, added.pairs, delta);
    replacePositions(m_splits, from, to, added.splits, delta);
}

namespace {

bool isIdeograph(char16_t c)
{
    return (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
}

// Where in [from, to) a line may best be split: after the last space or tab,
// or before the last ideograph; `to` when there is no such place.
QChar* splitPoint(QChar* from, QChar* to)
{
    for (QChar* at = to - 1; at > from; --at) {
        const char16_t before = at[-1].unicode();
        if (before == u' ' || before == u'\t' || isIdeograph(at->unicode()))
            return at;
    }
    return to;
}

// Writes `text` with each line break (CR LF, lone CR, lone LF) as one
// separator, a line that would take a block past `blockLimit` split across
// blocks, and stand-ins for what a document would not keep when `standIns`
// is set. `everyBreakIsAPair` records every line break as standing for a
// CR LF.
ShownText documentLines(const QString& text, qsizetype column, qsizetype blockLimit, bool standIns,
                        bool everyBreakIsAPair)
{
    // A split looks back this far for a place between words.
    const qsizetype lookBack = blockLimit / 8;
    const qsizetype n = text.size();
    const QChar* in = text.constData();
    ShownText shown;
    // Each split but the first needs blockLimit - lookBack - 1 units before
    // it, a surrogate pair being unsplittable.
    shown.chars.resize(n + n / std::max<qsizetype>(blockLimit - lookBack - 1, 1) + 2);
    QChar* const begin = shown.chars.data();
    QChar* out = begin;
    // Just after the last line break written, where a split must not fall.
    QChar* lineStart = begin;
    qsizetype blockLength = column;
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = in[i].unicode();
        if (c == kCr || c == kLf) {
            const bool pair = c == kCr && i + 1 < n && in[i + 1].unicode() == kLf;
            if (pair)
                ++i;
            if (pair || everyBreakIsAPair)
                shown.pairs.push_back(out - begin);
            const bool endsBlock = blockLength >= kBlockTarget;
            *out++ = QChar(endsBlock ? kSeparator : kLineSeparator);
            blockLength = endsBlock ? 0 : blockLength + 1;
            lineStart = out;
            continue;
        }
        const bool surrogatePair = QChar::isHighSurrogate(c) && i + 1 < n && in[i + 1].isLowSurrogate();
        const qsizetype units = surrogatePair ? 2 : 1;
        if (blockLength + units > blockLimit && blockLength > 0) {
            if (out == lineStart && out > begin) {
                // The block is full at a line break: that break ends it.
                out[-1] = QChar(kSeparator);
                blockLength = 0;
            } else {
                const qsizetype written = out - begin;
                const qsizetype from = std::max<qsizetype>({written - lookBack, lineStart - begin, written - blockLength});
                QChar* const at = splitPoint(begin + std::min(from, written), out);
                std::copy_backward(at, out, out + 1);
                *at = QChar(kSeparator);
                shown.splits.push_back(at - begin);
                ++out;
                blockLength = out - (at + 1);
            }
        }
        if (surrogatePair) {
            *out++ = QChar(c);
            c = in[++i].unicode();
        } else if (standIns) {
            if (c == 0)
                c = kNulSymbol;
            else if (c == kFrameStart || c == kFrameEnd || QChar::isSurrogate(c))
                c = kReplacement;
        }
        *out++ = QChar(c);
        blockLength = c == kSeparator ? 0 : blockLength + units;
    }
    shown.chars.truncate(out - begin);
    return shown;
}

} // namespace

ShownText shownTextOf(const QString& text, qsizetype blockLimit)
{
    return documentLines(text, 0, blockLimit, true, false);
}

ShownText shownTextOfInput(const QString& input, qsizetype column, qsizetype blockLimit)
{
    return documentLines(input, column, blockLimit, false, true);
}

QString textOfShown(const ShownText& shown)
{
    QString text;
    text.reserve(shown.chars.size() + qsizetype(shown.pairs.size()));
    auto split = shown.splits.begin();
    for (qsizetype i = 0; i < shown.chars.size(); ++i) {
        const QChar c = shown.chars[i];
        if (split != shown.splits.end() && *split == i)
            ++split;
        else if (c.unicode() == kSeparator || c.unicode() == kLineSeparator)
            text += u"\r\n";
        else
            text += c;
    }
    return text;
}

} // namespace pattaro
