#include "app/components/richtext/linebreakmap.h"

#include <algorithm>

namespace pattaro {

namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';
constexpr char16_t kSeparator = 0x2029;
constexpr char16_t kLineSeparator = 0x2028;
// Lines gather into one block of the document until it holds this many
// units: setting, pasting and clearing cost the document per block far more
// than per character, while a block this size still lays out in well under
// a millisecond when it comes into view or is typed in.
constexpr qsizetype kBlockTarget = 2048;
constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kNulSymbol = 0x2400;
// QTextDocument reads these two as frame boundaries.
constexpr char16_t kFrameStart = 0xFDD0;
constexpr char16_t kFrameEnd = 0xFDD1;

} // namespace

LineBreakMap LineBreakMap::fromText(const QString& text)
{
    LineBreakMap map;
    const qsizetype n = text.size();
    for (qsizetype i = 1; i < n; ++i) {
        if (text[i] == kLf && text[i - 1] == kCr)
            map.m_pairLf.push_back(i);
    }
    return map;
}

qsizetype LineBreakMap::toDocument(qsizetype textOffset) const
{
    // Each pair whose LF lies before the offset has folded two units into one.
    const auto before = std::lower_bound(m_pairLf.begin(), m_pairLf.end(), textOffset) - m_pairLf.begin();
    return textOffset - before;
}

qsizetype LineBreakMap::toText(qsizetype documentPosition) const
{
    // The k-th pair's separator sits at document position m_pairLf[k] - 1 - k,
    // which grows with k, so the pairs before a position can be found by halving.
    qsizetype lo = 0;
    qsizetype hi = qsizetype(m_pairLf.size());
    while (lo < hi) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (m_pairLf[size_t(mid)] - 1 - mid < documentPosition)
            lo = mid + 1;
        else
            hi = mid;
    }
    return documentPosition + lo;
}

void LineBreakMap::replace(qsizetype textFrom, qsizetype textTo, const QString& inserted)
{
    const auto first = std::lower_bound(m_pairLf.begin(), m_pairLf.end(), textFrom + 1);
    const auto last = std::lower_bound(first, m_pairLf.end(), textTo);
    const qsizetype delta = inserted.size() - (textTo - textFrom);
    for (auto it = last; it != m_pairLf.end(); ++it)
        *it += delta;

    std::vector<qsizetype> added;
    for (qsizetype i = 1; i < inserted.size(); ++i) {
        if (inserted[i] == kLf && inserted[i - 1] == kCr)
            added.push_back(textFrom + i);
    }
    const auto at = m_pairLf.erase(first, last);
    m_pairLf.insert(at, added.begin(), added.end());
}

namespace {

// Writes `text` with each line break (CR LF, lone CR, lone LF) as one
// document position, and with stand-ins for what a document would not keep
// when `standIns` is set.
QString documentLines(const QString& text, bool standIns)
{
    const qsizetype n = text.size();
    const QChar* in = text.constData();
    QString shown(n, Qt::Uninitialized);
    QChar* const begin = shown.data();
    QChar* out = begin;
    const QChar* blockStart = begin;
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = in[i].unicode();
        if (c == kCr || c == kLf) {
            if (c == kCr && i + 1 < n && in[i + 1].unicode() == kLf)
                ++i;
            c = out - blockStart >= kBlockTarget ? kSeparator : kLineSeparator;
        } else if (standIns) {
            if (c == 0) {
                c = kNulSymbol;
            } else if (c == kFrameStart || c == kFrameEnd) {
                c = kReplacement;
            } else if (QChar::isHighSurrogate(c) && i + 1 < n && in[i + 1].isLowSurrogate()) {
                *out++ = QChar(c);
                c = in[++i].unicode();
            } else if (QChar::isSurrogate(c)) {
                c = kReplacement;
            }
        }
        *out++ = QChar(c);
        if (c == kSeparator)
            blockStart = out;
    }
    shown.truncate(out - begin);
    return shown;
}

} // namespace

QString documentTextOf(const QString& text)
{
    return documentLines(text, true);
}

QString documentTextOfInput(const QString& input)
{
    return documentLines(input, false);
}

qsizetype longestLineOf(QStringView text)
{
    qsizetype longest = 0;
    qsizetype lineStart = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i == n || text[i] == kCr || text[i] == kLf) {
            longest = std::max(longest, i - lineStart);
            lineStart = i + 1;
        }
    }
    return longest;
}

QString textOfDocumentChars(const QString& documentChars)
{
    QString text;
    text.reserve(documentChars.size());
    for (const QChar c : documentChars) {
        if (c.unicode() == kSeparator || c.unicode() == kLineSeparator)
            text += u"\r\n";
        else
            text += c;
    }
    return text;
}

} // namespace pattaro
