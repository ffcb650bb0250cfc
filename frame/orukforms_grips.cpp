#include "frame/orukforms.h"

#include "compat/vberror.h"
#include "compat/vbnumbers.h"
#include "frame/errortrap.h"
#include "frame/framegeometry.h"
#include "frame/mousepointer.h"

namespace pattaro {

GripBox& orukForms::grip(const QPointer<GripBox>& which) const
{
    if (!which)
        throw platform::VBError::objectNotSet();
    return *which;
}

void orukForms::createGrips()
{
    QWidget* const form = m_host.FormWidget();
    m_state.RightGrip = new GripBox(form, QStringLiteral("m_picRight"));
    m_state.BottomGrip = new GripBox(form, QStringLiteral("m_picBottom"));
    connect(m_state.RightGrip, &GripBox::MouseDown, this, [this](MouseArgs a) { m_picRight_MouseDown(a.Button, a.Shift, a.X, a.Y); });
    connect(m_state.RightGrip, &GripBox::MouseMove, this, [this](MouseArgs a) { m_picRight_MouseMove(a.Button, a.Shift, a.X, a.Y); });
    connect(m_state.RightGrip, &GripBox::MouseUp, this, [this](MouseArgs a) { m_picRight_MouseUp(a.Button, a.Shift, a.X, a.Y); });
    connect(m_state.BottomGrip, &GripBox::MouseDown, this, [this](MouseArgs a) { m_picBottom_MouseDown(a.Button, a.Shift, a.X, a.Y); });
    connect(m_state.BottomGrip, &GripBox::MouseMove, this, [this](MouseArgs a) { m_picBottom_MouseMove(a.Button, a.Shift, a.X, a.Y); });
    connect(m_state.BottomGrip, &GripBox::MouseUp, this, [this](MouseArgs a) { m_picBottom_MouseUp(a.Button, a.Shift, a.X, a.Y); });
    for (GripBox* each : {m_state.RightGrip.data(), m_state.BottomGrip.data()}) {
        each->BackColor(m_state.CurColorFrom);
        each->show();
        each->raise();
    }
    placeGrips(false);
}

void orukForms::placeGrips(bool belowTitle)
{
    using namespace geometry;
    using platform::toInt32;
    const double W = m_host.ScaleWidth(), H = m_host.ScaleHeight();
    const double tx = m_host.TwipsPerPixelX(), ty = m_host.TwipsPerPixelY();
    const std::int32_t T = m_state.TitleAreaHeight;
    const double rightHeight =
        belowTitle ? H - (T + kRightGripShortfall) * ty : H - kRightGripShortfall * ty;
    const auto place = [&](GripBox& g, double left, double top, double width, double height) {
        g.setGeometry(toInt32(left / tx), toInt32(top / ty), toInt32(width / tx), toInt32(height / ty));
        g.BackColor(m_state.CurColorFrom);
    };
    place(grip(m_state.RightGrip), W - kGripEdgeInset * tx, (T + kRightGripBelowTitle) * ty, kGripThickness * tx,
          rightHeight);
    place(grip(m_state.BottomGrip), kGripEdgeInset * tx, H - kGripEdgeInset * ty, W - 2 * kGripEdgeInset * tx,
          kGripThickness * ty);
}

void orukForms::m_picRight_MouseDown(std::int16_t, std::int16_t, float, float)
{
    if (m_input.GripsSize())
        m_input.GripPressed(grip(m_state.RightGrip).MousePointer());
}

void orukForms::m_picBottom_MouseDown(std::int16_t, std::int16_t, float, float)
{
    if (m_input.GripsSize())
        m_input.GripPressed(grip(m_state.BottomGrip).MousePointer());
}

void orukForms::gripMouseMove(const char* handler, const QPointer<GripBox>& which, std::int16_t Button,
                              std::int16_t Shift, float X, float Y)
{
    TrapErrors(m_errorLog, handler, [&] {
        GripBox& g = grip(which);
        if (!m_input.GripsSize()) {
            g.MousePointer(PointerDefault);
            return;
        }
        if (const auto pointer = m_input.GripPointer(which == m_state.RightGrip, X, Y, width(), height()))
            g.MousePointer(*pointer);
        if (m_state.GripPointer >= 1)
            UserControl_MouseMove(Button, Shift, float(g.x() + X), float(g.y() + Y));
    });
}

void orukForms::m_picRight_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    gripMouseMove("m_picRight_MouseMove", m_state.RightGrip, Button, Shift, X, Y);
}

void orukForms::m_picBottom_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    gripMouseMove("m_picBottom_MouseMove", m_state.BottomGrip, Button, Shift, X, Y);
}

void orukForms::m_picRight_MouseUp(std::int16_t, std::int16_t, float, float)
{
    m_input.GripReleased();
}

void orukForms::m_picBottom_MouseUp(std::int16_t, std::int16_t, float, float)
{
    m_input.GripReleased();
}

} // namespace pattaro
