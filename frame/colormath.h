#pragma once

#include "compat/olecolor.h"

#include <cstdint>
#include <optional>

namespace pattaro {

// A colour's channels as the skin's colour routines take them apart:
// red = c AND 255, green = (c \ 256) AND 255, blue = (c \ 65536) AND 255,
// the divisions truncating the signed value toward zero. Plain colours give
// the usual channels; only values with the high bit set differ from
// platform::redOf and friends.
struct Channels {
    int Red;
    int Green;
    int Blue;
};
Channels SplitColor(std::int32_t c);

// red + 256 × green + 65536 × blue, for channels 0..255.
constexpr std::int32_t ComposeColor(std::int32_t red, std::int32_t green, std::int32_t blue)
{
    return red + 256 * green + 65536 * blue;
}

// The dark and light working colours of a theme.
struct ThemePair {
    platform::OleColor From;
    platform::OleColor To;
};

// The fixed pairs of ThemeColor 0 to 4; nothing for any other value.
std::optional<ThemePair> FixedThemePair(std::int32_t themeColor);

// Each channel half-way between a and b, rounded half to even; the result
// as a single, always an exact integer.
float BlendColors(std::int32_t a, std::int32_t b);

// What TranslateOleColor answers for a value that is no colour.
inline constexpr platform::OleColor kNoColor = 0xFFFFFFFFu;

// The plain colour a value stands for, a system colour index looked up;
// kNoColor for a value that is no colour.
platform::OleColor PlainColor(platform::OleColor c);

// A blend as a colour value; blends are always whole numbers.
inline platform::OleColor AsColor(float blended)
{
    return platform::OleColor(std::int32_t(blended));
}

} // namespace pattaro
