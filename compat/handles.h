#pragma once

#include <cstdint>

namespace pattaro::platform {

// A window's handle as the platform calls see it; 0 is no window. For a Qt
// widget it is the widget's address, so no native window is created for it.
using HWND = std::intptr_t;

} // namespace pattaro::platform
