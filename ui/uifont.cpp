#include "ui/uifont.h"

namespace pattaro {

QFont uiFont()
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setStyleHint(QFont::SansSerif);
    // 12 px is the size the window's captions were drawn for.
    font.setPixelSize(12);
    return font;
}

} // namespace pattaro
