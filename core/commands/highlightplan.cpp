#include "core/commands/highlightplan.h"

namespace pattaro {

std::vector<HighlightRange> HighlightPlan(const MatchCollection& matches,
                                          const std::function<RangeColor()>& evenColor,
                                          const std::function<RangeColor()>& oddColor)
{
    std::vector<HighlightRange> plan;
    plan.reserve(matches.spans().size());
    qsizetype index = 0;
    for (const MatchCollection::Span& span : matches.spans()) {
        const RangeColor color = (index % 2 != 0) ? oddColor() : evenColor();
        plan.push_back({span.firstIndex, span.length, color});
        ++index;
    }
    return plan;
}

} // namespace pattaro
