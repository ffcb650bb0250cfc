#pragma once

#include "compat/olecolor.h"
#include "compat/rect.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <map>

namespace pattaro::platform {

// Pen styles and DrawTextEx formats the surface understands.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_NULL = 5;

inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_NOPREFIX = 0x800;

// GetPixel's answer outside the surface.
inline constexpr OleColor CLR_INVALID = 0xFFFFFFFFu;

// A control's persistent drawing surface: an image in logical pixels (1x; a
// widget showing it on a HiDPI screen scales it), with the background colour
// and background picture it returns to on Cls, a foreground (text) colour and
// a font. Drawing follows GDI rather than QPainter: pens are objects that are
// created, selected and deleted by handle, LineTo leaves its end point
// unpainted, and nothing is antialiased, so output is pixel-exact.
class DrawingSurface {
public:
    using Handle = std::uintptr_t; // 0 is no object
    // The pen selected into a new surface; a stock object, never deleted.
    static constexpr Handle kStockBlackPen = 1;

    explicit DrawingSurface(int width = 0, int height = 0);

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    // Keeps what is drawn at the top left; new area shows the background.
    void Resize(int width, int height);
    // The current content.
    const QImage& Image() const { return m_image; }

    // Changing the background colour or picture clears the surface, so
    // nothing drawn over the old background lingers on the new one.
    OleColor BackColor() const { return m_backColor; }
    void BackColor(OleColor color);
    const QImage& Picture() const { return m_picture; }
    void Picture(const QImage& picture);
    // Back to the background colour with the picture on it at the top left.
    void Cls();

    OleColor ForeColor() const { return m_foreColor; }
    void ForeColor(OleColor color) { m_foreColor = color; }
    const QFont& Font() const { return m_font; }
    void Font(const QFont& font);

    // Pixel extent of a text in the surface's font: widest line, and line
    // height times the number of lines.
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    // Pens. CreatePen accepts any width; widths above 1 draw a square of that
    // size at every pixel of the one-pixel path.
    Handle CreatePen(int style, int width, OleColor color);
    // Returns the previously selected pen, or 0 for a handle that is no pen.
    Handle SelectObject(Handle object);
    // Fails (false) for an unknown handle or the pen currently selected.
    bool DeleteObject(Handle object);
    // Pens created and not yet deleted; the stock pen does not count.
    int LivePens() const { return int(m_pens.size()); }
    Handle SelectedPen() const { return m_selectedPen; }

    bool MoveToEx(int x, int y, QPoint* previous = nullptr);
    // Bresenham from the current position to (x, y) in the selected pen,
    // leaving (x, y) itself unpainted; (x, y) becomes the current position.
    bool LineTo(int x, int y);
    QPoint CurrentPosition() const { return m_position; }

    // Returns the colour set, or CLR_INVALID outside the surface.
    OleColor SetPixel(int x, int y, OleColor color);
    OleColor GetPixel(int x, int y) const;

    // One line of text in the foreground colour on a transparent background,
    // horizontally left / centred / right and vertically top / centred /
    // bottom in the rectangle, clipped to it unless DT_NOCLIP. "&" marks the
    // next character as a mnemonic (underlined, "&&" is one "&") unless
    // DT_NOPREFIX. Only single-line output is produced; line breaks in the
    // text draw as nothing. Returns the text height.
    int DrawTextEx(const QString& text, const RECT& rect, unsigned format);

    // Draws a picture scaled into (x, y, width, height); fractional positions
    // and sizes round half to even (a position beyond 32 bits throws VBError
    // 6; a size beyond 32767 draws nothing). Transparent parts of the picture
    // let the surface show through.
    void PaintPicture(const QImage& picture, double x, double y, double width, double height);

private:
    struct Pen {
        int style;
        int width;
        OleColor color;
    };

    QFont drawingFont() const;

    QImage m_image;
    OleColor m_backColor = 0x00FFFFFFu;
    QImage m_picture;
    OleColor m_foreColor = 0;
    QFont m_font;
    std::map<Handle, Pen> m_pens;
    Handle m_nextHandle = 0x100;
    Handle m_selectedPen = kStockBlackPen;
    QPoint m_position;
};

} // namespace pattaro::platform
