#pragma once

#include "dialogs/dialogeventsink.h"
#include "compat/commdlg.h"
#include "compat/fontobject.h"
#include "compat/printerobject.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace pattaro {

// One object wrapping the common dialogs: colour, open and save file, file
// title, font, print and page setup. Each dialog method returns true when the
// user confirmed; a cancelled or failed dialog returns false and resets its
// outputs, and failure shows only in APIReturn and ExtendedError, never as
// an exception. An owner window of -1 means none.
class GCommonDialog {
public:
    enum PrintRange : std::int32_t { AllPages = 0, Selection = 1, PageNumbers = 2 };

    // The dialogs come from api; by default the Qt ones.
    explicit GCommonDialog(std::shared_ptr<platform::CommonDialogApi> api = {});

    // For a hook procedure of an open dialog: passes the dialog's messages
    // on to the event sink of the dialog call in progress.
    platform::LRESULT DialogHook(platform::HWND hDlg, unsigned msg, platform::WPARAM wParam,
                                 platform::LPARAM lParam);

    // Result of the last dialog call: 1 confirmed, 0 cancelled.
    std::int32_t APIReturn() const { return m_APIReturn; }
    // The reason of the last failure (a result other than 0 or 1).
    std::int32_t ExtendedError() const { return m_ExtendedError; }

    // Filter: "description|pattern|description|pattern"; a pattern may list
    // several globs separated by ";", and ":" ends a field just as "|" does.
    // A confirmed call gives back the chosen pair as description NUL pattern.
    // With several files chosen, the file name comes back as the folder and
    // the names, NUL-separated.
    bool VBGetOpenFileName(QString& strFileName, QString& strFileTitle, bool blnFileMustExist,
                           bool blnMultiSelect, bool& blnReadOnly, bool blnHideReadOnly,
                           QString& strFilter, std::int32_t& lngFilterIndex, const QString& strInitDir,
                           const QString& strDlgTitle, const QString& strDefaultExt,
                           platform::HWND lngOwner, std::int32_t& lngFlags, bool blnHook,
                           DialogEventSink* oEventSink);
    bool VBGetSaveFileName(QString& strFileName, QString& strFileTitle, bool blnOverwritePrompt,
                           QString& strFilter, std::int32_t& lngFilterIndex, const QString& strInitDir,
                           const QString& strDlgTitle, const QString& strDefaultExt,
                           platform::HWND lngOwner, std::int32_t& lngFlags, bool blnHook,
                           DialogEventSink* oEventSink);
    // The file-name part of a path; empty when the path names no file.
    QString VBGetFileTitle(const QString& strPath);

    // Colour in 0x00BBGGRR; -1 after a cancel or failure.
    bool VBChooseColor(std::int32_t& lngColor, bool blnAnyColor, bool blnFullOpen,
                       bool blnDisableFullOpen, platform::HWND lngOwner, std::int32_t lngFlags,
                       bool blnHook, DialogEventSink* oEventSink);
    // The 16 custom colours the colour dialog offers, kept across its calls.
    // Outside 0 … 15: reads -1, stores nothing.
    std::int32_t CustomColor(std::int16_t intIndex);
    void CustomColor(std::int16_t intIndex, std::int32_t lngColor);

    // hDC: empty for none; a printer's device context chooses printer fonts.
    bool VBChooseFont(platform::FontObject& oFont, platform::HDC& hDC, platform::HWND lngOwner,
                      std::int32_t& lngColor, std::int32_t lngMinSize, std::int32_t lngMaxSize,
                      std::int32_t& lngFlags, bool blnHook, DialogEventSink* oEventSink);

    bool VBPrintDlg(platform::HDC& hDC, std::int32_t& lngPrintRange, bool blnDisablePageNumbers,
                    std::int32_t& lngFromPage, std::int32_t& lngToPage, bool blnDisableSelection,
                    std::int16_t& intCopies, bool blnShowPrintToFile, bool blnDisablePrintToFile,
                    bool& blnPrintToFile, bool& blnCollate, bool blnPreventWarning,
                    platform::HWND lngOwner, platform::PrinterObject* oPrinter, std::int32_t lngFlags,
                    bool blnHook, DialogEventSink* oEventSink);

    // Margins in millimetres (blnMillimetres) or inches. The dialog starts
    // from them only when lngFlags asks for it (PSD_MARGINS, PSD_MINMARGINS).
    bool VBPageSetupDlg2(platform::HWND lngOwner, bool blnDisableMargins, bool blnDisableOrientation,
                         bool blnDisablePaper, bool blnDisablePrinter, float& sngLeftMargin,
                         float& sngMinLeftMargin, float& sngRightMargin, float& sngMinRightMargin,
                         float& sngTopMargin, float& sngMinTopMargin, float& sngBottomMargin,
                         float& sngMinBottomMargin, std::int32_t& lngPaperSize,
                         std::int32_t& lngOrientation, std::int32_t& lngPrintQuality, bool blnMillimetres,
                         platform::PrinterObject* oPrinter, std::int32_t lngFlags, bool blnHook,
                         DialogEventSink* oEventSink);
    bool VBPageSetupDlg(platform::HWND lngOwner, bool blnDisableMargins, bool blnDisableOrientation,
                        bool blnDisablePaper, bool blnDisablePrinter, std::int32_t& lngLeftMargin,
                        std::int32_t& lngMinLeftMargin, std::int32_t& lngRightMargin,
                        std::int32_t& lngMinRightMargin, std::int32_t& lngTopMargin,
                        std::int32_t& lngMinTopMargin, std::int32_t& lngBottomMargin,
                        std::int32_t& lngMinBottomMargin, std::int32_t& lngPaperSize,
                        std::int32_t& lngOrientation, std::int32_t& lngPrintQuality, bool blnMillimetres,
                        platform::PrinterObject* oPrinter, std::int32_t lngFlags, bool blnHook,
                        DialogEventSink* oEventSink);

private:
    // Keeps APIReturn, fetches the extended error for a failure, and forgets
    // the event sink. True when the user confirmed.
    bool finishCall(int result);
    void fillCustomColors();
    void updatePrinter(platform::PrinterObject* oPrinter, int copies) const;

    std::shared_ptr<platform::CommonDialogApi> m_api;
    std::int32_t m_APIReturn = 0;
    std::int32_t m_ExtendedError = 0;
    platform::CustomColors m_CustomColors{};
    bool m_CustomColorsReady = false;
    platform::DEVMODE m_PrinterSettings;
    DialogEventSink* m_EventSink = nullptr;
};

} // namespace pattaro
