#include "frame/qtformhost.h"

#include "compat/controlcolor.h"
#include "compat/vberror.h"
#include "compat/vbnumbers.h"
#include "compat/windowdrag.h"
#include "frame/orukforms.h"
#include "frame/skinvalues.h"

#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace pattaro {

namespace {

using platform::VBError;

int pixels(double twips)
{
    return platform::toInt32(twips / QtFormHost::kTwipsPerPixel);
}

class QtHostControl : public HostControl {
public:
    explicit QtHostControl(QWidget* widget) : m_widget(widget) {}

    QString Name() const override { return m_widget->objectName(); }
    bool InSkinControl() const override { return qobject_cast<orukForms*>(m_widget->parentWidget()) != nullptr; }
    double Top() const override { return m_widget->y() * QtFormHost::kTwipsPerPixel; }
    void Top(double twips) override { m_widget->move(m_widget->x(), pixels(twips)); }
    platform::OleColor BackColor() const override
    {
        if (const auto color = platform::ControlBackColor(m_widget))
            return *color;
        throw VBError::noSuchProperty();
    }
    void BackColor(platform::OleColor color) override
    {
        if (!platform::ControlBackColor(m_widget))
            throw VBError::noSuchProperty();
        platform::SetControlBackColor(m_widget, color);
    }
    bool IsCommandButton() const override { return qobject_cast<QPushButton*>(m_widget) != nullptr; }
    void Style(std::int16_t style) override
    {
        // Qt buttons always show their back colour; only the value is kept.
        if (!IsCommandButton())
            throw VBError::noSuchProperty();
        m_widget->setProperty("Style", style);
    }
    bool KeepsBackColor() const override { return m_widget->property("KeepsBackColor").toBool(); }

private:
    QWidget* m_widget;
};

} // namespace

QtFormHost::QtFormHost(QWidget* form) : m_form(form), m_drag(std::make_unique<platform::WindowDrag>(form)) {}

QtFormHost::~QtFormHost() = default;

QWidget* QtFormHost::form() const
{
    if (!m_form)
        throw VBError::objectNotSet();
    return m_form;
}

QString QtFormHost::Caption() const
{
    return form()->windowTitle();
}

QImage QtFormHost::Icon(int edge) const
{
    const QIcon icon = form()->windowIcon();
    if (icon.isNull() || edge <= 0)
        return {};
    return icon.pixmap(QSize(edge, edge), 1.0).toImage();
}

void QtFormHost::setFlag(Qt::WindowType flag, bool on)
{
    QWidget* const w = form();
    if (w->windowFlags().testFlag(flag) == on)
        return;
    // Changing a flag hides a shown window; it comes back where it was.
    const bool shown = w->isVisible();
    w->setWindowFlag(flag, on);
    if (shown)
        w->show();
}

void QtFormHost::BorderStyle(std::int32_t style)
{
    setFlag(Qt::FramelessWindowHint, style == 0);
}

void QtFormHost::ShowInTaskbar(bool show)
{
    setFlag(Qt::Tool, !show);
}

void QtFormHost::MaxButton(bool shown)
{
    setFlag(Qt::WindowMaximizeButtonHint, shown);
}

void QtFormHost::MinButton(bool shown)
{
    setFlag(Qt::WindowMinimizeButtonHint, shown);
}

void QtFormHost::StartUpPosition(std::int32_t position)
{
    if (position != 2)
        return;
    QWidget* const w = form();
    // The screen the user is looking at: the one under the pointer.
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = w->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    w->move(frame.topLeft());
}

double QtFormHost::ScaleWidth() const
{
    return form()->width() * kTwipsPerPixel;
}

double QtFormHost::ScaleHeight() const
{
    return form()->height() * kTwipsPerPixel;
}

double QtFormHost::Left() const
{
    return form()->frameGeometry().x() * kTwipsPerPixel;
}

double QtFormHost::Top() const
{
    return form()->frameGeometry().y() * kTwipsPerPixel;
}

double QtFormHost::Width() const
{
    return form()->frameGeometry().width() * kTwipsPerPixel;
}

double QtFormHost::Height() const
{
    return form()->frameGeometry().height() * kTwipsPerPixel;
}

QSize QtFormHost::clientFor(double widthTwips, double heightTwips) const
{
    const QWidget* w = form();
    const QSize frameExtra = w->frameGeometry().size() - w->size();
    return QSize(pixels(widthTwips), pixels(heightTwips)) - frameExtra;
}

void QtFormHost::Height(double twips)
{
    form()->resize(form()->width(), clientFor(Width(), twips).height());
}

void QtFormHost::Width(double twips)
{
    form()->resize(clientFor(twips, Height()).width(), form()->height());
}

void QtFormHost::Move(double left, double top, double width, double height)
{
    QWidget* const w = form();
    const QSize client = clientFor(width, height);
    w->move(pixels(left), pixels(top));
    w->resize(client);
}

std::int32_t QtFormHost::WindowState() const
{
    const Qt::WindowStates state = form()->windowState();
    if (state.testFlag(Qt::WindowMinimized))
        return ToHostNumber(pattaro::WindowState::Minimized);
    return ToHostNumber(state.testFlag(Qt::WindowMaximized) ? pattaro::WindowState::Maximized
                                                             : pattaro::WindowState::Normal);
}

void QtFormHost::WindowState(std::int32_t state)
{
    QWidget* const w = form();
    switch (state) {
    case ToHostNumber(pattaro::WindowState::Normal):
        w->showNormal();
        break;
    case ToHostNumber(pattaro::WindowState::Minimized):
        w->showMinimized();
        break;
    case ToHostNumber(pattaro::WindowState::Maximized):
        w->showMaximized();
        break;
    default:
        throw VBError::invalidPropertyValue();
    }
}

void QtFormHost::Refresh()
{
    form()->update();
}

void QtFormHost::Unload()
{
    form()->close();
}

void QtFormHost::TopMost(bool onTop)
{
    QWidget* const w = form();
    Qt::WindowFlags flags = w->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    // Told to the window that is there: the widget's own setter would make
    // a new one, and taskbars and window lists would see the window go and
    // come back.
    w->overrideWindowFlags(flags);
    if (QWindow* window = w->windowHandle())
        window->setFlags(flags);
}

platform::RECT QtFormHost::WorkArea() const
{
    const QScreen* screen = form()->screen() ? form()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        throw VBError(VBError::InternalError, QStringLiteral("No screen"));
    const QRect area = screen->availableGeometry();
    return {area.left(), area.top(), area.right() + 1, area.bottom() + 1};
}

void QtFormHost::DragMove()
{
    m_drag->start();
}

std::vector<HostControl*> QtFormHost::Controls()
{
    m_controls.clear();
    std::vector<HostControl*> out;
    for (QWidget* child : form()->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        // Qt's own inner widgets carry "qt_" names; they are parts, not controls.
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || qobject_cast<orukForms*>(child))
            continue;
        m_controls.push_back(std::make_unique<QtHostControl>(child));
        out.push_back(m_controls.back().get());
    }
    return out;
}

} // namespace pattaro
