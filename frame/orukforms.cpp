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
    , m_draw(platform.errorLog)
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
    if (vData == m_state.ThemeColor)
        return;
    m_state.ThemeColor = vData;
    SetThemeColor();
    Refresh();
    emit PropertyChanged(QStringLiteral("ThemeColor"));
}

void orukForms::Style(std::int32_t vData)
{
    TrapErrors(m_errorLog, "Let Style", [&] {
        if (vData == m_state.Style)
            return;
        m_state.Style = vData;
        Refresh();
        AdjustStyleHeight(true);
        emit PropertyChanged(QStringLiteral("Style"));
    });
}

void orukForms::BackColorStyle(std::int32_t vData)
{
    m_state.BackColorStyle = vData;
    Refresh();
    emit PropertyChanged(QStringLiteral("BackColorStyle"));
}

void orukForms::MaxButton(bool vData)
{
    m_state.MaxButton = vData;
    BorderStyleSetup();
    Refresh();
    emit PropertyChanged(QStringLiteral("MaxButton"));
}

void orukForms::MinButton(bool vData)
{
    m_state.MinButton = vData;
    BorderStyleSetup();
    Refresh();
    emit PropertyChanged(QStringLiteral("MinButton"));
}

void orukForms::CloseButton(bool vData)
{
    m_state.CloseButton = vData;
    BorderStyleSetup();
    emit PropertyChanged(QStringLiteral("CloseButton"));
    Refresh();
}

void orukForms::ChangeAllBackgrounds(bool vNewValue)
{
    m_state.ChangeAllBackgrounds = vNewValue;
    emit PropertyChanged(QStringLiteral("ChangeAllBackgrounds"));
    Refresh();
}

void orukForms::BorderStyle(std::int32_t vData)
{
    m_state.BorderStyle = vData;
    BorderStyleSetup();
    Refresh();
    emit PropertyChanged(QStringLiteral("BorderStyle"));
}

void orukForms::CustomBackColor(platform::OleColor vData)
{
    TrapErrors(m_errorLog, "Let CustomBackColor", [&] {
        // Kept as given: a system colour index stays an index until drawn.
        m_state.CustomBackColor = vData;
        if (m_state.BackColorStyle == BackColorCustom)
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
    m_state.ColorFrom = translatedOrRefused(new_ColorFrom);
    if (m_state.ThemeColor == ThemeCustom)
        m_state.CurColorFrom = m_state.ColorFrom;
    emit PropertyChanged(QStringLiteral("ColorFrom"));
    Refresh();
}

void orukForms::ColorTo(platform::OleColor new_ColorTo)
{
    m_state.ColorTo = translatedOrRefused(new_ColorTo);
    if (m_state.ThemeColor == ThemeCustom)
        m_state.CurColorTo = m_state.ColorTo;
    emit PropertyChanged(QStringLiteral("ColorTo"));
    Refresh();
}

void orukForms::IconSize(std::int16_t new_IconSize)
{
    if (new_IconSize == m_state.IconSize)
        return;
    m_state.IconSize = new_IconSize;
    TitleBarHeightSetup();
    AdjustStyleHeight(false);
    Refresh();
    emit PropertyChanged(QStringLiteral("IconSize"));
}

void orukForms::APILineEx(platform::DrawingSurface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                          std::int32_t y2, platform::OleColor color)
{
    m_draw.Line(surface, x1, y1, x2, y2, color);
}

void orukForms::ApiRectangle(platform::DrawingSurface& surface, std::int32_t x, std::int32_t y, std::int32_t w,
                             std::int32_t h, platform::OleColor color)
{
    m_draw.Rectangle(surface, x, y, w, h, color);
}

void orukForms::DrawGradientEx(platform::DrawingSurface& surface, platform::OleColor c0, platform::OleColor c1,
                               std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, bool vertical)
{
    m_draw.Gradient(surface, c0, c1, x1, y1, x2, y2, vertical);
}

void orukForms::DrawGradientInRectangle(platform::DrawingSurface& surface, platform::OleColor colorA,
                                        platform::OleColor colorB, const platform::RECT& box, std::int32_t style,
                                        bool border, platform::OleColor borderColor, double factor)
{
    m_draw.GradientInRectangle(surface, colorA, colorB, box, style, border, borderColor, factor);
}

void orukForms::DrawGradCilinder(platform::DrawingSurface& surface, platform::OleColor c1, platform::OleColor c2,
                                 const platform::RECT& box, bool vertical, double factor)
{
    m_draw.Cylinder(surface, c1, c2, box, vertical, factor);
}

} // namespace pattaro
