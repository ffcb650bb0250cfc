#include "skin/skinplatform.h"

namespace pattaro {

SystemSkinPlatform::SystemSkinPlatform(const platform::Services& services)
    : m_services(services), m_errorLog(services), m_modules(platform::Modules::system())
{
}

SkinPlatform SystemSkinPlatform::platform()
{
    return {m_errorLog, *m_services.visualStyle, *m_services.messageBox, m_windowMessages, m_modules, m_popupMenu};
}

} // namespace pattaro
