#pragma once

#include "compat/olecolor.h"

#include <QPalette>
#include <array>
#include <optional>

namespace pattaro::platform {

// The desktop's named colours, indexed like the classic system colour table
// (0 scroll bar … 15 button face … 30 menu bar). Filled from a Qt palette, so
// the program follows the desktop theme the way it would on its home platform.
class SysColorTable {
public:
    static constexpr int kCount = 31;
    enum Index {
        ScrollBar = 0, Background = 1, ActiveCaption = 2, InactiveCaption = 3, Menu = 4,
        Window = 5, WindowFrame = 6, MenuText = 7, WindowText = 8, CaptionText = 9,
        ActiveBorder = 10, InactiveBorder = 11, AppWorkspace = 12, Highlight = 13,
        HighlightText = 14, BtnFace = 15, BtnShadow = 16, GrayText = 17, BtnText = 18,
        InactiveCaptionText = 19, BtnHighlight = 20, DarkShadow3D = 21, Light3D = 22,
        InfoText = 23, InfoBk = 24, HotLight = 26, GradientActiveCaption = 27,
        GradientInactiveCaption = 28, MenuHighlight = 29, MenuBar = 30,
    };

    static SysColorTable fromPalette(const QPalette& palette);

    // Plain colour for index n, or nothing when n is not a known index.
    std::optional<OleColor> color(int index) const;
    void setColor(int index, OleColor value);

    // The table the running program uses: taken from the application palette
    // on first use; tests may replace it.
    static const SysColorTable& current();
    static void setCurrent(const SysColorTable& table);

private:
    std::array<std::optional<OleColor>, kCount> m_colors{};
};

// GetSysColor: the plain colour of system colour n; 0 (black) for an
// unknown index, so a stray index draws black rather than failing.
OleColor GetSysColor(int index);

} // namespace pattaro::platform
