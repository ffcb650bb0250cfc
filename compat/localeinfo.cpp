#include "compat/localeinfo.h"

#include <QLocale>

namespace pattaro::platform {

int GetLocaleInfoA(std::uint32_t locale, std::uint32_t lctype, QString& buffer, int chars)
{
    if (locale != LOCALE_USER_DEFAULT || lctype != LOCALE_SENGLANGUAGE)
        return 0;
    const QString value = QLocale::languageToString(QLocale().language());
    const int written = int(value.size()) + 1;
    if (written > chars || buffer.size() < written)
        return 0;
    buffer.replace(0, value.size(), value);
    buffer[value.size()] = QChar(0);
    return written;
}

} // namespace pattaro::platform
