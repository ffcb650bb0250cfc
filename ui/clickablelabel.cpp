#include "ui/clickablelabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (press && (focusPolicy() & Qt::TabFocus) && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Black dots over white show on any colour a swatch may take, and leave
    // a link's text clear.
    const QRect inside = rect().adjusted(0, 0, -1, -1);
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(inside);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(inside);
}

} // namespace pattaro
