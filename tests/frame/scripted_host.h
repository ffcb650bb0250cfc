#pragma once

#include "compat/vberror.h"
#include "frame/skinhost.h"

#include <QWidget>
#include <algorithm>
#include <memory>
#include <vector>

namespace pattaro::testing {

// A control on the scripted form. A control without a back colour throws
// on reading or writing it, as one without the property does.
class ScriptedControl : public HostControl {
public:
    QString name;
    bool inSkin = true;
    double top = 0;
    std::optional<platform::OleColor> backColor = 0x00FFFFFF;
    bool commandButton = false;
    std::int16_t style = 0;
    bool keepsBackColor = false;

    QString Name() const override { return name; }
    bool InSkinControl() const override { return inSkin; }
    double Top() const override { return top; }
    void Top(double twips) override { top = twips; }
    platform::OleColor BackColor() const override
    {
        if (!backColor)
            throw platform::VBError::noSuchProperty();
        return *backColor;
    }
    void BackColor(platform::OleColor color) override
    {
        if (!backColor)
            throw platform::VBError::noSuchProperty();
        backColor = color;
    }
    bool IsCommandButton() const override { return commandButton; }
    void Style(std::int16_t s) override
    {
        if (!commandButton)
            throw platform::VBError::noSuchProperty();
        style = s;
    }
    bool KeepsBackColor() const override { return keepsBackColor; }
};

// A form without a window: 15 twips to the pixel, every change recorded.
class ScriptedHost : public SkinHost {
public:
    QString caption = QStringLiteral("Pattaro");
    bool moveable = true;
    QImage icon; // null: no icon
    bool userMode = true;
    std::int32_t borderStyle = 2;
    double left = 1500, top = 1200, width = 9300, height = 7410;
    // Heights below this are refused, as a real form refuses them.
    double minHeight = 0;
    std::vector<std::unique_ptr<ScriptedControl>> controls;
    // The form's widget, where the grips go; never shown.
    QWidget formWidget;
    std::int32_t windowState = 0;
    bool onTop = false;
    bool unloaded = false;
    int drags = 0;
    platform::RECT workArea{0, 0, 1024, 740};

    ScriptedControl& add(const QString& name, double topTwips)
    {
        controls.push_back(std::make_unique<ScriptedControl>());
        controls.back()->name = name;
        controls.back()->top = topTwips;
        return *controls.back();
    }

    mutable int largestIconEdge = 0;

    QString Caption() const override { return caption; }
    bool Moveable() const override { return moveable; }
    // The largest image asked for is recorded; none larger than 256 pixels
    // is made, so a control that asks for too much fails a test, not the machine.
    QImage Icon(int edge) const override
    {
        largestIconEdge = std::max(largestIconEdge, edge);
        return icon.isNull() || edge > 256 ? QImage() : icon.scaled(edge, edge);
    }
    bool UserMode() const override { return userMode; }
    void BorderStyle(std::int32_t style) override { borderStyle = style; }
    void ShowInTaskbar(bool) override {}
    void MaxButton(bool) override {}
    void MinButton(bool) override {}
    void StartUpPosition(std::int32_t) override {}
    double ScaleWidth() const override { return width; }
    double ScaleHeight() const override { return height; }
    double Left() const override { return left; }
    double Top() const override { return top; }
    double Width() const override { return width; }
    double Height() const override { return height; }
    void Height(double twips) override
    {
        if (twips < minHeight)
            throw platform::VBError::invalidPropertyValue();
        height = twips;
    }
    void Width(double twips) override { width = twips; }
    void Move(double l, double t, double w, double h) override
    {
        left = l, top = t, width = w, height = h;
    }
    double TwipsPerPixelX() const override { return 15; }
    double TwipsPerPixelY() const override { return 15; }
    QWidget* FormWidget() override { return &formWidget; }
    std::int32_t WindowState() const override { return windowState; }
    void WindowState(std::int32_t state) override { windowState = state; }
    void Refresh() override {}
    void Unload() override { unloaded = true; }
    void TopMost(bool on) override { onTop = on; }
    platform::RECT WorkArea() const override { return workArea; }
    void DragMove() override { ++drags; }
    std::vector<HostControl*> Controls() override
    {
        std::vector<HostControl*> out;
        for (auto& c : controls)
            out.push_back(c.get());
        return out;
    }
};

} // namespace pattaro::testing
