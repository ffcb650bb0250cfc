#include "compat/commdlg_qt.h"

#include <QApplication>
#include <QColorDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace pattaro::platform {

int QtCommonDialogApi::fail(DWORD error)
{
    m_lastError = error;
    return kDialogFailed;
}

int QtCommonDialogApi::finish(bool confirmed)
{
    m_lastError = 0;
    return confirmed ? kDialogConfirmed : kDialogCancelled;
}

DWORD QtCommonDialogApi::cannotOpen(DWORD structSize, DWORD expectedSize)
{
    if (structSize != expectedSize)
        return CDERR_STRUCTSIZE;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return CDERR_INITIALIZATION;
    return 0;
}

QWidget* QtCommonDialogApi::owner(HWND hwnd)
{
    return hwnd == 0 ? nullptr : QWidget::find(WId(hwnd));
}

int QtCommonDialogApi::ChooseColorA(CHOOSECOLOR& cc)
{
    if (DWORD why = cannotOpen(cc.lStructSize, kChooseColorSize))
        return fail(why);
    if (!cc.lpCustColors)
        return fail(CDERR_INITIALIZATION);

    // Qt keeps one custom colour table for the whole program; each caller
    // has its own, so it is swapped in and read back around the dialog.
    CustomColors& custom = *cc.lpCustColors;
    const int count = std::min<int>(QColorDialog::customCount(), int(custom.size()));
    for (int i = 0; i < count; ++i)
        QColorDialog::setCustomColor(i, toQColor(custom[std::size_t(i)]));

    QColorDialog dialog(owner(cc.hwndOwner));
    // The desktop's own colour dialogs ignore Qt's custom colour table.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor((cc.Flags & CC_RGBINIT) ? toQColor(cc.rgbResult) : QColor(Qt::black));
    const bool confirmed = dialog.exec() == QDialog::Accepted;

    for (int i = 0; i < count; ++i)
        custom[std::size_t(i)] = fromQColor(QColorDialog::customColor(i));
    if (confirmed)
        cc.rgbResult = fromQColor(dialog.selectedColor());
    return finish(confirmed);
}

HDC QtCommonDialogApi::PrinterDC()
{
    return std::make_shared<QPrinter>(QPrinter::HighResolution);
}

double QtCommonDialogApi::TwipsPerPixelY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

void QtCommonDialogApi::SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong)
{
    if (QWidget* window = owner(hWnd))
        window->setProperty(QByteArray("windowLong") + QByteArray::number(nIndex), dwNewLong);
}

} // namespace pattaro::platform
