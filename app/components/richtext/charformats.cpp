#include "app/components/richtext/charformats.h"

#include <algorithm>

namespace pattaro {

using platform::OleColor;

void CharFormats::reset(qsizetype size)
{
    m_size = std::max<qsizetype>(size, 0);
    std::vector<Cell>().swap(m_cells);
}

void CharFormats::allocate()
{
    if (m_cells.empty() && m_size > 0)
        m_cells.assign(size_t(m_size), 0);
}

void CharFormats::setColor(qsizetype from, qsizetype to, OleColor color)
{
    from = std::clamp<qsizetype>(from, 0, m_size);
    to = std::clamp<qsizetype>(to, from, m_size);
    if (from == to)
        return;
    allocate();
    const Cell set = kColorSet | (color & kRgbMask);
    for (auto it = m_cells.begin() + from, end = m_cells.begin() + to; it != end; ++it)
        *it = (*it & kBold) | set;
}

void CharFormats::setBold(qsizetype from, qsizetype to, bool on)
{
    from = std::clamp<qsizetype>(from, 0, m_size);
    to = std::clamp<qsizetype>(to, from, m_size);
    if (from == to || (!on && m_cells.empty()))
        return;
    allocate();
    for (auto it = m_cells.begin() + from, end = m_cells.begin() + to; it != end; ++it)
        *it = on ? (*it | kBold) : (*it & ~kBold);
}

CharFormats::Cell CharFormats::cell(qsizetype at) const
{
    if (m_cells.empty() || at < 0 || at >= m_size)
        return 0;
    return m_cells[size_t(at)];
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
    m_size += added - (to - from);
    if (m_cells.empty())
        return;
    const Cell inherited = cell(from - 1);
    const auto at = m_cells.erase(m_cells.begin() + from, m_cells.begin() + to);
    m_cells.insert(at, size_t(added), inherited);
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
        const Cell c = m_cells[size_t(i)];
        qsizetype j = i + 1;
        while (j < to && m_cells[size_t(j)] == c)
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
