#include "frame/orukforms.h"

#include "compat/localeinfo.h"
#include "compat/syscolors.h"
#include "compat/vbnumbers.h"
#include "frame/errortrap.h"
#include "frame/framegeometry.h"
#include "frame/framelayout.h"
#include "frame/skinvalues.h"

#include <QCoreApplication>
#include <cmath>
#include <QPaintEngine>
#include <QPainter>
#include <QResizeEvent>

namespace pattaro {

namespace {

constexpr platform::OleColor kSystemWindowColor = 0x80000005u;

} // namespace

void orukForms::Move(double left, double top, double width, double height)
{
    using platform::toInt32;
    const double tx = m_host.TwipsPerPixelX(), ty = m_host.TwipsPerPixelY();
    const QSize before = size();
    setGeometry(toInt32(left / tx), toInt32(top / ty), toInt32(width / tx), toInt32(height / ty));
    // A hidden widget hears of its new size only when shown; the host's
    // resize notification is due now.
    if (!isVisible() && size() != before) {
        QResizeEvent resized(size(), before);
        QCoreApplication::sendEvent(this, &resized);
        setAttribute(Qt::WA_PendingResizeEvent, false);
    }
}

void orukForms::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    UserControl_Resize();
}

void orukForms::fitSurface()
{
    if (m_surface.Width() != width() || m_surface.Height() != height())
        m_surface.Resize(width(), height());
}

void orukForms::paintEvent(QPaintEvent*)
{
    // At a device pixel ratio above 1 the surface is scaled up without
    // smoothing, so the frame stays as crisp as it was drawn; only the icon
    // is drawn again from its larger image.
    QPainter painter(this);
    painter.drawImage(QRect(0, 0, m_surface.Width(), m_surface.Height()), m_surface.Image());
    // The device painted on: a screen, or an image when the widget is
    // rendered into one.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    if (ratio <= 1 || m_state.FormIcon.isNull() || m_iconBackdrop.isNull())
        return;
    const QImage sharp = m_host.Icon(int(std::ceil(m_iconRect.width() * ratio)));
    if (sharp.isNull())
        return;
    painter.drawImage(m_iconRect, m_iconBackdrop);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(m_iconRect, sharp);
}

void orukForms::Refresh()
{
    TrapErrors(m_errorLog, "Refresh", [&] {
        if (m_state.ChangeAllBackgrounds)
            applyBackColorStyle();
        DrawTitleBarInitial();
        UserControl_Resize();
    });
}

platform::OleColor orukForms::resizeBackColor() const
{
    switch (m_state.BackColorStyle) {
    case BackColorTheme:
        return TranslateOleColor(m_state.CurColorTo);
    case BackColorCustom:
        return TranslateOleColor(m_state.CustomBackColor);
    default:
        return TranslateOleColor(kButtonFace);
    }
}

void orukForms::UserControl_Resize()
{
    TrapErrors(m_errorLog, "UserControl_Resize", [&] {
        fitSurface();
        m_surface.Cls();
        if (m_state.ChangeAllBackgrounds)
            ApplyBackColorToControls(resizeBackColor());
        DrawTitleBar();
        emit ReSize();
        if (m_state.GripsCreated)
            placeGrips(true);
        update();
    });
}

void orukForms::UserControl_Terminate()
{
    SkipOnFailure([&] {
        m_subclasser.Subclass_ReleaseAll();
        m_state.ParentForm = nullptr;
    });
}

void orukForms::BorderStyleSetup()
{
    TrapErrors(m_errorLog, "BorderStyleSetup", [&] {
        if (!m_host.UserMode()) {
            m_host.BorderStyle(0);
            m_host.ShowInTaskbar(true);
            m_host.StartUpPosition(2);
        }
        m_state.SysMnu.MnuSyst(SystemMenu::kClose).Enabled = m_state.CloseButton;
        m_state.Button(CaptionButton::Close).Visible = m_state.CloseButton;
        m_state.Button(CaptionButton::MaximizeRestore).Visible = m_state.MaxButton;
        m_state.Button(CaptionButton::Minimize).Visible = m_state.MinButton;
        for (const CaptionButton which : kCaptionButtons)
            if (m_state.Button(which).Visible)
                m_state.LeftmostBtn = which;
        CaptionBtnSetup();
        DrawTitleBarInitial();
        if (m_host.UserMode())
            DrawTitleBar();
    });
}

