#include "frame/orukforms.h"

#include "compat/vbnumbers.h"
#include "frame/errortrap.h"
#include "frame/mousepointer.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

namespace pattaro {

namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kAltMask = 4;
constexpr std::int16_t kKeyF4 = 115;
constexpr std::int32_t kMinimized = 1;

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
        m_LastButton = Button;
        if (Button == kLeftButton && Y < m_TitleAreaHeight && 2 < X && X < m_IconSize + 8)
            showSystemMenu(QPoint(3, m_TitleAreaHeight));
        emit MouseDown(Button, Shift, X, Y);
    });
}

void orukForms::UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    TrapErrors(m_errorLog, "UserControl_MouseMove", [&] {
        emit MouseMove(Button, Shift, X, Y);
        if (!m_GripsCreated) {
            createGrips();
            m_GripsCreated = true;
        }
        m_BtnUnderMouse = HitTestCaptionBtn(platform::toInt16(double(X)), platform::toInt16(double(Y)));
        if (m_BtnUnderMouse != -1) {
            if (m_BtnUnderMouse != m_HotBtn) {
                DrawCaptionBtns(false, m_CurColorFrom, m_HotBtn);
                DrawCaptionBtns(true, m_CurColorFrom, m_BtnUnderMouse);
                MousePointer(PointerHand);
                m_HotBtn = m_BtnUnderMouse;
            }
            return;
        }
        if (m_HotBtn != -1) {
            MousePointer(PointerDefault);
            DrawCaptionBtns(false, m_CurColorFrom, m_HotBtn);
            m_HotBtn = -1;
        }
        m_MouseOnTitle = Y < m_TitleAreaHeight;
        if (m_WindowState == 2)
            return;
        if (Button != kLeftButton) {
            grip(m_picRight).MousePointer(PointerDefault);
            grip(m_picBottom).MousePointer(PointerDefault);
            return;
        }

        const double tx = m_host.TwipsPerPixelX(), ty = m_host.TwipsPerPixelY();
        if (m_GripPointer >= 1) {
            if (X < 130) {
                X = 130;
                grip(m_picRight).MousePointer(PointerDefault);
            }
            if (Y < m_TitleAreaHeight + 15) {
                Y = float(m_TitleAreaHeight + 15);
                grip(m_picBottom).MousePointer(PointerDefault);
            }
            switch (m_GripPointer) {
            case PointerSizeNS:
                m_host.Height((Y + 5) * ty);
                break;
            case PointerSizeNWSE:
                m_host.Width((X + 5) * tx);
                m_host.Height((Y + 5) * ty);
                break;
            case PointerSizeWE:
                m_host.Width((X + 5) * tx);
                break;
            default:
                break;
            }
            Move(0, 0, m_host.Width(), m_host.Height());
            m_host.Refresh();
        }

        const CaptionBtn& leftmost = m_CaptionBtns.at(std::size_t(m_LeftmostBtn));
        if (Y < m_TitleAreaHeight && m_Moveable && !(X >= leftmost.Left && leftmost.Visible))
            m_host.DragMove();
        recordRestoreRect();
    });
}

void orukForms::recordRestoreRect()
{
    using platform::toInt32;
    m_RestoreRect = {toInt32(m_host.Left()), toInt32(m_host.Top()), toInt32(m_host.Width()), toInt32(m_host.Height())};
}

void orukForms::UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    TrapErrors(m_errorLog, "UserControl_MouseUp", [&] {
        m_GripPointer = 0;
        emit MouseUp(Button, Shift, X, Y);
        if (Button == kLeftButton && m_BtnUnderMouse != -1) {
            switch (m_BtnUnderMouse) {
            case 0:
                emit BtnCloseClick();
                ExitConfirmation();
                break;
            case 1:
                orukWindowState();
                break;
            case 2:
                DrawCaptionBtns(false, m_CurColorFrom, m_HotBtn);
                m_HotBtn = -1;
                m_host.WindowState(kMinimized);
                break;
            default:
                break;
            }
        }
        const CaptionBtn& leftmost = m_CaptionBtns.at(std::size_t(m_LeftmostBtn));
        if (Button == kRightButton && Y < m_TitleAreaHeight && !(X >= leftmost.Left && leftmost.Visible))
            showSystemMenu(QPoint(platform::toInt32(double(X)), platform::toInt32(double(Y))));
    });
}

void orukForms::UserControl_DblClick()
{
    TrapErrors(m_errorLog, "UserControl_DblClick", [&] {
        if (!m_CaptionBtns[1].Visible)
            return;
        if (m_LastButton == kLeftButton && m_MouseOnTitle)
            orukWindowState();
        emit DblClick();
        m_LastButton = 0;
    });
}

void orukForms::UserControl_Click()
{
    emit Click();
}

void orukForms::UserControl_KeyDown(std::int16_t KeyCode, std::int16_t Shift)
{
    TrapErrors(m_errorLog, "UserControl_KeyDown", [&] {
        if (m_CaptionBtns[0].Visible && KeyCode == kKeyF4 && (Shift & kAltMask) != 0)
            ExitConfirmation();
    });
}

GripBox& orukForms::grip(const QPointer<GripBox>& which) const
{
    if (!which)
        throw platform::VBError::objectNotSet();
    return *which;
}

