#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

namespace pattaro::fuzz {

// Splits fuzzer bytes into texts at each zero byte, so that seed files stay
// readable. Each text is UTF-8, except that the byte 0xFF (never part of
// UTF-8) followed by two bytes gives one raw UTF-16 unit, little end first:
// the only way to reach lone surrogates and NUL, which texts pasted into the
// window can hold.
QStringList splitTexts(const std::uint8_t* data, std::size_t size);

} // namespace pattaro::fuzz
