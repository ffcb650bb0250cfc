#include "dialogs/gcommondialog.h"

#include "dialogs/roundlong.h"
#include "dialogs/tryset.h"

#include <algorithm>

namespace pattaro {

using namespace platform;

namespace {

WORD toWord(std::int32_t value)
{
    return WORD(std::clamp<std::int32_t>(value, 0, 0xFFFF));
}


} // namespace

void GCommonDialog::updatePrinter(PrinterObject* oPrinter, int copies) const
{
    if (!oPrinter)
        return;
    const DEVMODE& dm = m_PrinterSettings;
    trySet([&] { oPrinter->Copies(copies); });
    trySet([&] { oPrinter->Orientation(dm.dmOrientation); });
    trySet([&] { oPrinter->PaperSize(dm.dmPaperSize); });
    trySet([&] { oPrinter->PrintQuality(dm.dmPrintQuality); });
}

bool GCommonDialog::VBPrintDlg(HDC& hDC, std::int32_t& lngPrintRange, bool blnDisablePageNumbers,
                               std::int32_t& lngFromPage, std::int32_t& lngToPage, bool blnDisableSelection,
                               std::int16_t& intCopies, bool blnShowPrintToFile, bool blnDisablePrintToFile,
                               bool& blnPrintToFile, bool& blnCollate, bool blnPreventWarning, HWND lngOwner,
                               PrinterObject* oPrinter, std::int32_t lngFlags, bool,
                               DialogEventSink* oEventSink)
{
    m_APIReturn = 0;
    m_ExtendedError = 0;
    DWORD flags = DWORD(lngFlags) | PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE;
    if (blnDisablePageNumbers)
        flags |= PD_NOPAGENUMS;
    if (blnDisablePrintToFile)
        flags |= PD_DISABLEPRINTTOFILE;
    if (blnDisableSelection)
        flags |= PD_NOSELECTION;
    if (blnPrintToFile)
        flags |= PD_PRINTTOFILE;
    if (!blnShowPrintToFile)
        flags |= PD_HIDEPRINTTOFILE;
    if (blnPreventWarning)
        flags |= PD_NOWARNING;
    if (blnCollate)
        flags |= PD_COLLATE;
    if (lngPrintRange == Selection)
        flags |= PD_SELECTION;
    else if (lngPrintRange == PageNumbers)
        flags |= PD_PAGENUMS;
    flags &= ~(PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK | PD_ENABLEPRINTTEMPLATE | PD_ENABLESETUPTEMPLATE);

    PRINTDLG pd;
    pd.lStructSize = kPrintDlgSize;
    pd.hwndOwner = lngOwner == -1 ? 0 : lngOwner;
    pd.Flags = flags;
    pd.nFromPage = toWord(lngFromPage);
    pd.nToPage = toWord(lngToPage);
    pd.nMinPage = 1;
    pd.nMaxPage = 0xFFFF;
    pd.nCopies = toWord(intCopies);

    m_EventSink = oEventSink;
    if (!finishCall(m_api->PrintDlgA(pd)))
        return false;
    hDC = pd.hDC;
    lngPrintRange = (pd.Flags & PD_SELECTION) ? Selection : (pd.Flags & PD_PAGENUMS) ? PageNumbers : AllPages;
    lngFromPage = pd.nFromPage;
    lngToPage = pd.nToPage;
    blnPrintToFile = (pd.Flags & PD_PRINTTOFILE) != 0;
    if (pd.hDevMode)
        m_PrinterSettings = *pd.hDevMode;
    if (pd.Flags & PD_COLLATE) {
        intCopies = std::int16_t(std::min<int>(pd.nCopies, 0x7FFF));
        blnCollate = true;
    } else {
        intCopies = m_PrinterSettings.dmCopies;
        blnCollate = m_PrinterSettings.dmCollate == DMCOLLATE_TRUE;
    }
    updatePrinter(oPrinter, intCopies);
    return true;
}

bool GCommonDialog::VBPageSetupDlg2(HWND lngOwner, bool blnDisableMargins, bool blnDisableOrientation,
                                    bool blnDisablePaper, bool blnDisablePrinter, float& sngLeftMargin,
                                    float& sngMinLeftMargin, float& sngRightMargin, float& sngMinRightMargin,
                                    float& sngTopMargin, float& sngMinTopMargin, float& sngBottomMargin,
                                    float& sngMinBottomMargin, std::int32_t& lngPaperSize,
                                    std::int32_t& lngOrientation, std::int32_t& lngPrintQuality,
                                    bool blnMillimetres, PrinterObject* oPrinter, std::int32_t lngFlags, bool,
                                    DialogEventSink* oEventSink)
{
    m_APIReturn = 0;
    m_ExtendedError = 0;
    // The unit is ours to choose; a caller's unit flag would contradict it.
    DWORD flags = DWORD(lngFlags) & ~(PSD_INTHOUSANDTHSOFINCHES | PSD_INHUNDREDTHSOFMILLIMETERS);
    if (blnDisableMargins)
        flags |= PSD_DISABLEMARGINS;
    if (blnDisableOrientation)
        flags |= PSD_DISABLEORIENTATION;
    if (blnDisablePaper)
        flags |= PSD_DISABLEPAPER;
    if (blnDisablePrinter)
        flags |= PSD_DISABLEPRINTER;
    flags |= blnMillimetres ? PSD_INHUNDREDTHSOFMILLIMETERS : PSD_INTHOUSANDTHSOFINCHES;
    const double factor = blnMillimetres ? 100 : 1000;
    auto toUnits = [factor](float margin) { return roundLong(double(margin) * factor); };

    PAGESETUPDLG psd;
    psd.lStructSize = kPageSetupDlgSize;
    psd.hwndOwner = lngOwner == -1 ? 0 : lngOwner;
    psd.Flags = flags;
    psd.rtMargin = {toUnits(sngLeftMargin), toUnits(sngTopMargin), toUnits(sngRightMargin),
                    toUnits(sngBottomMargin)};
    psd.rtMinMargin = {toUnits(sngMinLeftMargin), toUnits(sngMinTopMargin), toUnits(sngMinRightMargin),
                       toUnits(sngMinBottomMargin)};

    m_EventSink = oEventSink;
    if (!finishCall(m_api->PageSetupDlgA(psd)))
        return false;
    auto fromUnits = [factor](LONG value) { return float(value / factor); };
    sngLeftMargin = fromUnits(psd.rtMargin.Left);
    sngTopMargin = fromUnits(psd.rtMargin.Top);
    sngRightMargin = fromUnits(psd.rtMargin.Right);
    sngBottomMargin = fromUnits(psd.rtMargin.Bottom);
    sngMinLeftMargin = fromUnits(psd.rtMinMargin.Left);
    sngMinTopMargin = fromUnits(psd.rtMinMargin.Top);
    sngMinRightMargin = fromUnits(psd.rtMinMargin.Right);
    sngMinBottomMargin = fromUnits(psd.rtMinMargin.Bottom);
    if (psd.hDevMode)
        m_PrinterSettings = *psd.hDevMode;
    lngPaperSize = m_PrinterSettings.dmPaperSize;
    lngOrientation = m_PrinterSettings.dmOrientation;
    lngPrintQuality = m_PrinterSettings.dmPrintQuality;
    updatePrinter(oPrinter, m_PrinterSettings.dmCopies);
    return true;
}

bool GCommonDialog::VBPageSetupDlg(HWND lngOwner, bool blnDisableMargins, bool blnDisableOrientation,
                                   bool blnDisablePaper, bool blnDisablePrinter, std::int32_t& lngLeftMargin,
                                   std::int32_t& lngMinLeftMargin, std::int32_t& lngRightMargin,
                                   std::int32_t& lngMinRightMargin, std::int32_t& lngTopMargin,
                                   std::int32_t& lngMinTopMargin, std::int32_t& lngBottomMargin,
                                   std::int32_t& lngMinBottomMargin, std::int32_t& lngPaperSize,
                                   std::int32_t& lngOrientation, std::int32_t& lngPrintQuality,
                                   bool blnMillimetres, PrinterObject* oPrinter, std::int32_t lngFlags,
                                   bool blnHook, DialogEventSink* oEventSink)
{
    float left = float(lngLeftMargin), minLeft = float(lngMinLeftMargin);
    float right = float(lngRightMargin), minRight = float(lngMinRightMargin);
    float top = float(lngTopMargin), minTop = float(lngMinTopMargin);
    float bottom = float(lngBottomMargin), minBottom = float(lngMinBottomMargin);
    const bool confirmed = VBPageSetupDlg2(lngOwner, blnDisableMargins, blnDisableOrientation, blnDisablePaper,
                                           blnDisablePrinter, left, minLeft, right, minRight, top, minTop,
                                           bottom, minBottom, lngPaperSize, lngOrientation, lngPrintQuality,
                                           blnMillimetres, oPrinter, lngFlags, blnHook, oEventSink);
    lngLeftMargin = roundLong(left);
    lngMinLeftMargin = roundLong(minLeft);
    lngRightMargin = roundLong(right);
    lngMinRightMargin = roundLong(minRight);
    lngTopMargin = roundLong(top);
    lngMinTopMargin = roundLong(minTop);
    lngBottomMargin = roundLong(bottom);
    lngMinBottomMargin = roundLong(minBottom);
    return confirmed;
}

} // namespace pattaro
