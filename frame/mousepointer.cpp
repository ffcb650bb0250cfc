#include "frame/mousepointer.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>

namespace pattaro {

namespace {

// '#' outline, '.' fill, anything else transparent.
constexpr std::array<const char*, 22> kHand{
    "           ##",
    "          #..#",
    "          #..#",
    "          #..#",
    "          #..#",
    "          #..###",
    "          #..#..###",
    "          #..#..#..##",
    "          #..#..#..#.#",
    "     ##   #..#..#..#..#",
    "    #..#  #...........#",
    "    #...# #...........#",
    "     #...##...........#",
    "      #...............#",
    "       #..............#",
    "       #.............#",
    "        #............#",
    "        #...........#",
    "         #..........#",
    "         #..........#",
    "          #........#",
    "          ##########",
};

} // namespace

QCursor HandCursor()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < int(kHand.size()); ++y)
        for (int x = 0; kHand[std::size_t(y)][x] != '\0'; ++x) {
            const char c = kHand[std::size_t(y)][x];
            if (c == '#')
                image.setPixel(x, y, qRgb(0, 0, 0));
            else if (c == '.')
                image.setPixel(x, y, qRgb(255, 255, 255));
        }
    return QCursor(QPixmap::fromImage(image), 12, 1);
}

std::optional<QCursor> CursorForPointer(std::int16_t code)
{
    switch (code) {
    case PointerSizeNS:
        return QCursor(Qt::SizeVerCursor);
    case PointerSizeNWSE:
        return QCursor(Qt::SizeFDiagCursor);
    case PointerSizeWE:
        return QCursor(Qt::SizeHorCursor);
    case PointerHand:
        return HandCursor();
    default:
        return std::nullopt;
    }
}

void ShowPointer(QWidget& widget, std::int16_t code)
{
    if (const auto cursor = CursorForPointer(code))
        widget.setCursor(*cursor);
    else
        widget.unsetCursor();
}

} // namespace pattaro
