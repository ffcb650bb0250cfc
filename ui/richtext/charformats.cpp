#include "ui/richtext/charformats.h"

#include <algorithm>

namespace pattaro {

using platform::OleColor;

namespace {

// Cells kept free after an edit: many keys' worth, yet little beside the text.
qsizetype typingRoom(qsizetype size)
{
    return std::max<qsizetype>(size / 64, 1024);
}

} // namespace

void CharFormats::reset(qsizetype size)
{
    m_size = std::max<qsizetype>(size, 0);
    Cells().swap(m_cells);
    m_gapAt = 0;
    m_gapLength = 0;
}

void CharFormats::allocate()
{
    if (m_cells.empty() && m_size > 0) {
        // Made with room to type, so the first key does not copy the table.
        m_gapAt = m_size;
        m_gapLength = typingRoom(m_size);
        m_cells = Cells(size_t(m_size + m_gapLength));
    }
}

void CharFormats::moveGapTo(qsizetype at)
{
    const auto cells = m_cells.begin();
    if (at < m_gapAt)
        std::move_backward(cells + at, cells + m_gapAt, cells + m_gapAt + m_gapLength);
    else if (at > m_gapAt)
        std::move(cells + m_gapAt + m_gapLength, cells + at + m_gapLength, cells + m_gapAt);
    m_gapAt = at;
}

template <typename Change>
void CharFormats::change(qsizetype from, qsizetype to, Change apply)
{
    const auto cells = m_cells.begin();
    const qsizetype beforeGap = std::min(to, m_gapAt);
    for (auto it = cells + from, end = cells + beforeGap; it < end; ++it)
        *it = apply(*it);
    const qsizetype afterGap = std::max(from, m_gapAt);
    for (auto it = cells + afterGap + m_gapLength, end = cells + to + m_gapLength; it < end; ++it)
        *it = apply(*it);
}

void CharFormats::setColor(qsizetype from, qsizetype to, OleColor color)
{
    from = std::clamp<qsizetype>(from, 0, m_size);
    to = std::clamp<qsizetype>(to, from, m_size);
    if (from == to)
        return;
    allocate();
    const Cell set = kColorSet | (color & kRgbMask);
    change(from, to, [set](Cell c) { return (c & kBold) | set; });
}

void CharFormats::setBold(qsizetype from, qsizetype to, bool on)
{
    from = std::clamp<qsizetype>(from, 0, m_size);
    to = std::clamp<qsizetype>(to, from, m_size);
    if (from == to || (!on && m_cells.empty()))
        return;
    allocate();
    if (on)
        change(from, to, [](Cell c) { return c | kBold; });
    else
        change(from, to, [](Cell c) { return c & ~kBold; });
}

CharFormats::Cell CharFormats::cell(qsizetype at) const
{
    if (m_cells.empty() || at < 0 || at >= m_size)
        return 0;
    return m_cells[slot(at)];
}

std::optional<OleColor> CharFormats::color(qsizetype at) const
{
    const Cell c = cell(at);
    if (!(c & kColorSet))
        return std::nullopt;
    return OleColor(c & kRgbMask);
}

bool CharFormats::bold(qsizetype at) const
{
    return (cell(at) & kBold) != 0;
}

void CharFormats::replace(qsizetype from, qsizetype to, qsizetype added)
{
    from = std::clamp<qsizetype>(from, 0, m_size);
    to = std::clamp<qsizetype>(to, from, m_size);
    added = std::max<qsizetype>(added, 0);
    if (m_cells.empty()) {
        m_size += added - (to - from);
        return;
    }
    const Cell inherited = cell(from - 1);
    moveGapTo(from);
    // The removed cells join the gap.
    m_gapLength += to - from;
    m_size -= to - from;
    if (added > m_gapLength) {
        // Room for this edit and for typing after it.
        const qsizetype grow = added - m_gapLength + typingRoom(m_size);
        m_cells.insert(m_cells.begin() + m_gapAt, size_t(grow), 0);
        m_gapLength += grow;
    }
    std::fill_n(m_cells.begin() + m_gapAt, added, inherited);
    m_gapAt += added;
    m_gapLength -= added;
    m_size += added;
}

std::vector<CharFormats::Run> CharFormats::runs(qsizetype from, qsizetype to) const
{
    std::vector<Run> out;
    from = std::clamp<qsizetype>(from, 0, m_size);
    to = std::clamp<qsizetype>(to, from, m_size);
    if (m_cells.empty())
        return out;
    qsizetype i = from;
    while (i < to) {
        const Cell c = m_cells[slot(i)];
        qsizetype j = i + 1;
        while (j < to && m_cells[slot(j)] == c)
            ++j;
        if (c != 0) {
            std::optional<OleColor> color;
            if (c & kColorSet)
                color = OleColor(c & kRgbMask);
            out.push_back({i - from, j - i, color, (c & kBold) != 0});
        }
        i = j;
    }
    return out;
}

} // namespace pattaro
