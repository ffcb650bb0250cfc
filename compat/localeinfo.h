#pragma once

#include <QString>
#include <cstdint>

namespace pattaro::platform {

inline constexpr std::uint32_t LOCALE_USER_DEFAULT = 0x0400;
inline constexpr std::uint32_t LOCALE_SENGLANGUAGE = 0x1001;

// Fills `buffer` (treated as a fixed buffer of `chars` characters) with the
// requested locale value and a terminating NUL; returns the characters
// written, NUL included, or 0 for an unknown query, an unknown locale or a
// buffer too small. The user's locale is the application's default QLocale,
// which is the system's unless the program sets another.
int GetLocaleInfoA(std::uint32_t locale, std::uint32_t lctype, QString& buffer, int chars);

} // namespace pattaro::platform
