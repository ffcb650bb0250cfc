#include "frame/orukforms.h"

#include "compat/vbnumbers.h"
#include "frame/errortrap.h"
#include "frame/framegeometry.h"
#include "frame/mousepointer.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

namespace pattaro {

namespace {

// The key codes the control acts on: function keys, letters and digits.
std::int16_t keyCodeOf(const QKeyEvent& event)
{
    const int key = event.key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return std::int16_t(112 + key - Qt::Key_F1);
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return std::int16_t(key);
    return 0;
}

} // namespace

// Qt hands a mouse event that a control on the frame leaves unhandled (a
// label, a group box) on to the frame beneath it. The frame acts only on
// what happens on its own surface: a press there and the moves and release
// that follow it, as if it alone held the mouse, and hovering over it.
bool orukForms::onOwnSurface(const QMouseEvent& event) const
{
    return childAt(event.position().toPoint()) == nullptr;
}

void orukForms::mousePressEvent(QMouseEvent* event)
{
    m_mouseHeldOnSurface = onOwnSurface(*event);
    if (!m_mouseHeldOnSurface)
        return event->ignore();
    const MouseArgs a = ButtonArgs(*event);
    // A window that appears under a still pointer, or a press after the
    // pointer came in over a child, gives the control no move first; the
    // caption buttons learn where the pointer is before it goes down.
    if (m_lastMoveAt != event->position().toPoint())
        UserControl_MouseMove(0, a.Shift, a.X, a.Y);
    UserControl_MouseDown(a.Button, a.Shift, a.X, a.Y);
}

void orukForms::mouseMoveEvent(QMouseEvent* event)
{
    const bool ours = event->buttons() == Qt::NoButton ? onOwnSurface(*event) : m_mouseHeldOnSurface;
    if (!ours)
        return event->ignore();
    m_lastMoveAt = event->position().toPoint();
    const MouseArgs a = MoveArgs(*event);
    UserControl_MouseMove(a.Button, a.Shift, a.X, a.Y);
}

void orukForms::mouseReleaseEvent(QMouseEvent* event)
{
    const bool ours = m_mouseHeldOnSurface;
    if (event->buttons() == Qt::NoButton)
        m_mouseHeldOnSurface = false;
    if (!ours)
        return event->ignore();
    const MouseArgs a = ButtonArgs(*event);
    const bool inside = rect().contains(event->position().toPoint());
    UserControl_MouseUp(a.Button, a.Shift, a.X, a.Y);
    if (a.Button == kLeftButton && inside)
        UserControl_Click();
}

void orukForms::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click: its release follows.
    m_mouseHeldOnSurface = onOwnSurface(*event);
    if (!m_mouseHeldOnSurface)
        return event->ignore();
    UserControl_DblClick();
}

void orukForms::keyPressEvent(QKeyEvent* event)
{
    const std::int16_t shift = event->modifiers().testFlag(Qt::AltModifier) ? kAltMask : 0;
    UserControl_KeyDown(keyCodeOf(*event), shift);
}

void orukForms::ExitConfirmation()
{
    const int answer = m_messageBox.show(QStringLiteral("确认退出程序？"), QStringLiteral("友情提示"),
                                         platform::MsgIcon::Information, platform::MsgButtons::YesNo);
    if (answer != platform::kIdYes)
        return;
    m_unloading = true;
    m_host.Unload();
}

void orukForms::takeOverCloseRequests()
{
    // A close asked for by the window manager, the taskbar or its Alt+F4
    // goes through the same question as the close button.
    QWidget* const form = m_host.FormWidget();
    form->installEventFilter(this);
    // Heard anywhere in the window, not only while the control has focus.
    auto* altF4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), form);
    connect(altF4, &QShortcut::activated, this, [this] { UserControl_KeyDown(kKeyF4, kAltMask); });
}

bool orukForms::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Close || m_unloading || watched != m_host.FormWidget())
        return QWidget::eventFilter(watched, event);
    event->ignore();
    ExitConfirmation();
    return true;
}

void orukForms::UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    TrapErrors(m_errorLog, "UserControl_MouseDown", [&] {
        if (m_input.Press(Button, X, Y))
            showSystemMenu(QPoint(geometry::kSystemMenuLeft, m_state.TitleAreaHeight));
        emit MouseDown(Button, Shift, X, Y);
    });
}

void orukForms::UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    TrapErrors(m_errorLog, "UserControl_MouseMove", [&] {
        emit MouseMove(Button, Shift, X, Y);
        if (!m_state.GripsCreated) {
            createGrips();
            m_state.GripsCreated = true;
        }
        const HoverChange hover = m_input.Hover(X, Y);
        if (hover.OnButton) {
            if (hover.Light) {
                DrawCaptionBtns(false, m_state.CurColorFrom, ToNumber(*hover.Unlight));
                DrawCaptionBtns(true, m_state.CurColorFrom, ToNumber(*hover.Light));
                MousePointer(PointerHand);
            }
            return;
        }
        if (hover.Unlight) {
            MousePointer(PointerDefault);
            DrawCaptionBtns(false, m_state.CurColorFrom, ToNumber(*hover.Unlight));
        }
        if (m_state.Window == WindowState::Maximized)
            return;
        if (Button != kLeftButton) {
            grip(m_state.RightGrip).MousePointer(PointerDefault);
            grip(m_state.BottomGrip).MousePointer(PointerDefault);
            return;
        }

        if (const std::optional<GripDrag> drag = m_input.DragGrip(X, Y)) {
            if (drag->RightGripReleased)
                grip(m_state.RightGrip).MousePointer(PointerDefault);
            if (drag->BottomGripReleased)
                grip(m_state.BottomGrip).MousePointer(PointerDefault);
            X = drag->X;
            Y = drag->Y;
            if (drag->Width)
                m_host.Width(*drag->Width * m_host.TwipsPerPixelX());
            if (drag->Height)
                m_host.Height(*drag->Height * m_host.TwipsPerPixelY());
            Move(0, 0, m_host.Width(), m_host.Height());
            m_host.Refresh();
        }
        if (m_input.DragsWindow(X, Y))
            m_host.DragMove();
        recordRestoreRect();
    });
}

void orukForms::UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    TrapErrors(m_errorLog, "UserControl_MouseUp", [&] {
        m_input.GripReleased();
        emit MouseUp(Button, Shift, X, Y);
        switch (m_input.Release(Button, X, Y)) {
        case FrameRequest::Close:
            emit BtnCloseClick();
            ExitConfirmation();
            break;
        case FrameRequest::ToggleMaximized:
            orukWindowState();
            break;
        case FrameRequest::Minimize:
            minimize();
            break;
        case FrameRequest::SystemMenu:
            showSystemMenu(QPoint(platform::toInt32(double(X)), platform::toInt32(double(Y))));
            break;
        case FrameRequest::None:
            break;
        }
    });
}

void orukForms::UserControl_DblClick()
{
    TrapErrors(m_errorLog, "UserControl_DblClick", [&] {
        const FrameInput::DoubleClick click = m_input.DoubleClicked();
        if (!click.Heard)
            return;
        if (click.Toggles)
            orukWindowState();
        emit DblClick();
    });
}

void orukForms::UserControl_Click()
{
    emit Click();
}

void orukForms::UserControl_KeyDown(std::int16_t KeyCode, std::int16_t Shift)
{
    TrapErrors(m_errorLog, "UserControl_KeyDown", [&] {
        if (m_input.KeyDown(KeyCode, Shift) == FrameRequest::Close)
            ExitConfirmation();
    });
}

} // namespace pattaro
