#include "compat/commdlg.h"

namespace pattaro::platform {

void setFaceName(LOGFONT& lf, const QString& name)
{
    lf.lfFaceName.fill(0);
    const qsizetype n = std::min<qsizetype>(name.size(), LF_FACESIZE - 1);
    for (qsizetype i = 0; i < n; ++i)
        lf.lfFaceName[std::size_t(i)] = name.at(i).unicode();
}

QString faceName(const LOGFONT& lf)
{
    QString name;
    for (char16_t c : lf.lfFaceName) {
        if (c == 0)
            break;
        name.append(QChar(c));
    }
    return name;
}

QStringList splitNulList(const QString& list)
{
    QStringList fields;
    qsizetype start = 0;
    while (start < list.size()) {
        qsizetype end = list.indexOf(QChar(0), start);
        if (end < 0)
            end = list.size();
        if (end == start)
            break; // the second NUL of the pair that ends the list
        fields.append(list.mid(start, end - start));
        start = end + 1;
    }
    return fields;
}

short CommonDialogApi::GetFileTitleA(const QString& lpszFile, QString& lpszTitle, WORD cchSize)
{
    const qsizetype cut = std::max(lpszFile.lastIndexOf(u'/'), lpszFile.lastIndexOf(u'\\'));
    const QString title = lpszFile.mid(cut + 1);
    if (title.isEmpty() || title == u"." || title == u".." || title.contains(u'*') || title.contains(u'?')
        || title.contains(QChar(0)))
        return -1;
    if (title.size() + 1 > cchSize)
        return short(std::min<qsizetype>(title.size() + 1, 0x7FFF));
    lpszTitle = title.leftJustified(cchSize, QChar(0));
    return 0;
}

} // namespace pattaro::platform
