#include "dialogs/gcommondialog.h"

#include "dialogs/roundlong.h"
#include "dialogs/tryset.h"

namespace pattaro {

using namespace platform;

bool GCommonDialog::VBChooseFont(FontObject& oFont, HDC& hDC, HWND lngOwner, std::int32_t& lngColor,
                                 std::int32_t lngMinSize, std::int32_t lngMaxSize, std::int32_t& lngFlags,
                                 bool, DialogEventSink* oEventSink)
{
    m_APIReturn = 0;
    m_ExtendedError = 0;
    DWORD flags = DWORD(lngFlags);
    if (!hDC && (flags & CF_PRINTERFONTS))
        hDC = m_api->PrinterDC();
    if (hDC)
        flags |= CF_PRINTERFONTS;
    if (!(flags & CF_PRINTERFONTS))
        flags |= CF_SCREENFONTS;
    if (lngColor != 0)
        flags |= CF_EFFECTS;
    if (lngMinSize != 0 || lngMaxSize != 0)
        flags |= CF_LIMITSIZE;
    flags = (flags & ~(CF_ENABLEHOOK | CF_ENABLETEMPLATE | CF_APPLY)) | CF_INITTOLOGFONTSTRUCT;

    LOGFONT lf;
    lf.lfHeight = -roundLong(oFont.Size() * 20 / m_api->TwipsPerPixelY());
    lf.lfWeight = oFont.Weight();
    lf.lfItalic = oFont.Italic() ? 1 : 0;
    lf.lfUnderline = oFont.Underline() ? 1 : 0;
    lf.lfStrikeOut = oFont.Strikethrough() ? 1 : 0;
    setFaceName(lf, oFont.Name());

    CHOOSEFONT cf;
    cf.lStructSize = kChooseFontSize;
    cf.hwndOwner = lngOwner == -1 ? 0 : lngOwner;
    cf.hDC = hDC;
    cf.lpLogFont = &lf;
    cf.iPointSize = roundLong(oFont.Size() * 10);
    cf.Flags = flags;
    cf.rgbColors = COLORREF(lngColor);
    cf.nSizeMin = lngMinSize;
    cf.nSizeMax = lngMaxSize;

    m_EventSink = oEventSink;
    if (!finishCall(m_api->ChooseFontA(cf)))
        return false;
    lngFlags = std::int32_t(cf.Flags);
    lngColor = std::int32_t(cf.rgbColors);
    oFont.Bold((cf.nFontType & BOLD_FONTTYPE) != 0);
    oFont.Italic(lf.lfItalic != 0);
    oFont.Strikethrough(lf.lfStrikeOut != 0);
    oFont.Underline(lf.lfUnderline != 0);
    trySet([&] { oFont.Weight(lf.lfWeight); });
    trySet([&] { oFont.Size(cf.iPointSize / 10.0); });
    oFont.Name(faceName(lf));
    return true;
}

} // namespace pattaro
