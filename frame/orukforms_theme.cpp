#include "frame/orukforms.h"

#include "frame/colormath.h"
#include "frame/errortrap.h"
#include "frame/skinvalues.h"

namespace pattaro {

void orukForms::SetThemeColor()
{
    TrapErrors(m_errorLog, "SetThemeColor", [&] {
        if (m_state.ThemeColor == ThemeAutomatic)
            GetGradientColor(hWnd());
        else
            SetDefaultThemeColor(m_state.ThemeColor);
    });
}

void orukForms::SetDefaultThemeColor(std::int32_t n)
{
    TrapErrors(m_errorLog, "SetDefaultThemeColor", [&] {
        if (n == ThemeCustom) {
            m_state.CurColorFrom = m_state.ColorFrom;
            m_state.CurColorTo = m_state.ColorTo;
        } else {
            storeThemePair(n);
        }
    });
}

void orukForms::GetGradientColor(platform::VisualStyle::WindowId hwnd)
{
    TrapErrors(m_errorLog, "GetGradientColor", [&] {
        ReadColorScheme(hwnd);
        if (!AppThemed()) {
            storeThemePair(ThemeBlue);
            return;
        }
        if (m_state.ColorScheme == QLatin1String("NormalColor"))
            storeThemePair(ThemeBlue);
        else if (m_state.ColorScheme == QLatin1String("Metallic"))
            storeThemePair(ThemeSilver);
        else if (m_state.ColorScheme == QLatin1String("HomeStead"))
            storeThemePair(ThemeOliveGreen);
    });
}

void orukForms::storeThemePair(std::int32_t themeColor)
{
    if (const auto pair = FixedThemePair(themeColor)) {
        m_state.CurColorFrom = pair->From;
        m_state.CurColorTo = pair->To;
    }
}

bool orukForms::AppThemed()
{
    try {
        return m_visualStyle.IsAppThemed() != 0;
    } catch (const platform::VBError&) {
        return false; // no visual-style library: the classic look
    }
}

void orukForms::ReadColorScheme(platform::VisualStyle::WindowId hwnd)
{
    const auto attempt = [](auto&& step) { SkipOnFailure(step); };
    platform::VisualStyle::Handle theme = 0;
    attempt([&] { theme = m_visualStyle.OpenThemeData(hwnd, QStringLiteral("ExplorerBar")); });
    if (theme == 0) {
        m_state.ColorScheme = QStringLiteral("Classic");
        return;
    }
    constexpr int kBufferChars = 260;
    QString themeFile(kBufferChars, QChar(0));
    QString colorName(kBufferChars, QChar(0));
    attempt([&] { m_visualStyle.GetCurrentThemeName(themeFile, kBufferChars, colorName, kBufferChars); });
    // Cut at the first NUL, unless the very first character is one: then the
    // buffer stays as it is and matches no scheme name. The theme file's
    // name is not needed.
    const qsizetype nul = colorName.indexOf(QChar(0));
    if (nul > 0)
        colorName.truncate(nul);
    m_state.ColorScheme = colorName;
    attempt([&] { m_visualStyle.CloseThemeData(theme); });
}

platform::OleColor orukForms::TranslateOleColor(platform::OleColor c)
{
    return PlainColor(c);
}

float orukForms::BlendColor(platform::OleColor a, platform::OleColor b)
{
    return BlendColors(std::int32_t(a), std::int32_t(b));
}

} // namespace pattaro
