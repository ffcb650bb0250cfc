#pragma once

#include "compat/olecolor.h"

#include <cstdint>

namespace pattaro::platform {

// Result codes of OleTranslateColor.
inline constexpr std::int32_t kS_OK = 0;
inline constexpr std::int32_t kE_INVALIDARG = std::int32_t(0x80070057u);

// Turns a stored colour value into a plain 0x00BBGGRR colour. A plain colour
// passes unchanged; a known system colour index (0x80000000 + n) is looked up
// in the current system colour table; anything else (an unknown index, a
// palette-relative value with a non-zero high byte) fails with E_INVALIDARG
// and leaves *translated untouched. There is no palette argument: colours are
// never palette-relative here.
std::int32_t OleTranslateColor(OleColor color, OleColor* translated);

} // namespace pattaro::platform
