#include "dialogs/gcommondialog.h"

#include "compat/commdlg_qt.h"
#include "compat/syscolors.h"

namespace pattaro {

using namespace platform;

GCommonDialog::GCommonDialog(std::shared_ptr<CommonDialogApi> api)
    : m_api(api ? std::move(api) : std::make_shared<QtCommonDialogApi>())
{
}

bool GCommonDialog::finishCall(int result)
{
    m_APIReturn = result;
    if (result != kDialogConfirmed && result != kDialogCancelled)
        m_ExtendedError = std::int32_t(m_api->CommDlgExtendedError());
    m_EventSink = nullptr;
    return result == kDialogConfirmed;
}

LRESULT GCommonDialog::DialogHook(HWND hDlg, unsigned msg, WPARAM, LPARAM lParam)
{
    if (!m_EventSink)
        return 0;
    switch (msg) {
    case WM_INITDIALOG:
        m_EventSink->InitDialog(hDlg);
        break;
    case WM_NCDESTROY:
        m_EventSink->DialogClose();
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (!header)
            break;
        switch (header->code) {
        case CDN_SELCHANGE:
            m_EventSink->FileChange(hDlg);
            break;
        case CDN_FOLDERCHANGE:
            m_EventSink->FolderChange(hDlg);
            break;
        case CDN_TYPECHANGE:
            m_EventSink->TypeChange(hDlg);
            break;
        case CDN_FILEOK:
            if (!m_EventSink->ConfirmOK()) {
                m_api->SetWindowLongA(hDlg, DWL_MSGRESULT, 1);
                return 1;
            }
            m_api->SetWindowLongA(hDlg, DWL_MSGRESULT, 0);
            break;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    return 0;
}

void GCommonDialog::fillCustomColors()
{
    if (m_CustomColorsReady)
        return;
    for (int i = 0; i < int(m_CustomColors.size()); ++i)
        m_CustomColors[std::size_t(i)] = GetSysColor(i);
    m_CustomColorsReady = true;
}

std::int32_t GCommonDialog::CustomColor(std::int16_t intIndex)
{
    fillCustomColors();
    if (intIndex < 0 || intIndex >= std::int16_t(m_CustomColors.size()))
        return -1;
    return std::int32_t(m_CustomColors[std::size_t(intIndex)]);
}

void GCommonDialog::CustomColor(std::int16_t intIndex, std::int32_t lngColor)
{
    fillCustomColors();
    if (intIndex < 0 || intIndex >= std::int16_t(m_CustomColors.size()))
        return;
    m_CustomColors[std::size_t(intIndex)] = COLORREF(lngColor);
}

bool GCommonDialog::VBChooseColor(std::int32_t& lngColor, bool blnAnyColor, bool blnFullOpen,
                                  bool blnDisableFullOpen, HWND lngOwner, std::int32_t, bool,
                                  DialogEventSink*)
{
    fillCustomColors();
    CHOOSECOLOR cc;
    cc.lStructSize = kChooseColorSize;
    cc.hwndOwner = lngOwner == -1 ? 0 : lngOwner;
    cc.rgbResult = COLORREF(lngColor);
    cc.lpCustColors = &m_CustomColors;
    DWORD flags = (blnAnyColor ? CC_ANYCOLOR : CC_SOLIDCOLOR) | CC_RGBINIT;
    if (blnFullOpen)
        flags |= CC_FULLOPEN;
    if (blnDisableFullOpen)
        flags |= CC_PREVENTFULLOPEN;
    cc.Flags = flags & ~(CC_ENABLEHOOK | CC_ENABLETEMPLATE);

    if (finishCall(m_api->ChooseColorA(cc))) {
        lngColor = std::int32_t(cc.rgbResult);
        return true;
    }
    lngColor = -1;
    return false;
}

} // namespace pattaro
