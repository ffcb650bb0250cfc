#include "core/regex/replacement.h"

namespace pattaro {
namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

ReplacementTemplate::ReplacementTemplate(const QString& text, int groupCount, const QHash<QString, int>& groupNames)
    : m_text(text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype dollar = text.indexOf(u'$', i);
        if (dollar < 0 || dollar + 1 >= n) {
            addText(i, n - i);
            break;
        }
        addText(i, dollar - i);
        const QChar next = text.at(dollar + 1);
        i = dollar + 2;
        if (next == u'$') {
            addText(dollar, 1);
        } else if (next == u'&') {
            m_parts.push_back({Kind::Group, 0, 0, 0});
        } else if (next == u'`') {
            m_parts.push_back({Kind::Before, 0, 0, 0});
        } else if (next == u'\'') {
            m_parts.push_back({Kind::After, 0, 0, 0});
        } else if (isDigit(next)) {
            int index = next.unicode() - '0';
            int digits = 1;
            if (dollar + 2 < n && isDigit(text.at(dollar + 2))) {
                const int two = index * 10 + (text.at(dollar + 2).unicode() - '0');
                // $nn beyond the groups reads as $n followed by a digit.
                if (two <= groupCount) {
                    index = two;
                    digits = 2;
                }
            }
            if (index >= 1 && index <= groupCount) {
                m_parts.push_back({Kind::Group, index, 0, 0});
                i = dollar + 1 + digits;
            } else {
                addText(dollar, 1 + digits);
                i = dollar + 1 + digits;
            }
        } else if (next == u'<' && !groupNames.isEmpty()) {
            const qsizetype close = text.indexOf(u'>', dollar + 2);
            if (close < 0) {
                addText(dollar, 2);
            } else {
                const QString name = text.mid(dollar + 2, close - dollar - 2);
                m_parts.push_back({Kind::Group, groupNames.value(name, -1), 0, 0});
                i = close + 1;
            }
        } else {
            addText(dollar, 1);
            i = dollar + 1;
        }
    }
}

void ReplacementTemplate::addText(qsizetype from, qsizetype length)
{
    if (length <= 0)
        return;
    if (!m_parts.empty() && m_parts.back().kind == Kind::Text
        && m_parts.back().from + m_parts.back().length == from) {
        m_parts.back().length += length;
        return;
    }
    m_parts.push_back({Kind::Text, 0, from, length});
}

// Runs once per match: the pieces are cut by pointer, without mid()'s
// clamping, since the offsets are the engine's own.
void ReplacementTemplate::expand(TextBuilder& out, QStringView subject, const size_t* offsets) const
{
    const QChar* text = m_text.constData();
    const QChar* units = subject.data();
    for (const Part& p : m_parts) {
        switch (p.kind) {
        case Kind::Text:
            out.append(QStringView(text + p.from, p.length));
            break;
        case Kind::Group:
            if (p.group >= 0 && offsets[2 * p.group] != SIZE_MAX) {
                const size_t b = offsets[2 * p.group];
                out.append(QStringView(units + b, qsizetype(offsets[2 * p.group + 1] - b)));
            }
            break;
        case Kind::Before:
            out.append(QStringView(units, qsizetype(offsets[0])));
            break;
        case Kind::After:
            out.append(QStringView(units + offsets[1], subject.size() - qsizetype(offsets[1])));
            break;
        }
    }
}

} // namespace pattaro
