#include "core/commands/matchtip.h"

#include <algorithm>

namespace pattaro {

qsizetype MatchAt(const MatchCollection& matches, qsizetype offset)
{
    const std::vector<MatchCollection::Span>& spans = matches.spans();
    // The first match starting after the offset; the one before it is the
    // only one that can cover it.
    const auto after = std::upper_bound(spans.begin(), spans.end(), offset,
                                        [](qsizetype o, const MatchCollection::Span& s) { return o < s.firstIndex; });
    if (after == spans.begin())
        return -1;
    const MatchCollection::Span& span = *std::prev(after);
    if (offset >= span.firstIndex + span.length)
        return -1;
    return qsizetype(std::prev(after) - spans.begin());
}

namespace {

bool shownAsEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F)
           // Line and paragraph separators break the tip's lines; the rest
           // are invisible or reorder the text around them.
           || c == 0x2028 || c == 0x2029 || c == 0x061C || c == 0x200E || c == 0x200F
           || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF
           || c == 0xFFFE || c == 0xFFFF;
}

void appendEscape(QString& out, char16_t c)
{
    switch (c) {
    case u'\r': out += QStringLiteral("\\r"); return;
    case u'\n': out += QStringLiteral("\\n"); return;
    case u'\t': out += QStringLiteral("\\t"); return;
    case 0: out += QStringLiteral("\\0"); return;
    default: out += QStringLiteral("\\u") + QString::number(c, 16).toUpper().rightJustified(4, u'0');
    }
}

QString quoted(QStringView text)
{
    return QStringLiteral("“") + TipVisibleText(text) + QStringLiteral("”")
           + (text.size() > kMaxTipTextUnits ? QStringLiteral("（长度 %1）").arg(text.size()) : QString());
}

QString groupLabel(const MatchCollection& matches, int group)
{
    const QString name = matches.GroupName(group);
    return name.isEmpty() ? QStringLiteral("$%1").arg(group) : QStringLiteral("$<%1>").arg(name);
}

} // namespace

QString TipVisibleText(QStringView text)
{
    qsizetype end = std::min(text.size(), kMaxTipTextUnits);
    if (end < text.size() && end > 0 && text[end - 1].isHighSurrogate() && text[end].isLowSurrogate())
        --end;
    QString out;
    out.reserve(end + 8);
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (c.isSurrogate() || shownAsEscape(c.unicode())) {
            appendEscape(out, c.unicode());
        } else {
            out += c;
        }
    }
    if (end < text.size())
        out += QStringLiteral("…");
    return out;
}

QString MatchTipText(const MatchCollection& matches, qsizetype index)
{
    const MatchCollection::Span match = matches.spans().at(size_t(index));
    const QStringView subject(matches.Subject());
    // The first line holds no markup-like text, so the tip is never taken
    // for rich text, whatever the captures hold.
    QString tip = QStringLiteral("第 %1 个匹配，共 %2 个\n位置 %3，长度 %4\n内容：%5")
                      .arg(index + 1)
                      .arg(matches.Count())
                      .arg(match.firstIndex)
                      .arg(match.length)
                      .arg(quoted(subject.mid(match.firstIndex, match.length)));
    const int groups = matches.GroupCount();
    if (groups > 0 && !matches.HasGroups())
        return tip + QStringLiteral("\n（捕获组太多，未保留其内容）");
    for (int group = 1; group <= std::min(groups, kMaxTipGroups); ++group) {
        const MatchCollection::Span span = matches.Group(index, group);
        tip += u'\n' + groupLabel(matches, group) + QStringLiteral("：")
               + (span.firstIndex < 0 ? QStringLiteral("未参与匹配") : quoted(subject.mid(span.firstIndex, span.length)));
    }
    if (groups > kMaxTipGroups)
        tip += QStringLiteral("\n……另有 %1 个捕获组").arg(groups - kMaxTipGroups);
    return tip;
}

} // namespace pattaro
