#pragma once

#include "frame/skinhost.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace pattaro {

namespace platform {
class WindowDrag;
}

// A real top-level widget as the skin control's form. Twips are logical
// pixels times the twips-per-pixel factor; controls are the form's named
// child widgets.
class QtFormHost : public SkinHost {
public:
    static constexpr double kTwipsPerPixel = 15;

    explicit QtFormHost(QWidget* form);
    ~QtFormHost() override;

    // The form's Moveable property: whether dragging the title bar moves it.
    void SetMoveable(bool moveable) { m_moveable = moveable; }

    QString Caption() const override;
    bool Moveable() const override { return m_moveable; }
    QImage Icon(int edge) const override;
    bool UserMode() const override { return true; }

    void BorderStyle(std::int32_t style) override;
    void ShowInTaskbar(bool show) override;
    void MaxButton(bool shown) override;
    void MinButton(bool shown) override;
    void StartUpPosition(std::int32_t position) override;

    double ScaleWidth() const override;
    double ScaleHeight() const override;
    double Left() const override;
    double Top() const override;
    double Width() const override;
    double Height() const override;
    void Height(double twips) override;
    void Width(double twips) override;
    void Move(double left, double top, double width, double height) override;

    double TwipsPerPixelX() const override { return kTwipsPerPixel; }
    double TwipsPerPixelY() const override { return kTwipsPerPixel; }

    std::vector<HostControl*> Controls() override;

    QWidget* FormWidget() override { return form(); }
    std::int32_t WindowState() const override;
    void WindowState(std::int32_t state) override;
    void Refresh() override;
    void Unload() override;
    void TopMost(bool onTop) override;
    platform::RECT WorkArea() const override;
    void DragMove() override;

private:
    QWidget* form() const;
    void setFlag(Qt::WindowType flag, bool on);
    // Client size for an outer size, in pixels.
    QSize clientFor(double widthTwips, double heightTwips) const;

    QPointer<QWidget> m_form;
    bool m_moveable = true;
    std::vector<std::unique_ptr<HostControl>> m_controls;
    std::unique_ptr<platform::WindowDrag> m_drag;
};

} // namespace pattaro
