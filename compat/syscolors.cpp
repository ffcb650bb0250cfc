#include "compat/syscolors.h"

#include <QGuiApplication>

namespace pattaro::platform {

namespace {

std::optional<SysColorTable>& currentTable()
{
    static std::optional<SysColorTable> table;
    return table;
}

} // namespace

SysColorTable SysColorTable::fromPalette(const QPalette& p)
{
    SysColorTable t;
    auto set = [&t](int index, QPalette::ColorGroup group, QPalette::ColorRole role, const QPalette& pal) {
        t.m_colors[index] = fromQColor(pal.color(group, role));
    };
    const auto A = QPalette::Active, I = QPalette::Inactive;
    set(ScrollBar, A, QPalette::Button, p);
    set(Background, A, QPalette::Dark, p);
    set(ActiveCaption, A, QPalette::Highlight, p);
    set(InactiveCaption, I, QPalette::Mid, p);
    set(Menu, A, QPalette::Window, p);
    set(Window, A, QPalette::Base, p);
    set(WindowFrame, A, QPalette::Shadow, p);
    set(MenuText, A, QPalette::WindowText, p);
    set(WindowText, A, QPalette::Text, p);
    set(CaptionText, A, QPalette::HighlightedText, p);
    set(ActiveBorder, A, QPalette::Button, p);
    set(InactiveBorder, I, QPalette::Button, p);
    set(AppWorkspace, A, QPalette::Mid, p);
    set(Highlight, A, QPalette::Highlight, p);
    set(HighlightText, A, QPalette::HighlightedText, p);
    set(BtnFace, A, QPalette::Button, p);
    set(BtnShadow, A, QPalette::Mid, p);
    set(GrayText, QPalette::Disabled, QPalette::Text, p);
    set(BtnText, A, QPalette::ButtonText, p);
    set(InactiveCaptionText, I, QPalette::WindowText, p);
    set(BtnHighlight, A, QPalette::Light, p);
    set(DarkShadow3D, A, QPalette::Shadow, p);
    set(Light3D, A, QPalette::Midlight, p);
    set(InfoText, A, QPalette::ToolTipText, p);
    set(InfoBk, A, QPalette::ToolTipBase, p);
    set(HotLight, A, QPalette::Link, p);
    set(GradientActiveCaption, A, QPalette::Highlight, p);
    set(GradientInactiveCaption, I, QPalette::Button, p);
    set(MenuHighlight, A, QPalette::Highlight, p);
    set(MenuBar, A, QPalette::Window, p);
    return t;
}

std::optional<OleColor> SysColorTable::color(int index) const
{
    if (index < 0 || index >= kCount)
        return std::nullopt;
    return m_colors[index];
}

void SysColorTable::setColor(int index, OleColor value)
{
    if (index >= 0 && index < kCount)
        m_colors[index] = value;
}

const SysColorTable& SysColorTable::current()
{
    auto& table = currentTable();
    if (!table)
        table = fromPalette(QGuiApplication::palette());
    return *table;
}

void SysColorTable::setCurrent(const SysColorTable& table)
{
    currentTable() = table;
}

OleColor GetSysColor(int index)
{
    return SysColorTable::current().color(index).value_or(0);
}

} // namespace pattaro::platform
