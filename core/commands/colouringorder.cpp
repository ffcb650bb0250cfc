#include "core/commands/colouringorder.h"

#include <algorithm>

namespace pattaro {
namespace {

qsizetype endOf(const HighlightRange& range) { return range.start + range.length; }

// Steps over the text [from, to) and the matches [match, matchEnd) that lie
// inside it; each step is cut between two matches, never inside one.
void addStretch(std::vector<ColouringStep>& steps, const std::vector<HighlightRange>& plan, qsizetype from,
                qsizetype to, qsizetype match, qsizetype matchEnd, const ColouringLimits& limits)
{
    while (from < to || match < matchEnd) {
        const qsizetype limit = from + limits.unitsPerStep;
        qsizetype next = match;
        while (next < matchEnd && next - match < limits.matchesPerStep && endOf(plan[size_t(next)]) <= limit)
            ++next;
        qsizetype cut = 0;
        if (next == match && match < matchEnd && plan[size_t(match)].start <= from) {
            // A match longer than a step is coloured whole, in one step.
            next = match + 1;
            cut = endOf(plan[size_t(match)]);
        } else {
            cut = next < matchEnd ? std::min(limit, plan[size_t(next)].start) : std::min(limit, to);
        }
        steps.push_back({from, cut, match, next});
        from = cut;
        match = next;
    }
}

} // namespace

std::vector<ColouringStep> ColouringOrder(const std::vector<HighlightRange>& plan, qsizetype textSize,
                                          qsizetype viewFrom, qsizetype viewTo, ColouringLimits limits)
{
    const qsizetype count = qsizetype(plan.size());
    viewFrom = std::clamp<qsizetype>(viewFrom, 0, textSize);
    viewTo = std::clamp<qsizetype>(viewTo, viewFrom, textSize);
    const auto firstShown = std::partition_point(plan.begin(), plan.end(), [&](const HighlightRange& range) {
        return endOf(range) <= viewFrom && !(range.length == 0 && range.start == viewFrom);
    });
    const auto pastShown = std::partition_point(firstShown, plan.end(),
                                                [&](const HighlightRange& range) { return range.start < viewTo; });
    const qsizetype first = firstShown - plan.begin();
    const qsizetype last = pastShown - plan.begin();
    // The view widened to take in whole the matches it cuts.
    const qsizetype shownFrom = first < last ? std::min(viewFrom, plan[size_t(first)].start) : viewFrom;
    const qsizetype shownTo = first < last ? std::max(viewTo, endOf(plan[size_t(last - 1)])) : viewTo;

    std::vector<ColouringStep> steps;
    steps.push_back({shownFrom, shownTo, first, last});
    addStretch(steps, plan, shownTo, textSize, last, count, limits);
    addStretch(steps, plan, 0, shownFrom, 0, first, limits);
    return steps;
}

} // namespace pattaro
