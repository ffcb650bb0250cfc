#include "frame/orukforms.h"

#include "compat/vberror.h"
#include "frame/errortrap.h"
#include "frame/skinvalues.h"

namespace pattaro {

orukForms::orukForms(SkinHost& host, const SkinPlatform& platform, QWidget* parent)
    : QWidget(parent)
    , m_host(host)
    , m_errorLog(platform.errorLog)
    , m_visualStyle(platform.visualStyle)
    , m_messageBox(platform.messageBox)
    , m_windowMessages(platform.windowMessages)
    , m_modules(platform.modules)
    , m_popupMenu(platform.popupMenu)
    , m_subclasser(platform.errorLog, platform.windowMessages, platform.modules,
                   [this](bool bBefore, bool& bHandled, std::int32_t& lReturn, platform::HWND& lng_hWnd,
                          std::int32_t& uMsg, std::int32_t& wParam, std::int32_t& lParam) {
                       zSubclass_Proc(bBefore, bHandled, lReturn, lng_hWnd, uMsg, wParam, lParam);
                   })
{
    // Mouse moves without a button reach the control: the caption buttons
    // light up under the pointer.
    setMouseTracking(true);
    // A window's frame never takes the keyboard: the control that has it
    // keeps it through clicks, drags and the system menu. Alt+F4 is heard
    // from the whole window all the same.
    setFocusPolicy(Qt::NoFocus);
}

orukForms::~orukForms()
{
    UserControl_Terminate();
}

platform::VisualStyle::WindowId orukForms::hWnd() const
{
    // The widget's identity is enough for the queries; asking Qt for a
    // native id would turn the control into a native child window.
    return reinterpret_cast<platform::VisualStyle::WindowId>(this);
}

void orukForms::ThemeColor(std::int32_t vData)
{
    if (vData == m_ThemeColor)
        return;
    m_ThemeColor = vData;
    SetThemeColor();
    Refresh();
    emit PropertyChanged(QStringLiteral("ThemeColor"));
}

void orukForms::Style(std::int32_t vData)
{
    TrapErrors(m_errorLog, "Let Style", [&] {
        if (vData == m_Style)
            return;
        m_Style = vData;
        Refresh();
        AdjustStyleHeight(true);
        emit PropertyChanged(QStringLiteral("Style"));
    });
}

void orukForms::BackColorStyle(std::int32_t vData)
{
    m_BackColorStyle = vData;
    Refresh();
    emit PropertyChanged(QStringLiteral("BackColorStyle"));
}

void orukForms::MaxButton(bool vData)
{
    m_MaxButton = vData;
    BorderStyleSetup();
    Refresh();
    emit PropertyChanged(QStringLiteral("MaxButton"));
}

void orukForms::MinButton(bool vData)
{
    m_MinButton = vData;
    BorderStyleSetup();
    Refresh();
    emit PropertyChanged(QStringLiteral("MinButton"));
}

void orukForms::CloseButton(bool vData)
{
    m_CloseButton = vData;
    BorderStyleSetup();
    emit PropertyChanged(QStringLiteral("CloseButton"));
    Refresh();
}

void orukForms::ChangeAllBackgrounds(bool vNewValue)
{
    m_ChangeAllBackgrounds = vNewValue;
    emit PropertyChanged(QStringLiteral("ChangeAllBackgrounds"));
    Refresh();
}

void orukForms::BorderStyle(std::int32_t vData)
{
    m_BorderStyle = vData;
    BorderStyleSetup();
    Refresh();
    emit PropertyChanged(QStringLiteral("BorderStyle"));
}

void orukForms::CustomBackColor(platform::OleColor vData)
{
    TrapErrors(m_errorLog, "Let CustomBackColor", [&] {
        // Kept as given: a system colour index stays an index until drawn.
        m_CustomBackColor = vData;
        if (m_BackColorStyle == BackColorCustom)
            Refresh();
        emit PropertyChanged(QStringLiteral("CustomBackColor"));
    });
}

namespace {

// The custom theme's colours are stored translated; a value that names no
// colour is refused rather than kept as a meaningless -1.
platform::OleColor translatedOrRefused(platform::OleColor value)
{
    const platform::OleColor plain = orukForms::TranslateOleColor(value);
    if (plain == orukForms::kNoColor)
        throw platform::VBError::invalidPropertyValue();
    return plain;
}

} // namespace

void orukForms::ColorFrom(platform::OleColor new_ColorFrom)
{
    m_ColorFrom = translatedOrRefused(new_ColorFrom);
    if (m_ThemeColor == ThemeCustom)
        m_CurColorFrom = m_ColorFrom;
    emit PropertyChanged(QStringLiteral("ColorFrom"));
    Refresh();
}

void orukForms::ColorTo(platform::OleColor new_ColorTo)
{
    m_ColorTo = translatedOrRefused(new_ColorTo);
    if (m_ThemeColor == ThemeCustom)
        m_CurColorTo = m_ColorTo;
    emit PropertyChanged(QStringLiteral("ColorTo"));
    Refresh();
}

void orukForms::IconSize(std::int16_t new_IconSize)
{
    if (new_IconSize == m_IconSize)
        return;
    m_IconSize = new_IconSize;
    TitleBarHeightSetup();
    AdjustStyleHeight(false);
    Refresh();
    emit PropertyChanged(QStringLiteral("IconSize"));
}

} // namespace pattaro
