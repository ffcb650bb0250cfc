#pragma once

#include "compat/messagebox.h"
#include "compat/modules.h"
#include "compat/popupmenu.h"
#include "compat/services.h"
#include "compat/visualstyle.h"
#include "compat/windowmessages_qt.h"
#include "frame/errorlog.h"

namespace pattaro {

// What the skin control uses of the desktop besides its form. Everything
// referred to must outlive the control.
struct SkinPlatform {
    ErrorLog& errorLog;
    platform::VisualStyle& visualStyle;
    platform::MessageBoxService& messageBox;
    platform::QtWindowMessages& windowMessages;
    platform::Modules& modules;
    platform::PopupMenuService& popupMenu;
};

// The desktop's own pieces for a skin control, with the log reporting
// through the given services. The system menu pops up through popupMenu
// when one is given, otherwise as a Qt menu.
class SystemSkinPlatform {
public:
    explicit SystemSkinPlatform(const platform::Services& services, platform::PopupMenuService* popupMenu = nullptr);
    SkinPlatform platform();

private:
    platform::Services m_services;
    ErrorLog m_errorLog;
    platform::QtWindowMessages m_windowMessages;
    platform::Modules m_modules;
    platform::QtPopupMenu m_qtPopupMenu;
    platform::PopupMenuService* m_popupMenu;
};

} // namespace pattaro
