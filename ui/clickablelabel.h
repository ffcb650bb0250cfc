#pragma once

#include "compat/olecolor.h"

#include <QLabel>

namespace pattaro {

// A label that reports clicks and carries its colours as properties: the
// window's swatches, link lines and banner are such labels.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    platform::OleColor BackColor() const;
    void BackColor(platform::OleColor color);
    platform::OleColor ForeColor() const;
    void ForeColor(platform::OleColor color);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A label given keyboard focus is clicked by Space or Enter, like a
    // button, and shows the focus the way buttons do.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace pattaro
