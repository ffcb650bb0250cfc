#include "frame/colormath.h"

#include "compat/oletranslate.h"
#include "compat/vbnumbers.h"

#include <array>

namespace pattaro {

Channels SplitColor(std::int32_t c)
{
    // Division truncating toward zero, not an arithmetic shift: the two split
    // a negative value differently, and the theme colours rely on this one.
    return {c & 255, (c / 256) & 255, (c / 65536) & 255};
}

std::optional<ThemePair> FixedThemePair(std::int32_t themeColor)
{
    static constexpr std::array<ThemePair, 5> kPairs{{
        {platform::rgb(19, 97, 156), platform::rgb(221, 236, 254)},  // blue
        {platform::rgb(95, 95, 111), platform::rgb(244, 244, 251)},  // silver
        {platform::rgb(63, 93, 56), platform::rgb(247, 249, 225)},   // olive green
        {platform::rgb(98, 107, 72), platform::rgb(248, 248, 242)},  // grey-green
        {platform::rgb(117, 91, 30), platform::rgb(255, 239, 165)},  // gold
    }};
    if (themeColor < 0 || themeColor >= int(kPairs.size()))
        return std::nullopt;
    return kPairs[std::size_t(themeColor)];
}

float BlendColors(std::int32_t a, std::int32_t b)
{
    const Channels x = SplitColor(a);
    const Channels y = SplitColor(b);
    const auto half = [](int p, int q) { return std::int32_t(platform::roundHalfEven((p + q) / 2.0)); };
    return float(ComposeColor(half(x.Red, y.Red), half(x.Green, y.Green), half(x.Blue, y.Blue)));
}

platform::OleColor PlainColor(platform::OleColor c)
{
    platform::OleColor plain = 0;
    return platform::OleTranslateColor(c, &plain) == platform::kS_OK ? plain : kNoColor;
}

} // namespace pattaro
