#include "frame/orukforms.h"

#include "compat/vbnumbers.h"
#include "frame/errortrap.h"
#include "frame/skinvalues.h"

namespace pattaro {

namespace {

using platform::PropertyValue;

constexpr std::int32_t kColorFromDefault = 0x00404080;
constexpr std::int32_t kColorToDefault = 0x00C0E0FF;
constexpr std::int16_t kIconSizeDefault = 16;

} // namespace

void orukForms::UserControl_InitProperties()
{
    TrapErrors(m_errorLog, "UserControl_InitProperties", [&] {
        m_state.TitleHeight = 30;
        m_state.ThemeColor = ThemeBlue;
        m_state.Style = TitleCylinder;
        m_state.BackColorStyle = BackColorButtonFace;
        m_state.BorderStyle = BorderSizable;
        m_state.MaxButton = true;
        m_state.MinButton = true;
        m_state.IconSize = kIconSizeDefault;
        m_state.CustomBackColor = TranslateOleColor(kButtonFace);
        m_state.ColorFrom = kColorFromDefault;
        m_state.ColorTo = kColorToDefault;
        m_state.Caption = m_host.Caption();
        m_state.CloseButton = true;
        m_state.ChangeAllBackgrounds = false;
        m_state.Moveable = m_host.Moveable();
        SetThemeColor();
        m_surface.BackColor(TranslateOleColor(kButtonFace));
        takeAmbientFont();
        m_host.BorderStyle(0);
        m_host.ShowInTaskbar(true);
        m_host.MaxButton(true);
        m_host.MinButton(true);
        // Aligned to the top it would follow the form's width; our hosts
        // re-fit the control to the client area on every resize instead.
        Move(0, 0, m_host.ScaleWidth(), m_host.ScaleHeight());
        BorderStyleSetup();
    });
}

void orukForms::UserControl_ReadProperties(const platform::PropertyBag& PropBag)
{
    TrapErrors(m_errorLog, "UserControl_ReadProperties", [&] {
        m_state.ThemeColor = PropBag.ReadProperty(QStringLiteral("ThemeColor"), ThemeAutomatic).toLong();
        m_state.ColorFrom = PropBag.ReadProperty(QStringLiteral("ColorFrom"), kColorFromDefault).toLong();
        m_state.ColorTo = PropBag.ReadProperty(QStringLiteral("ColorTo"), kColorToDefault).toLong();
        m_state.BackColorStyle = PropBag.ReadProperty(QStringLiteral("BackColorStyle"), BackColorButtonFace).toLong();
        m_state.BorderStyle = PropBag.ReadProperty(QStringLiteral("BorderStyle"), BorderSizable).toLong();
        m_state.CloseButton = PropBag.ReadProperty(QStringLiteral("CloseButton"), true).toBoolean();
        m_state.MaxButton = PropBag.ReadProperty(QStringLiteral("MaxButton"), true).toBoolean();
        m_state.MinButton = PropBag.ReadProperty(QStringLiteral("MinButton"), true).toBoolean();
        // Loaded against the translated button face, though saved against
        // the index: an index saved here comes back as the plain colour.
        m_state.CustomBackColor =
            PropBag.ReadProperty(QStringLiteral("CustomBackColor"), TranslateOleColor(kButtonFace)).toLong();
        m_state.Style = PropBag.ReadProperty(QStringLiteral("Style"), TitleCylinder).toLong();
        m_state.IconSize = PropBag.ReadProperty(QStringLiteral("IconSize"), kIconSizeDefault).toInteger();
        m_state.ChangeAllBackgrounds = PropBag.ReadProperty(QStringLiteral("ChangeAllBackgrounds"), false).toBoolean();

        m_state.Caption = m_host.Caption();
        m_state.ParentForm = &m_host;
        // Loading leaves the contents where the saved design put them: the
        // form is never resized to realign them.
        m_state.StyleExtraApplied = m_state.Style == TitleTwoBands;
        SetThemeColor();
        applyBackColorStyle();
        takeAmbientFont();
        TitleBarHeightSetup();
        Move(0, 0, m_host.Width(), m_host.Height());
        using platform::toInt32;
        m_state.RestoreRect = {toInt32(m_host.Left()), toInt32(m_host.Top()), toInt32(m_host.Width()),
                         toInt32(m_host.Height())};
        BorderStyleSetup();
        if (m_host.UserMode()) {
            startSubclassing();
            takeOverCloseRequests();
        }
    });
}

void orukForms::UserControl_WriteProperties(platform::PropertyBag& PropBag)
{
    TrapErrors(m_errorLog, "UserControl_WriteProperties", [&] {
        PropBag.WriteProperty(QStringLiteral("ThemeColor"), m_state.ThemeColor, ThemeAutomatic);
        PropBag.WriteProperty(QStringLiteral("ColorFrom"), m_state.ColorFrom, kColorFromDefault);
        PropBag.WriteProperty(QStringLiteral("ColorTo"), m_state.ColorTo, kColorToDefault);
        PropBag.WriteProperty(QStringLiteral("BackColorStyle"), m_state.BackColorStyle, BackColorButtonFace);
        PropBag.WriteProperty(QStringLiteral("BorderStyle"), m_state.BorderStyle, BorderSizable);
        PropBag.WriteProperty(QStringLiteral("CloseButton"), m_state.CloseButton, true);
        PropBag.WriteProperty(QStringLiteral("MaxButton"), m_state.MaxButton, true);
        PropBag.WriteProperty(QStringLiteral("MinButton"), m_state.MinButton, true);
        PropBag.WriteProperty(QStringLiteral("CustomBackColor"), m_state.CustomBackColor, kButtonFace);
        PropBag.WriteProperty(QStringLiteral("Style"), m_state.Style, TitleCylinder);
        PropBag.WriteProperty(QStringLiteral("IconSize"), m_state.IconSize, kIconSizeDefault);
        PropBag.WriteProperty(QStringLiteral("ChangeAllBackgrounds"), m_state.ChangeAllBackgrounds, false);
    });
}

void orukForms::applyBackColorStyle()
{
    switch (m_state.BackColorStyle) {
    case BackColorButtonFace:
        m_surface.BackColor(TranslateOleColor(kButtonFace));
        break;
    case BackColorTheme:
        m_surface.BackColor(TranslateOleColor(m_state.CurColorTo));
        break;
    case BackColorCustom:
        m_surface.BackColor(TranslateOleColor(m_state.CustomBackColor));
        break;
    default:
        break;
    }
}

void orukForms::takeAmbientFont()
{
    QFont bold = font();
    bold.setBold(true);
    m_surface.Font(bold);
}

} // namespace pattaro
