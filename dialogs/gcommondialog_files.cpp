#include "dialogs/gcommondialog.h"

namespace pattaro {

using namespace platform;

namespace {

constexpr DWORD kMaxPath = 260;
// Offered when the caller gives no filter.
const QString kAllFilesFilter = QStringLiteral("All (*.*)| *.*");

QString upToNul(const QString& buffer)
{
    const qsizetype end = buffer.indexOf(QChar(0));
    return end < 0 ? buffer : buffer.left(end);
}

// "|" and ":" both end a field; the list ends with a double NUL.
QString toNulFilter(const QString& filter)
{
    QString out = filter.isEmpty() ? kAllFilesFilter : filter;
    out.replace(u'|', QChar(0)).replace(u':', QChar(0));
    out.append(QChar(0)).append(QChar(0));
    return out;
}

// The chosen description and pattern, NUL-separated; empty when the index
// names no pair.
QString selectedFilter(const QString& nulFilter, DWORD index)
{
    const QStringList fields = splitNulList(nulFilter);
    const qsizetype first = qsizetype(index) * 2 - 2;
    if (index < 1 || first + 1 >= fields.size())
        return {};
    return fields.at(first) + QChar(0) + fields.at(first + 1);
}

// Several chosen files come back as folder NUL name NUL name; keep them all.
QString chosenFiles(const QString& buffer, bool multiSelect)
{
    if (!multiSelect)
        return upToNul(buffer);
    return splitNulList(buffer).join(QChar(0));
}

OPENFILENAME fileRecord(const QString& fileName, const QString& filter, std::int32_t filterIndex,
                        const QString& initDir, const QString& title, const QString& defaultExt,
                        HWND owner, DWORD flags)
{
    OPENFILENAME ofn;
    ofn.lStructSize = kOpenFileNameSize;
    ofn.hwndOwner = owner == -1 ? 0 : owner;
    ofn.lpstrFilter = toNulFilter(filter);
    ofn.nFilterIndex = DWORD(filterIndex);
    // A longer name keeps no room for its NUL; the dialog refuses it.
    ofn.lpstrFile = fileName.leftJustified(kMaxPath, QChar(0));
    ofn.nMaxFile = kMaxPath;
    ofn.lpstrFileTitle = QString(kMaxPath, QChar(0));
    ofn.nMaxFileTitle = kMaxPath;
    ofn.lpstrInitialDir = initDir;
    ofn.lpstrTitle = title;
    ofn.Flags = flags;
    ofn.lpstrDefExt = defaultExt;
    return ofn;
}

constexpr DWORD kNoHookOrTemplate = ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE);

} // namespace

bool GCommonDialog::VBGetOpenFileName(QString& strFileName, QString& strFileTitle, bool blnFileMustExist,
                                      bool blnMultiSelect, bool& blnReadOnly, bool blnHideReadOnly,
                                      QString& strFilter, std::int32_t& lngFilterIndex,
                                      const QString& strInitDir, const QString& strDlgTitle,
                                      const QString& strDefaultExt, HWND lngOwner, std::int32_t& lngFlags,
                                      bool, DialogEventSink* oEventSink)
{
    m_APIReturn = 0;
    m_ExtendedError = 0;
    DWORD flags = DWORD(lngFlags) & kNoHookOrTemplate;
    if (blnMultiSelect)
        flags |= OFN_ALLOWMULTISELECT;
    if (blnReadOnly)
        flags |= OFN_READONLY;
    if (blnHideReadOnly)
        flags |= OFN_HIDEREADONLY;
    if (blnFileMustExist)
        flags |= OFN_FILEMUSTEXIST;
    OPENFILENAME ofn = fileRecord(strFileName, strFilter, lngFilterIndex, strInitDir, strDlgTitle,
                                  strDefaultExt, lngOwner, flags);

    m_EventSink = oEventSink;
    if (finishCall(m_api->GetOpenFileNameA(ofn))) {
        strFileName = chosenFiles(ofn.lpstrFile, (flags & OFN_ALLOWMULTISELECT) != 0);
        strFileTitle = upToNul(ofn.lpstrFileTitle);
        lngFlags = std::int32_t(ofn.Flags);
        lngFilterIndex = std::int32_t(ofn.nFilterIndex);
        strFilter = selectedFilter(ofn.lpstrFilter, ofn.nFilterIndex);
        blnReadOnly = (ofn.Flags & OFN_READONLY) != 0;
        return true;
    }
    strFileName.clear();
    strFileTitle.clear();
    strFilter.clear();
    lngFlags = 0;
    lngFilterIndex = -1;
    return false;
}

bool GCommonDialog::VBGetSaveFileName(QString& strFileName, QString& strFileTitle, bool blnOverwritePrompt,
                                      QString& strFilter, std::int32_t& lngFilterIndex,
                                      const QString& strInitDir, const QString& strDlgTitle,
                                      const QString& strDefaultExt, HWND lngOwner, std::int32_t& lngFlags,
                                      bool, DialogEventSink* oEventSink)
{
    m_APIReturn = 0;
    m_ExtendedError = 0;
    DWORD flags = (DWORD(lngFlags) & kNoHookOrTemplate) | OFN_HIDEREADONLY;
    if (blnOverwritePrompt)
        flags |= OFN_OVERWRITEPROMPT;
    OPENFILENAME ofn = fileRecord(strFileName, strFilter, lngFilterIndex, strInitDir, strDlgTitle,
                                  strDefaultExt, lngOwner, flags);

    m_EventSink = oEventSink;
    if (finishCall(m_api->GetSaveFileNameA(ofn))) {
        strFileName = upToNul(ofn.lpstrFile);
        strFileTitle = upToNul(ofn.lpstrFileTitle);
        lngFlags = std::int32_t(ofn.Flags);
        lngFilterIndex = std::int32_t(ofn.nFilterIndex);
        strFilter = selectedFilter(ofn.lpstrFilter, ofn.nFilterIndex);
        return true;
    }
    strFileName.clear();
    strFileTitle.clear();
    strFilter.clear();
    lngFlags = 0;
    lngFilterIndex = 0;
    return false;
}

QString GCommonDialog::VBGetFileTitle(const QString& strPath)
{
    QString buffer(kMaxPath, QChar(0));
    if (m_api->GetFileTitleA(strPath, buffer, WORD(kMaxPath)) != 0)
        return {};
    return upToNul(buffer);
}

} // namespace pattaro
