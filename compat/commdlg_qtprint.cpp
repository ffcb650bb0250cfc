#include "compat/commdlg_qt.h"

#include <QDir>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <cmath>

namespace pattaro::platform {

DEVMODE QtCommonDialogApi::deviceMode(const QPrinter& printer)
{
    DEVMODE dm;
    dm.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_PRINTQUALITY | DM_COLLATE;
    dm.dmOrientation =
        printer.pageLayout().orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    // Papers without a number of their own are custom paper (DMPAPER_USER).
    const int paper = printer.pageLayout().pageSize().windowsId();
    dm.dmPaperSize = short(paper > 0 ? paper : 256);
    dm.dmCopies = short(std::min(printer.copyCount(), 0x7FFF));
    dm.dmPrintQuality = short(std::min(printer.resolution(), 0x7FFF));
    dm.dmCollate = printer.collateCopies() ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
    return dm;
}

int QtCommonDialogApi::PrintDlgA(PRINTDLG& pd)
{
    if (DWORD why = cannotOpen(pd.lStructSize, kPrintDlgSize))
        return fail(why);

    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setCopyCount(std::max<int>(pd.nCopies, 1));
    printer->setCollateCopies((pd.Flags & PD_COLLATE) != 0);
    if (pd.Flags & PD_PRINTTOFILE) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        printer->setOutputFileName(QDir(folder).filePath(QStringLiteral("print.pdf")));
    }
    if ((pd.Flags & PD_PAGENUMS) && pd.nFromPage >= 1 && pd.nFromPage <= pd.nToPage) {
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(pd.nFromPage, pd.nToPage);
    } else if (pd.Flags & PD_SELECTION) {
        printer->setPrintRange(QPrinter::Selection);
    } else if (pd.Flags & PD_CURRENTPAGE) {
        printer->setPrintRange(QPrinter::CurrentPage);
    }

    if (!(pd.Flags & PD_RETURNDEFAULT)) {
        bool confirmed = false;
        if (pd.Flags & PD_PRINTSETUP) {
            QPageSetupDialog dialog(printer.get(), owner(pd.hwndOwner));
            confirmed = dialog.exec() == QDialog::Accepted;
        } else {
            QPrintDialog dialog(printer.get(), owner(pd.hwndOwner));
            dialog.setMinMax(std::max<int>(pd.nMinPage, 1), std::max<int>(pd.nMaxPage, pd.nMinPage));
            QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintCollateCopies
                | QAbstractPrintDialog::PrintShowPageSize;
            if (!(pd.Flags & PD_NOSELECTION))
                options |= QAbstractPrintDialog::PrintSelection;
            if (!(pd.Flags & PD_NOPAGENUMS))
                options |= QAbstractPrintDialog::PrintPageRange;
            if (!(pd.Flags & (PD_DISABLEPRINTTOFILE | PD_HIDEPRINTTOFILE)))
                options |= QAbstractPrintDialog::PrintToFile;
            if (pd.Flags & PD_CURRENTPAGE)
                options |= QAbstractPrintDialog::PrintCurrentPage;
            dialog.setOptions(options);
            confirmed = dialog.exec() == QDialog::Accepted;
        }
        if (!confirmed)
            return finish(false);
    }

    DWORD flags = pd.Flags & ~(PD_SELECTION | PD_PAGENUMS | PD_CURRENTPAGE | PD_PRINTTOFILE | PD_COLLATE);
    switch (printer->printRange()) {
    case QPrinter::Selection: flags |= PD_SELECTION; break;
    case QPrinter::PageRange: flags |= PD_PAGENUMS; break;
    case QPrinter::CurrentPage: flags |= PD_CURRENTPAGE; break;
    case QPrinter::AllPages: break;
    }
    if (!printer->outputFileName().isEmpty())
        flags |= PD_PRINTTOFILE;
    if (printer->fromPage() > 0) {
        pd.nFromPage = WORD(std::min(printer->fromPage(), 0xFFFF));
        pd.nToPage = WORD(std::min(printer->toPage(), 0xFFFF));
    }
    const DEVMODE dm = deviceMode(*printer);
    // Copies and collation travel in the device-mode block when asked to.
    if (flags & PD_USEDEVMODECOPIESANDCOLLATE) {
        pd.nCopies = 1;
    } else {
        pd.nCopies = WORD(std::min(printer->copyCount(), 0xFFFF));
        if (printer->collateCopies())
            flags |= PD_COLLATE;
    }
    pd.Flags = flags;
    pd.hDevMode = dm;
    if (flags & PD_RETURNDC)
        pd.hDC = printer;
    return finish(true);
}

int QtCommonDialogApi::PageSetupDlgA(PAGESETUPDLG& psd)
{
    if (DWORD why = cannotOpen(psd.lStructSize, kPageSetupDlgSize))
        return fail(why);

    const bool mm = (psd.Flags & PSD_INHUNDREDTHSOFMILLIMETERS) != 0;
    const QPageLayout::Unit unit = mm ? QPageLayout::Millimeter : QPageLayout::Inch;
    const double factor = mm ? 100 : 1000;
    auto toMargins = [factor](const RECT& r) {
        return QMarginsF(r.Left / factor, r.Top / factor, r.Right / factor, r.Bottom / factor);
    };

    QPrinter printer(QPrinter::HighResolution);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(unit);
    if (psd.Flags & PSD_MINMARGINS)
        layout.setMinimumMargins(toMargins(psd.rtMinMargin));
    if (psd.Flags & PSD_MARGINS)
        layout.setMargins(toMargins(psd.rtMargin));
    printer.setPageLayout(layout);

    if (!(psd.Flags & PSD_RETURNDEFAULT)) {
        QPageSetupDialog dialog(&printer, owner(psd.hwndOwner));
        if (dialog.exec() != QDialog::Accepted)
            return finish(false);
        // Qt's dialog cannot lock its parts; a locked part keeps what it had.
        QPageLayout chosen = printer.pageLayout();
        chosen.setUnits(unit);
        if (psd.Flags & PSD_DISABLEORIENTATION)
            chosen.setOrientation(layout.orientation());
        if (psd.Flags & PSD_DISABLEPAPER)
            chosen.setPageSize(layout.pageSize(), layout.minimumMargins());
        if (psd.Flags & PSD_DISABLEMARGINS)
            chosen.setMargins(layout.margins());
        printer.setPageLayout(chosen);
    }

    const QMarginsF margins = printer.pageLayout().margins(unit);
    psd.rtMargin = {LONG(std::lround(margins.left() * factor)), LONG(std::lround(margins.top() * factor)),
                    LONG(std::lround(margins.right() * factor)), LONG(std::lround(margins.bottom() * factor))};
    psd.hDevMode = deviceMode(printer);
    return finish(true);
}

} // namespace pattaro::platform
