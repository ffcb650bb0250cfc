#pragma once

#include "core/regex/regexp.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace pattaro {

// A colour as the window stores it: 0x00BBGGRR. The core library stays free
// of QtGui, so it does not use QColor here.
using RangeColor = std::uint32_t;

// One coloured range of the source pane; offsets in UTF-16 code units.
struct HighlightRange {
    qsizetype start = 0;
    qsizetype length = 0;
    RangeColor color = 0;

    friend bool operator==(const HighlightRange&, const HighlightRange&) = default;
};

// The match check's alternating highlight: one range per match, in match order;
// even match numbers (zero-based) take evenColor, odd ones oddColor. The two
// getters are asked again for every match, because the swatches are the only
// place the colours live.
std::vector<HighlightRange> HighlightPlan(const MatchCollection& matches,
                                          const std::function<RangeColor()>& evenColor,
                                          const std::function<RangeColor()>& oddColor);

} // namespace pattaro
