#pragma once

#include "compat/drawingsurface.h"
#include "compat/olecolor.h"
#include "compat/propertybag.h"
#include "compat/rect.h"
#include "compat/visualstyle.h"
#include "frame/colormath.h"
#include "frame/frameinput.h"
#include "frame/framelayout.h"
#include "frame/framepainter.h"
#include "frame/frameprimitives.h"
#include "frame/framestate.h"
#include "frame/skinhost.h"
#include "frame/skinplatform.h"
#include "frame/subclasser.h"

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace pattaro {

// The window skin control: draws the frame of the form it covers (title
// bar, caption buttons, border) on its own persistent surface and keeps its
// settings as design properties saved with the form. Its state, the title
// bar's layout, the painter and the input handling each live apart; the
// control ties them to the widget, the host form and the platform. Its
// routines fail in one way: each traps what goes wrong inside it and reports
// it through the error log (TrapErrors, errortrap.h), or skips the step
// (SkipOnFailure).
class orukForms : public QWidget {
    Q_OBJECT

public:
    // TranslateOleColor's answer for a value that is no colour.
    static constexpr platform::OleColor kNoColor = pattaro::kNoColor;
    // The system colour index of the button face.
    static constexpr platform::OleColor kButtonFace = 0x8000000Fu;

    // The host form and the platform's pieces must outlive the control.
    orukForms(SkinHost& host, const SkinPlatform& platform, QWidget* parent = nullptr);
    ~orukForms() override;

    const FrameState& State() const { return m_state; }
    platform::DrawingSurface& Surface() { return m_surface; }
    // Identifies the control's window to the system queries.
    platform::VisualStyle::WindowId hWnd() const;

    // Design properties: X() reads, X(value) sets. Setters announce the
    // property through PropertyChanged.
    std::int32_t ThemeColor() const { return m_state.ThemeColor; }
    void ThemeColor(std::int32_t vData);
    std::int32_t Style() const { return m_state.Style; }
    void Style(std::int32_t vData);
    std::int32_t BackColorStyle() const { return m_state.BackColorStyle; }
    void BackColorStyle(std::int32_t vData);
    bool MaxButton() const { return m_state.MaxButton; }
    void MaxButton(bool vData);
    bool MinButton() const { return m_state.MinButton; }
    void MinButton(bool vData);
    bool CloseButton() const { return m_state.CloseButton; }
    void CloseButton(bool vData);
    bool ChangeAllBackgrounds() const { return m_state.ChangeAllBackgrounds; }
    void ChangeAllBackgrounds(bool vNewValue);
    std::int32_t BorderStyle() const { return m_state.BorderStyle; }
    void BorderStyle(std::int32_t vData);
    platform::OleColor CustomBackColor() const { return m_state.CustomBackColor; }
    void CustomBackColor(platform::OleColor vData);
    platform::OleColor ColorFrom() const { return m_state.ColorFrom; }
    void ColorFrom(platform::OleColor new_ColorFrom);
    platform::OleColor ColorTo() const { return m_state.ColorTo; }
    void ColorTo(platform::OleColor new_ColorTo);
    std::int16_t IconSize() const { return m_state.IconSize; }
    void IconSize(std::int16_t new_IconSize);

    // The host's notifications: a new control placed on a form, a saved
    // form loaded, the form saved.
    void UserControl_InitProperties();
    void UserControl_ReadProperties(const platform::PropertyBag& PropBag);
    void UserControl_WriteProperties(platform::PropertyBag& PropBag);

    void Refresh();

    // The host's resize and termination notifications. The widget runs the
    // resize handler itself whenever its size changes.
    void UserControl_Resize();
    void UserControl_Terminate();
    // Places the control on its form, in twips.
    void Move(double left, double top, double width, double height);

    // Attachment and layout steps; the control runs them itself, they are
    // public so that each can be driven on its own.
    void BorderStyleSetup();
    void TitleBarHeightSetup();
    QString GetInfo(std::uint32_t lctype);
    void ApplyBackColorToControls(platform::OleColor c);
    void AdjustStyleHeight(bool styleChanged);
    std::int16_t ContentTopOffset(std::int16_t target);

    // Title bar.
    void DrawTitleBarInitial();
    void DrawTitleBar();
    QString TrimWord(const QString& text, std::int32_t maxWidth);
    void PaintShpInBar(platform::OleColor shadowColour, platform::OleColor dotColour, std::int32_t barHeight);

    // Caption buttons (0 close, 1 maximise/restore, 2 minimise, -1 all).
    void CaptionBtnSetup();
    void DrawCaptionBtns(bool highlight, platform::OleColor glyphColour, std::int16_t index);
    void PaintCaptionBtns(std::int16_t& index);
    std::int16_t HitTestCaptionBtn(std::int16_t x, std::int16_t y) const;

    // The control's mouse pointer: 0 arrow, 7/8/9 sizing arrows, 99 hand.
    std::int16_t MousePointer() const { return m_mousePointer; }
    void MousePointer(std::int16_t code);

    // Mouse and keyboard, as the widget's events deliver them.
    void UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void UserControl_DblClick();
    void UserControl_Click();
    void UserControl_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void m_picRight_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void m_picRight_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void m_picRight_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void m_picBottom_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void m_picBottom_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void m_picBottom_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);

    // Window state: maximised by the control over the work area, or normal.
    void orukWindowState();
    void FitToWorkArea();
    void TB_GetDesktopWorkArea(std::int32_t& left, std::int32_t& top, std::int32_t& width, std::int32_t& height);

    // System menu.
    void MnuSyst_Click(std::int16_t Index);
    // Returns the new item's id, which MenuItemSelected reports and
    // ModifyAddedMenu takes; -1 when the item could not be added. With a
    // parent, an item added earlier, the item (and its separator) goes into
    // the parent's submenu.
    std::int16_t FormMenuAdd(const QString& strMenuCaption, bool blnAddSeparator = false, bool blnEnabled = true,
                             bool blnChecked = false, bool blnVisible = true, std::int16_t intParentID = -1);
    void ModifyAddedMenu(std::int16_t intMenuID, const QString& strMenuCaption = QString(), bool blnEnabled = true,
                         bool blnChecked = false, bool blnVisible = true);
    void FormMenuRemove(std::int16_t intMenuID);
    // The caption (0, text), enabled (1), checked (2) or visible (3) flag of
    // an item; empty for any other property or a failure.
    QVariant GetMenuItemValue(int iMenuID, std::int32_t PropertyID);

    // The messages of the control's window and of its form.
    void zSubclass_Proc(bool bBefore, bool& bHandled, std::int32_t& lReturn, platform::HWND& lng_hWnd,
                        std::int32_t& uMsg, std::int32_t& wParam, std::int32_t& lParam);
    const Subclasser& Subclassing() const { return m_subclasser; }

    // Theme colours.
    void SetThemeColor();
    void SetDefaultThemeColor(std::int32_t n);
    void GetGradientColor(platform::VisualStyle::WindowId hwnd);
    bool AppThemed();
    void ReadColorScheme(platform::VisualStyle::WindowId hwnd);
    static platform::OleColor TranslateOleColor(platform::OleColor c);
    static float BlendColor(platform::OleColor a, platform::OleColor b);

    // Drawing primitives. Boxes are left, top, width, height.
    void APILineEx(platform::DrawingSurface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                   std::int32_t y2, platform::OleColor color);
    void ApiRectangle(platform::DrawingSurface& surface, std::int32_t x, std::int32_t y, std::int32_t w,
                      std::int32_t h, platform::OleColor color);
    void DrawGradientEx(platform::DrawingSurface& surface, platform::OleColor c0, platform::OleColor c1,
                        std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, bool vertical);
    void DrawGradientInRectangle(platform::DrawingSurface& surface, platform::OleColor colorA,
                                 platform::OleColor colorB, const platform::RECT& box, std::int32_t style,
                                 bool border, platform::OleColor borderColor, double factor);
    void DrawGradCilinder(platform::DrawingSurface& surface, platform::OleColor c1, platform::OleColor c2,
                          const platform::RECT& box, bool vertical, double factor);

signals:
    void Click();
    void DblClick();
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& x, float& y);
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& x, float& y);
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& x, float& y);
    void BtnCloseClick();
    void ReSize();
    void MenuItemSelected(std::int16_t& MenuItem, QString& MenuCaption);
    // A design property changed, so that a designer marks the form modified.
    void PropertyChanged(const QString& PropertyName);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void storeThemePair(std::int32_t themeColor);
    void applyBackColorStyle();
    void takeAmbientFont();
    platform::OleColor resizeBackColor() const;
    // The surface always has the widget's size, shown or not.
    void fitSurface();
    FramePainter painter();
    TitleBarInput titleBarInput() const;
    void applyLayout(const TitleBarLayout& layout);
    void minimize();
    void moveContents(double twips);
    void shiftFormHeight(std::int32_t pixels);
    void startSubclassing();
    void takeOverCloseRequests();
    void ExitConfirmation();
    void clearCaptionTip();
    bool onOwnSurface(const QMouseEvent& event) const;
    void showSystemMenu(QPoint at);
    void createGrips();
    // Creation places the right grip over the whole height less 10 pixels,
    // every later resize below the title bar.
    void placeGrips(bool belowTitle);
    void recordRestoreRect();
    GripBox& grip(const QPointer<GripBox>& which) const;
    void gripMouseMove(const char* handler, const QPointer<GripBox>& which, std::int16_t Button, std::int16_t Shift,
                       float X, float Y);

    SkinHost& m_host;
    FrameState m_state;
    FrameInput m_input{m_state};

    ErrorLog& m_errorLog;
    platform::VisualStyle& m_visualStyle;
    platform::MessageBoxService& m_messageBox;
    platform::QtWindowMessages& m_windowMessages;
    platform::Modules& m_modules;
    platform::PopupMenuService& m_popupMenu;
    FramePrimitives m_draw;
    Subclasser m_subclasser;
    // Set once the form is being closed on purpose, so it is not asked twice.
    bool m_unloading = false;
    // A button went down on the control's own surface and is still held.
    bool m_mouseHeldOnSurface = false;
    // Where the last move over the surface was; none yet at first.
    std::optional<QPoint> m_lastMoveAt;
    platform::DrawingSurface m_surface;
    std::int16_t m_mousePointer = 0;
    // Where the icon sits in the title and what lies behind it, so that a
    // screen with more device pixels can show the icon's larger image.
    QRect m_iconRect;
    QImage m_iconBackdrop;
};

} // namespace pattaro
