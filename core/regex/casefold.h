#pragma once

#include <span>

namespace pattaro {

// Case-insensitive matching as JavaScript does it without the u flag: two code
// units match when their canonical forms are equal, the canonical form being
// the upper case unless that is several characters or would turn a non-ASCII
// unit into an ASCII one (so ſ never matches s, nor the Kelvin sign k).

// Every code unit whose canonical form equals that of `unit`, `unit` included.
std::span<const char16_t> caseVariants(char16_t unit);

} // namespace pattaro
