#pragma once

#include "compat/drawingsurface.h"
#include "compat/olecolor.h"
#include "compat/rect.h"
#include "frame/errorlog.h"
#include "frame/framelayout.h"
#include "frame/framestate.h"
#include "frame/frameprimitives.h"

#include <QString>
#include <cstdint>

namespace pattaro {

// Draws the frame on the control's surface from its state, laid out, and
// its theme colours. It changes nothing but the surface.
class FramePainter {
public:
    FramePainter(platform::DrawingSurface& surface, const FramePrimitives& draw, ErrorLog& errorLog,
                 const FrameState& state)
        : m_surface(surface), m_draw(draw), m_errorLog(errorLog), m_state(state)
    {
    }

    // For a style with a title: sets the title's text colour and answers
    // true; a style without one paints no title.
    bool StartTitle() const;
    // The title's gradient from x = left over width pixels. The cylinder
    // style can take an outline; the two-band style's upper band can be
    // left out, as a caption button's repaint does.
    void TitleBackground(std::int32_t left, std::int32_t width, bool outlined, bool upperBand) const;
    // The title bar, its underline, the border around the client area and
    // the shadow below the title, on a surface of width by height pixels;
    // dark is the theme's shade for the lines.
    void TitleBar(std::int32_t width, std::int32_t height, platform::OleColor dark) const;
    // The two-band style's grip dots, centred over width pixels.
    void GripDots(platform::OleColor shadowColour, platform::OleColor dotColour, std::int32_t barHeight,
                  std::int32_t width) const;
    // The caption in its light colour, with a dark shadow up and left of it
    // except in the dark-band style.
    void Caption(const QString& shown, platform::RECT box, platform::OleColor dark) const;
    // A caption button's face, lit or not; answers the colour its glyph
    // takes on that face.
    platform::OleColor ButtonFace(const CaptionBtn& button, bool highlight, platform::OleColor glyphColour) const;
    void Glyph(CaptionButton which, std::int32_t left, std::int32_t top, platform::OleColor colour) const;

private:
    platform::DrawingSurface& m_surface;
    const FramePrimitives& m_draw;
    ErrorLog& m_errorLog;
    const FrameState& m_state;
};

} // namespace pattaro
