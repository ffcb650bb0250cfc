#include "ui/form1.h"

#include "ui/appearancenames.h"
#include "core/settings/preferences.h"
#include "frame/orukforms.h"

namespace pattaro {

namespace {

const QString kAppearanceMenu = QStringLiteral("外观");

} // namespace

void Form1::setUpAppearance()
{
    const std::int16_t menu = m_orukForms1->FormMenuAdd(kAppearanceMenu);
    for (std::size_t theme = 0; theme < kThemeNames.size(); ++theme)
        m_themeItems.push_back(m_orukForms1->FormMenuAdd(kThemeNames[theme], false, true, false, true, menu));
    for (std::size_t look = 0; look < kLookNames.size(); ++look)
        m_lookItems.push_back(m_orukForms1->FormMenuAdd(kLookNames[look], look == 0, true, false, true, menu));
    connect(m_orukForms1, &orukForms::MenuItemSelected, this, [this](std::int16_t& chosen, QString&) {
        for (std::size_t theme = 0; theme < m_themeItems.size(); ++theme)
            if (chosen == m_themeItems[theme]) {
                applyTheme(int(theme));
                m_preferences->Theme(int(theme));
            }
        for (std::size_t look = 0; look < m_lookItems.size(); ++look)
            if (chosen == m_lookItems[look]) {
                applyLook(int(look));
                m_preferences->Look(int(look));
            }
    });
    if (const auto theme = m_preferences->Theme())
        applyTheme(*theme);
    if (const auto look = m_preferences->Look())
        applyLook(*look);
    checkAppearanceItems();
}

void Form1::applyTheme(int theme)
{
    m_orukForms1->ThemeColor(theme);
    checkAppearanceItems();
}

void Form1::applyLook(int look)
{
    // The two-band look makes the window taller by its band, the others give
    // that back; the size is fixed again at once.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_orukForms1->Style(look);
    setFixedSize(size());
    checkAppearanceItems();
}

void Form1::checkAppearanceItems()
{
    for (std::size_t theme = 0; theme < m_themeItems.size(); ++theme)
        m_orukForms1->ModifyAddedMenu(m_themeItems[theme], QString(), true,
                                      m_orukForms1->ThemeColor() == std::int32_t(theme));
    for (std::size_t look = 0; look < m_lookItems.size(); ++look)
        m_orukForms1->ModifyAddedMenu(m_lookItems[look], QString(), true, m_orukForms1->Style() == std::int32_t(look));
}

} // namespace pattaro
