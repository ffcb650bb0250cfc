#include "core/regex/casefold.h"

#include <algorithm>
#include <cstdint>

namespace pattaro {
namespace {

// kClassMembers: each class of two units or more, one after another.
// kUnitsWithVariants: their units in order; for each, where its class
// begins in kClassMembers and how many it holds.
#include "core/regex/casetable.inc"

static_assert(*std::max_element(std::begin(kClassSize), std::end(kClassSize)) <= CaseVariants::kMost);

} // namespace

CaseVariants caseVariants(char16_t unit)
{
    CaseVariants variants;
    const auto* found = std::lower_bound(std::begin(kUnitsWithVariants), std::end(kUnitsWithVariants), unit);
    if (found == std::end(kUnitsWithVariants) || *found != unit) {
        variants.m_units[0] = unit;
        variants.m_size = 1;
        return variants;
    }
    const auto index = size_t(found - std::begin(kUnitsWithVariants));
    const char16_t* first = kClassMembers + kClassFirst[index];
    variants.m_size = kClassSize[index];
    std::copy(first, first + variants.m_size, variants.m_units.begin());
    return variants;
}

std::span<const char16_t> unitsWithCaseVariants() { return kUnitsWithVariants; }

} // namespace pattaro
