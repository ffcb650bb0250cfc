#include "app/clickablelabel.h"

#include <QMouseEvent>

namespace pattaro {

using platform::OleColor;

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{
    setAutoFillBackground(true);
}

OleColor ClickableLabel::BackColor() const
{
    return platform::fromQColor(palette().color(QPalette::Window));
}

void ClickableLabel::BackColor(OleColor color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, platform::toQColor(color));
    setPalette(p);
}

OleColor ClickableLabel::ForeColor() const
{
    return platform::fromQColor(palette().color(QPalette::WindowText));
}

void ClickableLabel::ForeColor(OleColor color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, platform::toQColor(color));
    setPalette(p);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: the click counts only if released over the label.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace pattaro
