#pragma once

#include "compat/olecolor.h"
#include "compat/rect.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

class QWidget;

namespace pattaro {

// One control on the host form as the skin control sees it. Positions are
// twips relative to the control's container. A control that lacks a
// property throws VBError 438 when it is read or written.
class HostControl {
public:
    virtual ~HostControl() = default;
    virtual QString Name() const = 0;
    // Whether the control's container is a skin control.
    virtual bool InSkinControl() const = 0;
    virtual double Top() const = 0;
    virtual void Top(double twips) = 0;
    virtual platform::OleColor BackColor() const = 0;
    virtual void BackColor(platform::OleColor color) = 0;
    virtual bool IsCommandButton() const = 0;
    // 1 makes a command button graphical, so that its back colour shows.
    virtual void Style(std::int16_t style) = 0;
    // A control whose back colour is the user's data (a colour swatch):
    // the skin never paints it over.
    virtual bool KeepsBackColor() const = 0;
};

// The form the skin control sits on: what the control reads and changes of
// it. Sizes and positions are twips unless named otherwise; a failing change
// throws VBError.
class SkinHost {
public:
    virtual ~SkinHost() = default;

    virtual QString Caption() const = 0;
    virtual bool Moveable() const = 0;
    // The form's icon at about edge pixels square; null when it has none.
    virtual QImage Icon(int edge) const = 0;
    // False while the form is being designed.
    virtual bool UserMode() const = 0;

    // 0 removes the system frame.
    virtual void BorderStyle(std::int32_t style) = 0;
    virtual void ShowInTaskbar(bool show) = 0;
    virtual void MaxButton(bool shown) = 0;
    virtual void MinButton(bool shown) = 0;
    // 2 centres the form on the screen when it opens.
    virtual void StartUpPosition(std::int32_t position) = 0;

    // Inner (client) size.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    // Outer bounds.
    virtual double Left() const = 0;
    virtual double Top() const = 0;
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    virtual void Height(double twips) = 0;
    virtual void Width(double twips) = 0;
    virtual void Move(double left, double top, double width, double height) = 0;

    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;

    // Every control on the form, the skin control itself excepted.
    virtual std::vector<HostControl*> Controls() = 0;

    // The form's widget: the resize grips are added to it, and keys meant
    // for the whole window are heard there.
    virtual QWidget* FormWidget() = 0;
    // The system's state of the form: 0 normal, 1 minimised, 2 maximised.
    virtual std::int32_t WindowState() const = 0;
    virtual void WindowState(std::int32_t state) = 0;
    // Repaints the form now.
    virtual void Refresh() = 0;
    // Closes the form, as unloading does.
    virtual void Unload() = 0;
    // Keeps the form above other windows, or not; it stays where it is.
    virtual void TopMost(bool onTop) = 0;
    // The desktop's work area in pixels: left, top, right, bottom.
    virtual platform::RECT WorkArea() const = 0;
    // The title bar was pressed: the window follows the pointer until the
    // button is released.
    virtual void DragMove() = 0;
};

} // namespace pattaro
