#include "app/components/richtext/linebreakmap.h"

#include <algorithm>

namespace pattaro {

namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';
constexpr char16_t kSeparator = 0x2029;
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

QString documentTextOf(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case kCr:
            if (i + 1 < n && text[i + 1] == kLf)
                ++i;
            shown += QChar(kSeparator);
            continue;
        case kLf:
            shown += QChar(kSeparator);
            continue;
        case 0:
            shown += QChar(kNulSymbol);
            continue;
        case kFrameStart:
        case kFrameEnd:
            shown += QChar(kReplacement);
            continue;
        default:
            break;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            shown += text[i];
            shown += text[++i];
        } else if (QChar::isSurrogate(c)) {
            shown += QChar(kReplacement);
        } else {
            shown += text[i];
        }
    }
    return shown;
}

QString textOfDocumentChars(const QString& documentChars)
{
    QString text;
    text.reserve(documentChars.size());
    for (const QChar c : documentChars) {
        if (c.unicode() == kSeparator)
            text += u"\r\n";
        else
            text += c;
    }
    return text;
}

} // namespace pattaro
