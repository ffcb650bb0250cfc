#pragma once

#include "compat/propertybag.h"

namespace pattaro {

// The design of the program's skin, saved with the program: every framed
// window of it looks the same. Empty when the resource cannot be read; the
// control still loads, on its defaults.
platform::PropertyBag programSkinDesign();

} // namespace pattaro
