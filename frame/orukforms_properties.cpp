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
        m_TitleHeight = 30;
        m_ThemeColor = ThemeBlue;
        m_Style = TitleCylinder;
        m_BackColorStyle = BackColorButtonFace;
        m_BorderStyle = 1;
        m_MaxButton = true;
        m_MinButton = true;
        m_IconSize = kIconSizeDefault;
        m_CustomBackColor = TranslateOleColor(kButtonFace);
        m_ColorFrom = kColorFromDefault;
        m_ColorTo = kColorToDefault;
        m_Caption = m_host.Caption();
        m_CloseButton = true;
        m_ChangeAllBackgrounds = false;
        m_Moveable = m_host.Moveable();
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
        m_ThemeColor = PropBag.ReadProperty(QStringLiteral("ThemeColor"), ThemeAutomatic).toLong();
        m_ColorFrom = PropBag.ReadProperty(QStringLiteral("ColorFrom"), kColorFromDefault).toLong();
        m_ColorTo = PropBag.ReadProperty(QStringLiteral("ColorTo"), kColorToDefault).toLong();
        m_BackColorStyle = PropBag.ReadProperty(QStringLiteral("BackColorStyle"), BackColorButtonFace).toLong();
        m_BorderStyle = PropBag.ReadProperty(QStringLiteral("BorderStyle"), 1).toLong();
        m_CloseButton = PropBag.ReadProperty(QStringLiteral("CloseButton"), true).toBoolean();
        m_MaxButton = PropBag.ReadProperty(QStringLiteral("MaxButton"), true).toBoolean();
        m_MinButton = PropBag.ReadProperty(QStringLiteral("MinButton"), true).toBoolean();
        // Loaded against the translated button face, though saved against
        // the index: an index saved here comes back as the plain colour.
        m_CustomBackColor =
            PropBag.ReadProperty(QStringLiteral("CustomBackColor"), TranslateOleColor(kButtonFace)).toLong();
        m_Style = PropBag.ReadProperty(QStringLiteral("Style"), TitleCylinder).toLong();
        m_IconSize = PropBag.ReadProperty(QStringLiteral("IconSize"), kIconSizeDefault).toInteger();
        m_ChangeAllBackgrounds = PropBag.ReadProperty(QStringLiteral("ChangeAllBackgrounds"), false).toBoolean();

        m_Caption = m_host.Caption();
        m_ParentForm = &m_host;
        // Loading leaves the contents where the saved design put them: the
        // form is never resized to realign them.
        m_StyleExtraApplied = m_Style == TitleTwoBands;
        SetThemeColor();
        applyBackColorStyle();
        takeAmbientFont();
        TitleBarHeightSetup();
        Move(0, 0, m_host.Width(), m_host.Height());
        using platform::toInt32;
        m_RestoreRect = {toInt32(m_host.Left()), toInt32(m_host.Top()), toInt32(m_host.Width()),
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
        PropBag.WriteProperty(QStringLiteral("ThemeColor"), m_ThemeColor, ThemeAutomatic);
        PropBag.WriteProperty(QStringLiteral("ColorFrom"), m_ColorFrom, kColorFromDefault);
        PropBag.WriteProperty(QStringLiteral("ColorTo"), m_ColorTo, kColorToDefault);
        PropBag.WriteProperty(QStringLiteral("BackColorStyle"), m_BackColorStyle, BackColorButtonFace);
        PropBag.WriteProperty(QStringLiteral("BorderStyle"), m_BorderStyle, 1);
        PropBag.WriteProperty(QStringLiteral("CloseButton"), m_CloseButton, true);
        PropBag.WriteProperty(QStringLiteral("MaxButton"), m_MaxButton, true);
        PropBag.WriteProperty(QStringLiteral("MinButton"), m_MinButton, true);
        PropBag.WriteProperty(QStringLiteral("CustomBackColor"), m_CustomBackColor, kButtonFace);
        PropBag.WriteProperty(QStringLiteral("Style"), m_Style, TitleCylinder);
        PropBag.WriteProperty(QStringLiteral("IconSize"), m_IconSize, kIconSizeDefault);
        PropBag.WriteProperty(QStringLiteral("ChangeAllBackgrounds"), m_ChangeAllBackgrounds, false);
    });
}

void orukForms::applyBackColorStyle()
{
    switch (m_BackColorStyle) {
    case BackColorButtonFace:
        m_surface.BackColor(TranslateOleColor(kButtonFace));
        break;
    case BackColorTheme:
        m_surface.BackColor(TranslateOleColor(m_CurColorTo));
        break;
    case BackColorCustom:
        m_surface.BackColor(TranslateOleColor(m_CustomBackColor));
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