void orukForms::TitleBarHeightSetup()
{
    TrapErrors(m_errorLog, "TitleBarHeightSetup", [&] {
        m_state.TitleHeight = TitleHeightForText(m_surface.TextHeight(QStringLiteral("H")));
        const std::int16_t iconBound = TitleHeightForIcon(m_state.IconSize);
        if (m_state.TitleHeight < iconBound)
            m_state.TitleHeight = iconBound;
        m_state.TitleAreaHeight = TitleAreaHeight(m_state.Style, m_state.TitleHeight).value_or(m_state.TitleHeight);
    });
}

QString orukForms::GetInfo(std::uint32_t lctype)
{
    QString result;
    TrapErrors(m_errorLog, "GetInfo", [&] {
        constexpr int kChars = 256;
        QString buffer(kChars, QChar(0));
        const int n = platform::GetLocaleInfoA(platform::LOCALE_USER_DEFAULT, lctype, buffer, kChars);
        if (n > 0)
            result = buffer.left(n - 1);
    });
    return result;
}

void orukForms::ApplyBackColorToControls(platform::OleColor c)
{
    if (!m_state.ChangeAllBackgrounds)
        return;
    for (HostControl* control : m_host.Controls()) {
        // The user's highlight colours live in the swatches' backgrounds.
        if (control->KeepsBackColor())
            continue;
        bool windowColored = true;
        SkipOnFailure([&] { windowColored = control->BackColor() == kSystemWindowColor; });
        if (windowColored)
            continue;
        SkipOnFailure([&] {
            if (control->IsCommandButton())
                control->Style(1);
        });
        SkipOnFailure([&] {
            const QString name = control->Name();
            if (name != QLatin1String("m_picRight") && name != QLatin1String("m_picBottom"))
                control->BackColor(c);
        });
    }
}

std::int16_t orukForms::ContentTopOffset(std::int16_t target)
{
    const double ty = m_host.TwipsPerPixelY();
    std::int16_t offset = 0;
    std::vector<double> tops;
    for (HostControl* control : m_host.Controls())
        SkipOnFailure([&] {
            if (control->InSkinControl())
                tops.push_back(control->Top() / ty);
        });
    for (const double t : tops)
        SkipOnFailure([&] {
            if (t < target && target - t > offset)
                offset = platform::toInt16(target - t);
        });
    if (offset == 0) {
        offset = 1000;
        for (const double t : tops)
            SkipOnFailure([&] {
                if (t - target < offset)
                    offset = platform::toInt16(t - target);
            });
        offset = std::int16_t(-offset);
    }
    return offset;
}

void orukForms::shiftFormHeight(std::int32_t pixels)
{
    const double ty = m_host.TwipsPerPixelY();
    SkipOnFailure([&] {
        if (m_state.Window == WindowState::Maximized)
            m_state.RestoreRect.Bottom = platform::toInt32(m_state.RestoreRect.Bottom + pixels * ty);
        else
            m_host.Height(m_host.Height() + pixels * ty);
    });
}

void orukForms::moveContents(double twips)
{
    for (HostControl* control : m_host.Controls())
        SkipOnFailure([&] {
            if (control->InSkinControl())
                control->Top(control->Top() + twips);
        });
}

void orukForms::AdjustStyleHeight(bool styleChanged)
{
    std::int32_t d = 0;
    if (styleChanged) {
        if (m_state.Style == TitleTwoBands && !m_state.StyleExtraApplied) {
            d = geometry::kDotBandHeight;
            m_state.StyleExtraApplied = true;
        } else if (m_state.Style != TitleTwoBands && m_state.StyleExtraApplied) {
            d = -geometry::kDotBandHeight;
            m_state.StyleExtraApplied = false;
        }
        if (d == 0)
            return;
    } else {
        SkipOnFailure([&] {
            d = ContentTopOffset(platform::toInt16(m_state.TitleAreaHeight + geometry::kContentBelowTitle));
        });
    }
    shiftFormHeight(d);
    moveContents(d * m_host.TwipsPerPixelY());
}

} // namespace pattaro
