#include "ui/form1.h"

#include "ui/findbar.h"
#include "ui/richtext/richtextbox.h"
#include "core/settings/preferences.h"

#include <QGroupBox>
#include <QShortcut>
#include <QWheelEvent>

namespace pattaro {

namespace {

// The panes' design font of 12 pixels, in points on a 96 dpi screen.
constexpr int kDesignedZoom = 9;

// Ctrl+wheel over a pane zooms the three panes together instead of the one.
class CtrlWheelZoom : public QObject {
public:
    CtrlWheelZoom(QObject* parent, std::function<void(int)> step)
        : QObject(parent)
        , m_step(std::move(step))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return QObject::eventFilter(watched, event);
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier))
            return false;
        if (const int notches = wheel->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep)
            m_step(notches);
        return true;
    }

private:
    std::function<void(int)> m_step;
};

} // namespace

void Form1::setUpReading()
{
    const auto addKeys = [this](const QList<QKeySequence>& keys, auto action) {
        for (const QKeySequence& key : keys)
            connect(new QShortcut(key, this), &QShortcut::activated, this, action);
    };
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)}, [this] { zoomBy(1); });
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { zoomBy(-1); });
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoomTo(kDesignedZoom); });
    auto* wheel = new CtrlWheelZoom(this, [this](int notches) { zoomBy(notches); });
    for (RichTextBox* pane : {m_TXT1, m_TXT2, m_HelpAbout})
        pane->viewport()->installEventFilter(wheel);

    for (auto [pane, frame, bar] : {std::tuple{m_TXT1, m_Frame1, &m_findBar1}, std::tuple{m_TXT2, m_Frame2, &m_findBar2}}) {
        *bar = new FindBar(*pane, frame);
        auto* key = new QShortcut(QKeySequence::Find, pane, nullptr, nullptr, Qt::WidgetShortcut);
        connect(key, &QShortcut::activated, *bar, &FindBar::Open);
    }

    if (const auto points = m_preferences->Zoom())
        applyZoom(*points);
}

int Form1::zoom() const
{
    return m_zoom.value_or(kDesignedZoom);
}

void Form1::zoomBy(int steps)
{
    zoomTo(ClampZoom(zoom() + steps));
}

void Form1::zoomTo(int points)
{
    applyZoom(points);
    m_preferences->Zoom(points);
}

void Form1::applyZoom(int points)
{
    points = ClampZoom(points);
    // The design's own size is the frames' font, exactly as first drawn.
    const QString sheet = points == kDesignedZoom ? QString() : QStringLiteral("font-size: %1pt;").arg(points);
    m_zoom = points == kDesignedZoom ? std::nullopt : std::optional<int>(points);
    for (RichTextBox* pane : {m_TXT1, m_TXT2, m_HelpAbout})
        pane->setStyleSheet(sheet);
}

} // namespace pattaro
