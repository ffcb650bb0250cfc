#pragma once

#include <QFont>

namespace pattaro {

// The window's font: a Simplified Chinese face named outright, so the glyphs
// do not depend on the desktop's fallback order.
QFont uiFont();

} // namespace pattaro
