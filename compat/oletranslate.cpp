#include "compat/oletranslate.h"

#include "compat/syscolors.h"

namespace pattaro::platform {

std::int32_t OleTranslateColor(OleColor color, OleColor* translated)
{
    if (isSystemColor(color)) {
        // Only the low byte holds the index; other bits set mean a bad value.
        if ((color & 0x7FFFFF00u) != 0)
            return kE_INVALIDARG;
        const auto plain = SysColorTable::current().color(int(color & 0xFFu));
        if (!plain)
            return kE_INVALIDARG;
        if (translated)
            *translated = *plain;
        return kS_OK;
    }
    if ((color & 0xFF000000u) != 0)
        return kE_INVALIDARG;
    if (translated)
        *translated = color;
    return kS_OK;
}

} // namespace pattaro::platform