void orukForms::createGrips()
{
    QWidget* const form = m_host.FormWidget();
    m_picRight = new GripBox(form, QStringLiteral("m_picRight"));
    m_picBottom = new GripBox(form, QStringLiteral("m_picBottom"));
    connect(m_picRight, &GripBox::MouseDown, this, [this](MouseArgs a) { m_picRight_MouseDown(a.Button, a.Shift, a.X, a.Y); });
    connect(m_picRight, &GripBox::MouseMove, this, [this](MouseArgs a) { m_picRight_MouseMove(a.Button, a.Shift, a.X, a.Y); });
    connect(m_picRight, &GripBox::MouseUp, this, [this](MouseArgs a) { m_picRight_MouseUp(a.Button, a.Shift, a.X, a.Y); });
    connect(m_picBottom, &GripBox::MouseDown, this, [this](MouseArgs a) { m_picBottom_MouseDown(a.Button, a.Shift, a.X, a.Y); });
    connect(m_picBottom, &GripBox::MouseMove, this, [this](MouseArgs a) { m_picBottom_MouseMove(a.Button, a.Shift, a.X, a.Y); });
    connect(m_picBottom, &GripBox::MouseUp, this, [this](MouseArgs a) { m_picBottom_MouseUp(a.Button, a.Shift, a.X, a.Y); });
    for (GripBox* each : {m_picRight.data(), m_picBottom.data()}) {
        each->BackColor(m_CurColorFrom);
        each->show();
        each->raise();
    }
    placeGrips(false);
}

void orukForms::placeGrips(bool belowTitle)
{
    using platform::toInt32;
    const double W = m_host.ScaleWidth(), H = m_host.ScaleHeight();
    const double tx = m_host.TwipsPerPixelX(), ty = m_host.TwipsPerPixelY();
    const std::int32_t T = m_TitleAreaHeight;
    const double rightHeight = belowTitle ? H - (T + 10) * ty : H - 10 * ty;
    const auto place = [&](GripBox& g, double left, double top, double width, double height) {
        g.setGeometry(toInt32(left / tx), toInt32(top / ty), toInt32(width / tx), toInt32(height / ty));
        g.BackColor(m_CurColorFrom);
    };
    place(grip(m_picRight), W - 4 * tx, (T + 9) * ty, 3 * tx, rightHeight);
    place(grip(m_picBottom), 4 * tx, H - 4 * ty, W - 8 * tx, 3 * ty);
}

void orukForms::m_picRight_MouseDown(std::int16_t, std::int16_t, float, float)
{
    if (m_WindowState != 2)
        m_GripPointer = grip(m_picRight).MousePointer();
}

void orukForms::m_picBottom_MouseDown(std::int16_t, std::int16_t, float, float)
{
    if (m_WindowState != 2)
        m_GripPointer = grip(m_picBottom).MousePointer();
}

void orukForms::gripMouseMove(const char* handler, const QPointer<GripBox>& which, std::int16_t Button,
                              std::int16_t Shift, float X, float Y)
{
    TrapErrors(m_errorLog, handler, [&] {
        GripBox& g = grip(which);
        if (m_WindowState == 2) {
            g.MousePointer(PointerDefault);
            return;
        }
        if (m_BorderStyle == 1) {
            // The right grip's lower end and the bottom grip's right end
            // size both ways.
            if (which == m_picRight)
                g.MousePointer(Y > height() - m_TitleAreaHeight - 20 ? PointerSizeNWSE : PointerSizeWE);
            else
                g.MousePointer(X > width() - 15 ? PointerSizeNWSE : PointerSizeNS);
        }
        if (m_GripPointer >= 1)
            UserControl_MouseMove(Button, Shift, float(g.x() + X), float(g.y() + Y));
    });
}

void orukForms::m_picRight_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    gripMouseMove("m_picRight_MouseMove", m_picRight, Button, Shift, X, Y);
}

void orukForms::m_picBottom_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    gripMouseMove("m_picBottom_MouseMove", m_picBottom, Button, Shift, X, Y);
}

void orukForms::m_picRight_MouseUp(std::int16_t, std::int16_t, float, float)
{
    m_GripPointer = 0;
}

void orukForms::m_picBottom_MouseUp(std::int16_t, std::int16_t, float, float)
{
    m_GripPointer = 0;
}

void orukForms::orukWindowState()
{
    TrapErrors(m_errorLog, "orukWindowState", [&] {
        if (m_WindowState == 2) {
            m_WindowState = 0;
            SysMnu.MnuSyst(SystemMenu::kRestore).Enabled = false;
            SysMnu.MnuSyst(SystemMenu::kMaximize).Enabled = true;
            m_host.Move(m_RestoreRect.Left, m_RestoreRect.Top, m_RestoreRect.Right, m_RestoreRect.Bottom);
            return;
        }
        m_WindowState = 2;
        SysMnu.MnuSyst(SystemMenu::kRestore).Enabled = true;
        SysMnu.MnuSyst(SystemMenu::kMaximize).Enabled = false;
        // Grips that do not exist yet have nothing to hide.
        for (GripBox* g : {m_picRight.data(), m_picBottom.data()})
            if (g)
                g->hide();
        FitToWorkArea();
    });
}

void orukForms::FitToWorkArea()
{
    if (m_host.WindowState() == 2)
        return;
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    TB_GetDesktopWorkArea(left, top, width, height);
    m_host.Move(left, top, width, height);
    for (GripBox* g : {m_picRight.data(), m_picBottom.data()})
        if (g)
            g->show();
}

void orukForms::TB_GetDesktopWorkArea(std::int32_t& left, std::int32_t& top, std::int32_t& width,
                                      std::int32_t& height)
{
    using platform::toInt32;
    const platform::RECT area = m_host.WorkArea();
    const double tx = m_host.TwipsPerPixelX(), ty = m_host.TwipsPerPixelY();
    left = toInt32(area.Left * tx);
    top = toInt32(area.Top * ty);
    width = toInt32((double(area.Right) - area.Left) * tx);
    height = toInt32((double(area.Bottom) - area.Top) * ty);
}

} // namespace pattaro
