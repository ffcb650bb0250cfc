#include "compat/drawingsurface.h"

#include "compat/vbnumbers.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace pattaro::platform {

namespace {

QRgb toRgb(OleColor c)
{
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

// Metrics come from an image like the surface's own, so widths measured
// before anything is drawn match what drawing produces.
const QImage& metricsDevice()
{
    static const QImage device(1, 1, QImage::Format_RGB32);
    return device;
}

// Distance along the minor axis of the i-th pixel of a line `major` long
// and `minor` high (both >= 0, major > 0): the pixel nearest the ideal line.
// An exact half goes to the smaller coordinate (the upper row, the left
// column), GDI's diamond rule, so it depends on the direction of travel.
long long minorOffset(long long i, long long major, long long minor, bool towardSmaller)
{
    if (minor == 0)
        return 0;
    const long long bias = major - (towardSmaller ? 0 : 1);
    // 64 bits suffice unless both factors come near the 32-bit limits.
    if (i <= 0x7FFFFFFF && minor <= 0x7FFFFFFF && major <= 0x7FFFFFFF)
        return (2 * i * minor + bias) / (2 * major);
    const __int128 num = __int128(2) * i * minor + bias;
    return static_cast<long long>(num / (__int128(2) * major));
}

// Where one line's pixels go, looked up once per line.
struct Raster {
    QRgb* bits;
    qsizetype stride;
    int width;
    int height;
    QRgb colour;
    int penWidth;

    void plot(long long x, long long y) const
    {
        if (penWidth == 1) {
            if (x >= 0 && y >= 0 && x < width && y < height)
                bits[y * stride + x] = colour;
            return;
        }
        const int from = -(penWidth - 1) / 2;
        for (long long py = y + from; py < y + from + penWidth; ++py)
            for (long long px = x + from; px < x + from + penWidth; ++px)
                if (px >= 0 && py >= 0 && px < width && py < height)
                    bits[py * stride + px] = colour;
    }
};

} // namespace

DrawingSurface::DrawingSurface(int width, int height)
    : m_image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32)
{
    Cls();
}

void DrawingSurface::Resize(int width, int height)
{
    const QImage old = m_image;
    m_image = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    Cls();
    if (!old.isNull() && !m_image.isNull()) {
        QPainter p(&m_image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, old);
    }
}

void DrawingSurface::BackColor(OleColor color)
{
    m_backColor = color;
    Cls();
}

void DrawingSurface::Picture(const QImage& picture)
{
    m_picture = picture;
    Cls();
}

void DrawingSurface::Cls()
{
    if (m_image.isNull())
        return;
    m_image.fill(toRgb(m_backColor));
    if (!m_picture.isNull()) {
        QPainter p(&m_image);
        p.drawImage(0, 0, m_picture);
    }
}

void DrawingSurface::Font(const QFont& font)
{
    m_font = font;
}

