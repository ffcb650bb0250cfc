#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace pattaro::platform {

// The FILE of a "--screenshot FILE" pair among the arguments, if any.
std::optional<QString> ScreenshotRequest(const QStringList& arguments);

// Renders the window in the device pixels of its screen (one per logical
// pixel on an ordinary screen, four at a scale of 2) and writes it as PNG.
// False when the file cannot be written.
bool SaveScreenshot(QWidget& window, const QString& path);

} // namespace pattaro::platform
