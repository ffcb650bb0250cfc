#include "compat/commdlg_qt.h"
#include "compat/commdlg_qtfilters.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace pattaro::platform {

namespace {

// What the dialog hands back in the file buffer: one path, or for several
// files the folder and then each name, every part ended by NUL and the list
// by one more.
QString fileBuffer(const QStringList& files)
{
    const QChar nul(0);
    if (files.size() == 1)
        return files.first() + nul;
    QString buffer = QFileInfo(files.first()).absolutePath() + nul;
    for (const QString& file : files)
        buffer += QFileInfo(file).fileName() + nul;
    return buffer + nul;
}

} // namespace

int QtCommonDialogApi::GetOpenFileNameA(OPENFILENAME& ofn)
{
    return fileDialog(ofn, false);
}

int QtCommonDialogApi::GetSaveFileNameA(OPENFILENAME& ofn)
{
    return fileDialog(ofn, true);
}

int QtCommonDialogApi::fileDialog(OPENFILENAME& ofn, bool save)
{
    if (DWORD why = cannotOpen(ofn.lStructSize, kOpenFileNameSize))
        return fail(why);
    const qsizetype nameEnd = ofn.lpstrFile.left(ofn.nMaxFile).indexOf(QChar(0));
    if (nameEnd < 0)
        return fail(FNERR_INVALIDFILENAME);

    QFileDialog dialog(owner(ofn.hwndOwner), ofn.lpstrTitle, ofn.lpstrInitialDir);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (ofn.Flags & OFN_ALLOWMULTISELECT)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode((ofn.Flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(ofn.Flags & OFN_OVERWRITEPROMPT));
    dialog.setOption(QFileDialog::DontResolveSymlinks, (ofn.Flags & OFN_NODEREFERENCELINKS) != 0);
    // Only the descriptions show, as they did in the dialogs the filters were written for.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (ofn.Flags & OFN_FORCESHOWHIDDEN)
        dialog.setFilter(dialog.filter() | QDir::Hidden);
    if (!ofn.lpstrDefExt.isEmpty())
        dialog.setDefaultSuffix(ofn.lpstrDefExt);
    const QStringList filters = qtNameFilters(splitNulList(ofn.lpstrFilter));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (ofn.nFilterIndex >= 1 && ofn.nFilterIndex <= DWORD(filters.size()))
            dialog.selectNameFilter(filters.at(qsizetype(ofn.nFilterIndex) - 1));
    }
    if (nameEnd > 0)
        dialog.selectFile(ofn.lpstrFile.left(nameEnd));

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return finish(false);

    const QStringList files = dialog.selectedFiles();
    const QString buffer = fileBuffer(files);
    const QString title = QFileInfo(files.first()).fileName() + QChar(0);
    if (buffer.size() > qsizetype(ofn.nMaxFile)
        || (ofn.nMaxFileTitle > 0 && title.size() > qsizetype(ofn.nMaxFileTitle)))
        return fail(FNERR_BUFFERTOOSMALL);
    ofn.lpstrFile = buffer.leftJustified(ofn.nMaxFile, QChar(0));
    if (ofn.nMaxFileTitle > 0)
        ofn.lpstrFileTitle = title.leftJustified(ofn.nMaxFileTitle, QChar(0));
    if (!filters.isEmpty())
        ofn.nFilterIndex = DWORD(filters.indexOf(dialog.selectedNameFilter()) + 1);
    const bool otherExtension = !ofn.lpstrDefExt.isEmpty()
        && QFileInfo(files.first()).suffix().compare(ofn.lpstrDefExt, Qt::CaseInsensitive) != 0;
    ofn.Flags = otherExtension ? (ofn.Flags | OFN_EXTENSIONDIFFERENT) : (ofn.Flags & ~OFN_EXTENSIONDIFFERENT);
    return finish(true);
}

} // namespace pattaro::platform
