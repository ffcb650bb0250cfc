#pragma once

#include "compat/commdlg.h"

class QPrinter;
class QWidget;

namespace pattaro::platform {

// The common dialog calls on Qt's own dialogs. The flags with a Qt
// counterpart are honoured; the rest (help buttons, dithered colours,
// network buttons) have no meaning here and are ignored.
class QtCommonDialogApi : public CommonDialogApi {
public:
    int ChooseColorA(CHOOSECOLOR& cc) override;
    int GetOpenFileNameA(OPENFILENAME& ofn) override;
    int GetSaveFileNameA(OPENFILENAME& ofn) override;
    int ChooseFontA(CHOOSEFONT& cf) override;
    int PrintDlgA(PRINTDLG& pd) override;
    int PageSetupDlgA(PAGESETUPDLG& psd) override;
    DWORD CommDlgExtendedError() override { return m_lastError; }
    HDC PrinterDC() override;
    double TwipsPerPixelY() override;
    void SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) override;

private:
    int fail(DWORD error);
    int finish(bool confirmed);
    // Why a dialog cannot open at all: a wrong record size or no widget
    // application to show it in; 0 when it can.
    static DWORD cannotOpen(DWORD structSize, DWORD expectedSize);
    static QWidget* owner(HWND hwnd);
    static DEVMODE deviceMode(const QPrinter& printer);
    int fileDialog(OPENFILENAME& ofn, bool save);

    DWORD m_lastError = 0;
};

} // namespace pattaro::platform
