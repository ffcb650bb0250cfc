#pragma once

#include "compat/handles.h"
#include "compat/olecolor.h"

#include "compat/rect.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QPagedPaintDevice;

namespace pattaro::platform {

// The common dialog calls and their records, shaped like the platform
// headers the dialog wrapper was written against. Records carry only the
// fields something here reads or writes: there are no dialog templates or
// hook procedures on this side, so those fields are gone; memory handles are
// plain values.

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using COLORREF = OleColor;
// A device context: the printer (or other paged device) to draw on.
using HDC = std::shared_ptr<QPagedPaintDevice>;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Result of a dialog call: confirmed, cancelled, or failed (then
// CommDlgExtendedError says why).
inline constexpr int kDialogConfirmed = 1;
inline constexpr int kDialogCancelled = 0;
inline constexpr int kDialogFailed = -1;

// Extended errors.
inline constexpr DWORD CDERR_STRUCTSIZE = 0x0001;
inline constexpr DWORD CDERR_INITIALIZATION = 0x0002;
inline constexpr DWORD PDERR_NODEFAULTPRN = 0x1008;
inline constexpr DWORD CFERR_MAXLESSTHANMIN = 0x2002;
inline constexpr DWORD FNERR_INVALIDFILENAME = 0x3002;
inline constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

// Messages and notifications a dialog hook sees.
inline constexpr unsigned WM_NOTIFY = 0x004E;
inline constexpr unsigned WM_NCDESTROY = 0x0082;
inline constexpr unsigned WM_INITDIALOG = 0x0110;
inline constexpr int CDN_SELCHANGE = -602;
inline constexpr int CDN_FOLDERCHANGE = -603;
inline constexpr int CDN_FILEOK = -606;
inline constexpr int CDN_TYPECHANGE = -607;
inline constexpr int DWL_MSGRESULT = 0;

struct NMHDR {
    HWND hwndFrom = 0;
    std::uintptr_t idFrom = 0;
    int code = 0;
};

// ---- Colour ----
inline constexpr DWORD CC_RGBINIT = 0x1;
inline constexpr DWORD CC_FULLOPEN = 0x2;
inline constexpr DWORD CC_PREVENTFULLOPEN = 0x4;
inline constexpr DWORD CC_ENABLEHOOK = 0x10;
inline constexpr DWORD CC_ENABLETEMPLATE = 0x20;
inline constexpr DWORD CC_SOLIDCOLOR = 0x80;
inline constexpr DWORD CC_ANYCOLOR = 0x100;

using CustomColors = std::array<COLORREF, 16>;

struct CHOOSECOLOR {
    DWORD lStructSize = 0;
    HWND hwndOwner = 0;
    COLORREF rgbResult = 0;
    // The caller's table; the dialog writes the user's custom colours back.
    CustomColors* lpCustColors = nullptr;
    DWORD Flags = 0;
};
inline constexpr DWORD kChooseColorSize = 36;

// ---- Open / save ----
inline constexpr DWORD OFN_READONLY = 0x1;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x2;
inline constexpr DWORD OFN_HIDEREADONLY = 0x4;
inline constexpr DWORD OFN_ENABLEHOOK = 0x20;
inline constexpr DWORD OFN_ENABLETEMPLATE = 0x40;
inline constexpr DWORD OFN_ALLOWMULTISELECT = 0x200;
inline constexpr DWORD OFN_EXTENSIONDIFFERENT = 0x400;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;
inline constexpr DWORD OFN_NODEREFERENCELINKS = 0x100000;
inline constexpr DWORD OFN_FORCESHOWHIDDEN = 0x10000000;

// Text buffers are QStrings holding NUL characters, as the platform's
// character buffers did: a buffer of nMaxFile characters, text ended by NUL.
struct OPENFILENAME {
    DWORD lStructSize = 0;
    HWND hwndOwner = 0;
    // Description NUL pattern NUL … NUL.
    QString lpstrFilter;
    DWORD nFilterIndex = 0;
    QString lpstrFile;
    DWORD nMaxFile = 0;
    QString lpstrFileTitle;
    DWORD nMaxFileTitle = 0;
    QString lpstrInitialDir;
    QString lpstrTitle;
    DWORD Flags = 0;
    QString lpstrDefExt;
};
inline constexpr DWORD kOpenFileNameSize = 76;

// ---- Font ----
inline constexpr DWORD CF_SCREENFONTS = 0x1;
inline constexpr DWORD CF_PRINTERFONTS = 0x2;
inline constexpr DWORD CF_ENABLEHOOK = 0x8;
inline constexpr DWORD CF_ENABLETEMPLATE = 0x10;
inline constexpr DWORD CF_INITTOLOGFONTSTRUCT = 0x40;
inline constexpr DWORD CF_EFFECTS = 0x100;
inline constexpr DWORD CF_APPLY = 0x200;
inline constexpr DWORD CF_LIMITSIZE = 0x2000;
inline constexpr DWORD CF_FIXEDPITCHONLY = 0x4000;
inline constexpr DWORD CF_SCALABLEONLY = 0x20000;
inline constexpr DWORD CF_TTONLY = 0x40000;

inline constexpr WORD BOLD_FONTTYPE = 0x100;
inline constexpr WORD ITALIC_FONTTYPE = 0x200;
inline constexpr WORD REGULAR_FONTTYPE = 0x400;
inline constexpr WORD SCREEN_FONTTYPE = 0x2000;
inline constexpr WORD PRINTER_FONTTYPE = 0x4000;

inline constexpr int LF_FACESIZE = 32;

struct LOGFONT {
    LONG lfHeight = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    // UTF-16 rather than the old 8-bit code page, so that names such as
    // 宋体 survive the trip.
    std::array<char16_t, LF_FACESIZE> lfFaceName{};
};

// Into the face-name field: at most 31 characters, NUL padded.
void setFaceName(LOGFONT& lf, const QString& name);
// Out of the face-name field: the text up to its first NUL.
QString faceName(const LOGFONT& lf);

struct CHOOSEFONT {
    DWORD lStructSize = 0;
    HWND hwndOwner = 0;
    HDC hDC;
    LOGFONT* lpLogFont = nullptr;
    // Tenths of a point; set by the dialog.
    int iPointSize = 0;
    DWORD Flags = 0;
    COLORREF rgbColors = 0;
    WORD nFontType = 0;
    int nSizeMin = 0;
    int nSizeMax = 0;
};
inline constexpr DWORD kChooseFontSize = 60;

// ---- Printer settings ----
inline constexpr DWORD DM_ORIENTATION = 0x1;
inline constexpr DWORD DM_PAPERSIZE = 0x2;
inline constexpr DWORD DM_COPIES = 0x100;
inline constexpr DWORD DM_PRINTQUALITY = 0x400;
inline constexpr DWORD DM_COLLATE = 0x8000;
inline constexpr short DMORIENT_PORTRAIT = 1;
inline constexpr short DMORIENT_LANDSCAPE = 2;
inline constexpr short DMCOLLATE_FALSE = 0;
inline constexpr short DMCOLLATE_TRUE = 1;

// The fields of the device-mode block that are read back.
struct DEVMODE {
    DWORD dmFields = 0;
    short dmOrientation = 0;
    short dmPaperSize = 0;
    short dmCopies = 0;
    short dmPrintQuality = 0;
    short dmCollate = 0;
};

// ---- Print ----
inline constexpr DWORD PD_SELECTION = 0x1;
inline constexpr DWORD PD_PAGENUMS = 0x2;
inline constexpr DWORD PD_NOSELECTION = 0x4;
inline constexpr DWORD PD_NOPAGENUMS = 0x8;
inline constexpr DWORD PD_COLLATE = 0x10;
inline constexpr DWORD PD_PRINTTOFILE = 0x20;
inline constexpr DWORD PD_PRINTSETUP = 0x40;
inline constexpr DWORD PD_NOWARNING = 0x80;
inline constexpr DWORD PD_RETURNDC = 0x100;
inline constexpr DWORD PD_RETURNDEFAULT = 0x400;
inline constexpr DWORD PD_ENABLEPRINTHOOK = 0x1000;
inline constexpr DWORD PD_ENABLESETUPHOOK = 0x2000;
inline constexpr DWORD PD_ENABLEPRINTTEMPLATE = 0x4000;
inline constexpr DWORD PD_ENABLESETUPTEMPLATE = 0x8000;
inline constexpr DWORD PD_USEDEVMODECOPIESANDCOLLATE = 0x40000;
inline constexpr DWORD PD_DISABLEPRINTTOFILE = 0x80000;
inline constexpr DWORD PD_HIDEPRINTTOFILE = 0x100000;
inline constexpr DWORD PD_CURRENTPAGE = 0x400000;

struct PRINTDLG {
    DWORD lStructSize = 0;
    HWND hwndOwner = 0;
    std::optional<DEVMODE> hDevMode;
    HDC hDC;
    DWORD Flags = 0;
    WORD nFromPage = 0;
    WORD nToPage = 0;
    WORD nMinPage = 0;
    WORD nMaxPage = 0;
    WORD nCopies = 0;
};
inline constexpr DWORD kPrintDlgSize = 66;

// ---- Page setup ----
inline constexpr DWORD PSD_MINMARGINS = 0x1;
inline constexpr DWORD PSD_MARGINS = 0x2;
inline constexpr DWORD PSD_INTHOUSANDTHSOFINCHES = 0x4;
inline constexpr DWORD PSD_INHUNDREDTHSOFMILLIMETERS = 0x8;
inline constexpr DWORD PSD_DISABLEMARGINS = 0x10;
inline constexpr DWORD PSD_DISABLEPRINTER = 0x20;
inline constexpr DWORD PSD_DISABLEORIENTATION = 0x100;
inline constexpr DWORD PSD_DISABLEPAPER = 0x200;
inline constexpr DWORD PSD_RETURNDEFAULT = 0x400;

struct PAGESETUPDLG {
    DWORD lStructSize = 0;
    HWND hwndOwner = 0;
    std::optional<DEVMODE> hDevMode;
    DWORD Flags = 0;
    RECT rtMinMargin;
    RECT rtMargin;
};
inline constexpr DWORD kPageSetupDlgSize = 84;

// The fields of a NUL-separated list (filter text, multi-selection), up to
// the double NUL that ends it. Text without a closing double NUL ends at its
// last character.
QStringList splitNulList(const QString& list);

// The common dialog calls. Each dialog takes its filled record, shows the
// dialog and writes the user's choice back into the record. Results:
// kDialogConfirmed, kDialogCancelled, or kDialogFailed with the reason in
// CommDlgExtendedError().
class CommonDialogApi {
public:
    virtual ~CommonDialogApi() = default;

    virtual int ChooseColorA(CHOOSECOLOR& cc) = 0;
    virtual int GetOpenFileNameA(OPENFILENAME& ofn) = 0;
    virtual int GetSaveFileNameA(OPENFILENAME& ofn) = 0;
    virtual int ChooseFontA(CHOOSEFONT& cf) = 0;
    virtual int PrintDlgA(PRINTDLG& pd) = 0;
    virtual int PageSetupDlgA(PAGESETUPDLG& psd) = 0;
    // Why the last dialog call failed; 0 after a success or cancel.
    virtual DWORD CommDlgExtendedError() = 0;

    // The file-name part of a path into a buffer of cchSize characters:
    // 0 on success, the size needed when the buffer is too small, negative
    // for a path that names no file. Pure path logic, no dialog.
    virtual short GetFileTitleA(const QString& lpszFile, QString& lpszTitle, WORD cchSize);

    // The default printer's device context (fonts chosen for printing).
    virtual HDC PrinterDC() = 0;
    // The screen's vertical twips per pixel, the unit of LOGFONT heights.
    virtual double TwipsPerPixelY() = 0;
    // Sets a value kept with a dialog window (DWL_MSGRESULT for a hook's answer).
    virtual void SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) = 0;
};

} // namespace pattaro::platform
