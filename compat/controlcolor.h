#pragma once

#include "compat/olecolor.h"

#include <optional>

class QWidget;

namespace pattaro::platform {

// A control's back colour as the program sets it: kept on the widget as
// given (a system colour index stays an index) and shown through its
// palette, in the text area too for editing controls.
void SetControlBackColor(QWidget* control, OleColor color);
// Nothing when the program never gave the control a back colour.
std::optional<OleColor> ControlBackColor(const QWidget* control);

} // namespace pattaro::platform
