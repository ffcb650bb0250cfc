#include "frame/skinplatform.h"

namespace pattaro {

SystemSkinPlatform::SystemSkinPlatform(const platform::Services& services, platform::PopupMenuService* popupMenu)
    : m_services(services)
    , m_errorLog(services)
    , m_modules(platform::Modules::system())
    , m_popupMenu(popupMenu ? popupMenu : &m_qtPopupMenu)
{
}

SkinPlatform SystemSkinPlatform::platform()
{
    return {m_errorLog, *m_services.visualStyle, *m_services.messageBox, m_windowMessages, m_modules, *m_popupMenu};
}

} // namespace pattaro
