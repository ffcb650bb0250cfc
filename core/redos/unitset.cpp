#include "core/redos/unitset.h"

#include "core/regex/charset.h"

#include <algorithm>

namespace pattaro {

UnitSet UnitSet::range(Unit first, Unit last)
{
    UnitSet s;
    s.m_runs.emplace_back(first, last);
    return s;
}

UnitSet UnitSet::fromCharSet(const CharSet& set)
{
    UnitSet s;
    for (const auto& [first, last] : set.ranges())
        s.m_runs.emplace_back(first, last);
    return s;
}

bool UnitSet::contains(Unit unit) const
{
    const auto it = std::upper_bound(m_runs.begin(), m_runs.end(), unit,
                                     [](Unit u, const std::pair<Unit, Unit>& run) { return u < run.first; });
    return it != m_runs.begin() && std::prev(it)->second >= unit;
}

void UnitSet::append(Unit first, Unit last)
{
    if (!m_runs.empty() && m_runs.back().second + 1 >= first) {
        m_runs.back().second = std::max(m_runs.back().second, last);
        return;
    }
    m_runs.emplace_back(first, last);
}

UnitSet UnitSet::united(const UnitSet& other) const
{
    std::vector<std::pair<Unit, Unit>> all = m_runs;
    all.insert(all.end(), other.m_runs.begin(), other.m_runs.end());
    std::sort(all.begin(), all.end());
    UnitSet s;
    for (const auto& [first, last] : all)
        s.append(first, last);
    return s;
}

UnitSet UnitSet::intersected(const UnitSet& other) const
{
    UnitSet s;
    size_t i = 0, j = 0;
    while (i < m_runs.size() && j < other.m_runs.size()) {
        const Unit first = std::max(m_runs[i].first, other.m_runs[j].first);
        const Unit last = std::min(m_runs[i].second, other.m_runs[j].second);
        if (first <= last)
            s.append(first, last);
        if (m_runs[i].second < other.m_runs[j].second)
            ++i;
        else
            ++j;
    }
    return s;
}

UnitSet UnitSet::without(const UnitSet& other) const
{
    UnitSet s;
    for (auto [first, last] : m_runs) {
        for (const auto& [cutFirst, cutLast] : other.m_runs) {
            if (cutLast < first || cutFirst > last)
                continue;
            if (cutFirst > first)
                s.append(first, cutFirst - 1);
            if (cutLast >= last) {
                first = last + 1;
                break;
            }
            first = cutLast + 1;
        }
        if (first <= last)
            s.append(first, last);
    }
    return s;
}

Unit readableMember(const UnitSet& set)
{
    static constexpr char16_t kPreferred[] = u"a0A_ !-.@/:,;=x1bZ\n\t";
    for (char16_t unit : kPreferred) {
        if (unit != 0 && set.contains(unit))
            return unit;
    }
    for (Unit u = 0x21; u < 0x7F; ++u) {
        if (set.contains(u))
            return u;
    }
    return set.runs().front().first;
}

} // namespace pattaro
