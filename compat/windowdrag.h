#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace pattaro::platform {

// Moves a window with the pointer while the left button is held. On X11 the
// program moves the window itself: a move left to the window manager was
// seen to go on after the button was released and to swallow the next
// click. Where a program cannot place its windows (Wayland) the
// compositor's move is used.
// The window keeps the offset the pointer had when the button went down,
// so it follows the whole drag, its first movement included.
class WindowDrag : public QObject {
public:
    explicit WindowDrag(QWidget* window);

    void start();
    bool active() const { return m_active; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    QPoint m_grabOffset;
    QPoint m_pressOffset;
    bool m_active = false;
};

} // namespace pattaro::platform
