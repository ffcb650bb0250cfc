#pragma once

#include "compat/commdlg.h"

#include <functional>
#include <tuple>
#include <vector>

namespace pattaro::testing {

// Text with NUL characters written as "~".
inline QString nul(const char* text)
{
    return QString::fromUtf8(text).replace(u'~', QChar(0));
}

// Stands in for the dialogs: keeps a copy of every record as it was handed
// over, then lets the test play the user. Without a script every dialog is
// cancelled.
class ScriptedCommonDialogApi : public platform::CommonDialogApi {
public:
    template <class Record>
    using Script = std::function<int(Record&)>;

    Script<platform::CHOOSECOLOR> onChooseColor;
    Script<platform::OPENFILENAME> onOpen;
    Script<platform::OPENFILENAME> onSave;
    Script<platform::CHOOSEFONT> onChooseFont;
    Script<platform::PRINTDLG> onPrint;
    Script<platform::PAGESETUPDLG> onPageSetup;

    std::vector<platform::CHOOSECOLOR> colorCalls;
    // The custom colour table as the colour dialog found it, per call.
    std::vector<platform::CustomColors> customColorsSeen;
    std::vector<platform::OPENFILENAME> openCalls;
    std::vector<platform::OPENFILENAME> saveCalls;
    std::vector<platform::CHOOSEFONT> fontCalls;
    std::vector<platform::LOGFONT> logFontsSeen;
    std::vector<platform::PRINTDLG> printCalls;
    std::vector<platform::PAGESETUPDLG> pageSetupCalls;
    std::vector<std::tuple<platform::HWND, int, platform::LONG>> windowLongs;

    platform::DWORD extendedError = 0;
    double twipsPerPixelY = 15;
    platform::HDC printerDC;
    int printerDCRequests = 0;

    int ChooseColorA(platform::CHOOSECOLOR& cc) override
    {
        colorCalls.push_back(cc);
        if (cc.lpCustColors)
            customColorsSeen.push_back(*cc.lpCustColors);
        return onChooseColor ? onChooseColor(cc) : platform::kDialogCancelled;
    }
    int GetOpenFileNameA(platform::OPENFILENAME& ofn) override
    {
        openCalls.push_back(ofn);
        return onOpen ? onOpen(ofn) : platform::kDialogCancelled;
    }
    int GetSaveFileNameA(platform::OPENFILENAME& ofn) override
    {
        saveCalls.push_back(ofn);
        return onSave ? onSave(ofn) : platform::kDialogCancelled;
    }
    int ChooseFontA(platform::CHOOSEFONT& cf) override
    {
        fontCalls.push_back(cf);
        if (cf.lpLogFont)
            logFontsSeen.push_back(*cf.lpLogFont);
        return onChooseFont ? onChooseFont(cf) : platform::kDialogCancelled;
    }
    int PrintDlgA(platform::PRINTDLG& pd) override
    {
        printCalls.push_back(pd);
        return onPrint ? onPrint(pd) : platform::kDialogCancelled;
    }
    int PageSetupDlgA(platform::PAGESETUPDLG& psd) override
    {
        pageSetupCalls.push_back(psd);
        return onPageSetup ? onPageSetup(psd) : platform::kDialogCancelled;
    }
    platform::DWORD CommDlgExtendedError() override { return extendedError; }
    platform::HDC PrinterDC() override
    {
        ++printerDCRequests;
        return printerDC;
    }
    double TwipsPerPixelY() override { return twipsPerPixelY; }
    void SetWindowLongA(platform::HWND hWnd, int nIndex, platform::LONG value) override
    {
        windowLongs.emplace_back(hWnd, nIndex, value);
    }
};

} // namespace pattaro::testing
