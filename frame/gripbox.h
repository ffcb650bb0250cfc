#pragma once

#include "compat/olecolor.h"
#include "frame/mouseargs.h"

#include <QWidget>
#include <cstdint>

namespace pattaro {

// A resize grip: a flat, borderless strip on the form, filled with one
// colour, whose mouse activity goes to the skin control's grip handlers.
// While a button is held it keeps the mouse, so a drag goes on outside it.
class GripBox : public QWidget {
    Q_OBJECT
public:
    GripBox(QWidget* form, const QString& name);

    std::int16_t MousePointer() const { return m_mousePointer; }
    void MousePointer(std::int16_t code);
    void BackColor(platform::OleColor color);

signals:
    void MouseDown(pattaro::MouseArgs args);
    void MouseMove(pattaro::MouseArgs args);
    void MouseUp(pattaro::MouseArgs args);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::int16_t m_mousePointer = 0;
};

} // namespace pattaro
