#pragma once

#include <cstdint>

namespace pattaro {

// Values of the ThemeColor property. 0..4 are fixed colour pairs.
enum ThemeColorValue : std::int32_t {
    ThemeBlue = 0,
    ThemeSilver = 1,
    ThemeOliveGreen = 2,
    ThemeGreyGreen = 3,
    ThemeGold = 4,
    ThemeCustom = 5,    // ColorFrom / ColorTo
    ThemeAutomatic = 6, // follows the desktop's visual style
};

// Values of the Style property: the four title-bar looks.
enum TitleStyleValue : std::int32_t {
    TitleCylinder = 0,
    TitleTwoBands = 1, // 10 pixels taller, with grip dots
    TitleDarkBand = 2,
    TitleLinear = 3,
};

// A window's state. The frame keeps it as this; the host form's numbers
// for it (0 normal, 1 minimised, 2 maximised) stay at the host boundary.
// Maximised in the frame's state means maximised by the control over the
// work area, not by the system.
enum class WindowState : std::int16_t { Normal = 0, Minimized = 1, Maximized = 2 };

constexpr std::int32_t ToHostNumber(WindowState state)
{
    return std::int32_t(state);
}

// Values of the BorderStyle property.
enum BorderStyleValue : std::int32_t {
    BorderFixed = 0,
    BorderSizable = 1, // the grips resize the window
};

// Values of the BackColorStyle property.
enum BackColorStyleValue : std::int32_t {
    BackColorButtonFace = 0,
    BackColorTheme = 1, // the theme's light working colour
    BackColorCustom = 2,
};

} // namespace pattaro
