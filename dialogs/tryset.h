#pragma once

#include <stdexcept>

namespace pattaro {

// Runs one setter of a font or printer object and shrugs off a value it
// refuses, so the settings after it are still taken.
template <class Set>
void trySet(Set set)
{
    try {
        set();
    } catch (const std::invalid_argument&) {
    }
}

} // namespace pattaro
