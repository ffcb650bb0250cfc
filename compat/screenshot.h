#pragma once

#include <QString>

class QWidget;

namespace pattaro::platform {

// Renders the window in the device pixels of its screen (one per logical
// pixel on an ordinary screen, four at a scale of 2) and writes it as PNG.
// False when the file cannot be written.
bool SaveScreenshot(QWidget& window, const QString& path);

} // namespace pattaro::platform
