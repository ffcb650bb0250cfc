#include "platform/screenshot.h"

#include <QCoreApplication>
#include <QImage>
#include <QWidget>

namespace pattaro::platform {

std::optional<QString> ScreenshotRequest(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
    if (at < 0 || at + 1 >= arguments.size())
        return std::nullopt;
    return arguments[at + 1];
}

bool SaveScreenshot(QWidget& window, const QString& path)
{
    // Let pending layout and paint requests settle first.
    QCoreApplication::processEvents();
    const qreal ratio = window.devicePixelRatioF();
    QImage image(window.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    window.render(&image);
    return image.save(path, "PNG");
}

} // namespace pattaro::platform
