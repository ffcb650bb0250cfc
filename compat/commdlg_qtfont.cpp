#include "compat/commdlg_qt.h"

#include <QFontDialog>
#include <algorithm>
#include <cmath>

namespace pattaro::platform {

int QtCommonDialogApi::ChooseFontA(CHOOSEFONT& cf)
{
    if (DWORD why = cannotOpen(cf.lStructSize, kChooseFontSize))
        return fail(why);
    if (!cf.lpLogFont)
        return fail(CDERR_INITIALIZATION);
    const bool limited = (cf.Flags & CF_LIMITSIZE) != 0;
    // A maximum of 0 leaves the size open upwards.
    if (limited && cf.nSizeMax > 0 && cf.nSizeMax < cf.nSizeMin)
        return fail(CFERR_MAXLESSTHANMIN);

    LOGFONT& lf = *cf.lpLogFont;
    const double twipsPerPixel = TwipsPerPixelY();
    QFont initial;
    if (cf.Flags & CF_INITTOLOGFONTSTRUCT) {
        if (!faceName(lf).isEmpty())
            initial.setFamily(faceName(lf));
        if (lf.lfHeight != 0)
            initial.setPointSizeF(std::abs(double(lf.lfHeight)) * twipsPerPixel / 20);
        initial.setWeight(QFont::Weight(lf.lfWeight > 0 ? std::clamp<int>(lf.lfWeight, 1, 1000) : 400));
        initial.setItalic(lf.lfItalic != 0);
        initial.setUnderline(lf.lfUnderline != 0);
        initial.setStrikeOut(lf.lfStrikeOut != 0);
    }

    QFontDialog dialog(initial, owner(cf.hwndOwner));
    QFontDialog::FontDialogOptions options;
    if (cf.Flags & CF_FIXEDPITCHONLY)
        options |= QFontDialog::MonospacedFonts;
    if (cf.Flags & (CF_SCALABLEONLY | CF_TTONLY))
        options |= QFontDialog::ScalableFonts;
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted)
        return finish(false);

    const QFont font = dialog.selectedFont();
    double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * twipsPerPixel / 20;
    if (limited) {
        points = std::max(points, double(cf.nSizeMin));
        if (cf.nSizeMax > 0)
            points = std::min(points, double(cf.nSizeMax));
    }
    lf.lfHeight = -LONG(std::lround(points * 20 / twipsPerPixel));
    lf.lfWeight = font.weight();
    lf.lfItalic = font.italic() ? 1 : 0;
    // Underline and strike-out are effects, chosen only where effects are offered.
    if (cf.Flags & CF_EFFECTS) {
        lf.lfUnderline = font.underline() ? 1 : 0;
        lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    }
    setFaceName(lf, font.family());
    cf.iPointSize = int(std::lround(points * 10));
    WORD type = font.weight() >= QFont::DemiBold ? BOLD_FONTTYPE : REGULAR_FONTTYPE;
    if (font.italic())
        type |= ITALIC_FONTTYPE;
    type |= (cf.hDC && (cf.Flags & CF_PRINTERFONTS)) ? PRINTER_FONTTYPE : SCREEN_FONTTYPE;
    cf.nFontType = type;
    return finish(true);
}

} // namespace pattaro::platform
