#pragma once

#include <QString>

namespace pattaro {

// The expression reference shown in the help pane: 130 lines, each ending in CR LF.
QString helpText();

} // namespace pattaro
