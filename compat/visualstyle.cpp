#include "compat/visualstyle.h"

namespace pattaro::platform {

std::int32_t SystemVisualStyle::GetCurrentThemeName(QString&, int, QString&, int)
{
    return kE_HANDLE;
}

std::int32_t SystemVisualStyle::CloseThemeData(Handle theme)
{
    return theme == 0 ? kE_HANDLE : 0;
}

} // namespace pattaro::platform
