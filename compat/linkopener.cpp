#include "compat/linkopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace pattaro::platform {

bool DesktopLinkOpener::open(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}

} // namespace pattaro::platform
