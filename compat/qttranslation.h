#pragma once

class QTranslator;

namespace pattaro::platform {

// Installs Qt's own Simplified Chinese strings (message-box buttons, the
// standard dialogs, the text panes' context menus), whatever the system's
// locale: the rest of the interface is Chinese, so Qt's part must be too.
// Call once the application object exists. Returns the installed
// translator, owned by the application, or null (with a warning) when Qt's
// translation is not installed, in which case Qt's strings stay English.
QTranslator* InstallQtChineseTranslation();

} // namespace pattaro::platform
