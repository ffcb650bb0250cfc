#include "compat/screenshot.h"

#include <QCoreApplication>
#include <QImage>
#include <QWidget>

namespace pattaro::platform {

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