QFont DrawingSurface::drawingFont() const
{
    QFont f = m_font;
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int DrawingSurface::TextWidth(const QString& text) const
{
    const QFontMetrics fm(drawingFont(), &metricsDevice());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

int DrawingSurface::TextHeight(const QString& text) const
{
    const QFontMetrics fm(drawingFont(), &metricsDevice());
    return fm.height() * int(text.count(QLatin1Char('\n')) + 1);
}

DrawingSurface::Handle DrawingSurface::CreatePen(int style, int width, OleColor color)
{
    const Handle h = m_nextHandle++;
    m_pens.emplace(h, Pen{style, std::max(width, 1), color & 0x00FFFFFFu});
    return h;
}

DrawingSurface::Handle DrawingSurface::SelectObject(Handle object)
{
    if (object != kStockBlackPen && !m_pens.contains(object))
        return 0;
    const Handle previous = m_selectedPen;
    m_selectedPen = object;
    return previous;
}

bool DrawingSurface::DeleteObject(Handle object)
{
    if (object == kStockBlackPen)
        return true;
    if (object == m_selectedPen)
        return false;
    return m_pens.erase(object) == 1;
}

bool DrawingSurface::MoveToEx(int x, int y, QPoint* previous)
{
    if (previous)
        *previous = m_position;
    m_position = QPoint(x, y);
    return true;
}

bool DrawingSurface::LineTo(int x, int y)
{
    const QPoint start = m_position;
    m_position = QPoint(x, y);
    Pen pen{PS_SOLID, 1, 0};
    if (m_selectedPen != kStockBlackPen)
        pen = m_pens.at(m_selectedPen);
    if (pen.style == PS_NULL)
        return true;

    const long long x0 = start.x(), y0 = start.y();
    const long long dx = static_cast<long long>(x) - x0, dy = static_cast<long long>(y) - y0;
    const long long adx = std::llabs(dx), ady = std::llabs(dy);
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const bool xMajor = adx >= ady;
    const long long steps = xMajor ? adx : ady;
    if (steps == 0)
        return true;

    // Only the steps whose major coordinate lands on the surface matter, so
    // far-off end points cost nothing.
    const long long origin = xMajor ? x0 : y0;
    const int sMajor = xMajor ? sx : sy;
    const long long extent = xMajor ? m_image.width() : m_image.height();
    long long first = 0, last = steps - 1;
    if (sMajor > 0) {
        first = std::max(first, -origin);
        last = std::min(last, extent - 1 - origin);
    } else {
        first = std::max(first, origin - (extent - 1));
        last = std::min(last, origin);
    }
    const int margin = pen.width; // wide pens reach past the edge
    first = std::max(0LL, first - margin);
    last = std::min(steps - 1, last + margin);
    if (m_image.isNull() || first > last)
        return true;
    // One detach for the whole line rather than one per pixel.
    const Raster raster{reinterpret_cast<QRgb*>(m_image.bits()), m_image.bytesPerLine() / qsizetype(sizeof(QRgb)),
                        m_image.width(), m_image.height(), toRgb(pen.color), pen.width};

    for (long long i = first; i <= last; ++i) {
        const long long off = minorOffset(i, steps, xMajor ? ady : adx, (xMajor ? sy : sx) < 0);
        const long long px = xMajor ? x0 + sx * i : x0 + sx * off;
        const long long py = xMajor ? y0 + sy * off : y0 + sy * i;
        raster.plot(px, py);
    }
    return true;
}

OleColor DrawingSurface::SetPixel(int x, int y, OleColor color)
{
    if (!m_image.valid(x, y))
        return CLR_INVALID;
    m_image.setPixel(x, y, toRgb(color));
    return color & 0x00FFFFFFu;
}

OleColor DrawingSurface::GetPixel(int x, int y) const
{
    if (!m_image.valid(x, y))
        return CLR_INVALID;
    return fromQColor(QColor(m_image.pixel(x, y)));
}

int DrawingSurface::DrawTextEx(const QString& text, const RECT& rect, unsigned format)
{
    const QFont font = drawingFont();
    const QFontMetrics fm(font, &metricsDevice());

    QString shown;
    qsizetype mnemonic = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            continue;
        if (c == QLatin1Char('&') && !(format & DT_NOPREFIX) && i + 1 < text.size()) {
            ++i;
            if (text.at(i) != QLatin1Char('&'))
                mnemonic = shown.size();
        }
        shown += text.at(i);
    }

    const int width = fm.horizontalAdvance(shown);
    const int height = fm.height();
    int x = rect.Left;
    if (format & DT_CENTER)
        x = (rect.Left + rect.Right - width) / 2;
    else if (format & DT_RIGHT)
        x = rect.Right - width;
    int y = rect.Top;
    if (format & DT_VCENTER)
        y = (rect.Top + rect.Bottom - height) / 2;
    else if (format & DT_BOTTOM)
        y = rect.Bottom - height;

    if (m_image.isNull() || shown.isEmpty())
        return height;
    const bool clip = !(format & DT_NOCLIP);
    if (clip && (rect.Right <= rect.Left || rect.Bottom <= rect.Top))
        return height;

    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    if (clip)
        p.setClipRect(QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)));
    p.setFont(font);
    p.setPen(toQColor(m_foreColor & 0x00FFFFFFu));
    p.drawText(QPoint(x, y + fm.ascent()), shown);
    if (mnemonic >= 0) {
        const int ux = x + fm.horizontalAdvance(shown.left(mnemonic));
        const int uw = fm.horizontalAdvance(shown.at(mnemonic));
        p.fillRect(QRect(ux, y + fm.ascent() + 1, uw, 1), toQColor(m_foreColor & 0x00FFFFFFu));
    }
    return height;
}

void DrawingSurface::PaintPicture(const QImage& picture, double x, double y, double width, double height)
{
    if (picture.isNull() || m_image.isNull())
        return;
    const long long w = roundHalfEven(width), h = roundHalfEven(height);
    if (w <= 0 || h <= 0 || w > 0x7FFF || h > 0x7FFF)
        return;
    const QImage scaled = (w == picture.width() && h == picture.height())
                              ? picture
                              : picture.scaled(int(w), int(h), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(&m_image);
    p.drawImage(QPoint(int(toInt32(x)), int(toInt32(y))), scaled);
}

} // namespace pattaro::platform
