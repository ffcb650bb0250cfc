#pragma once

#include <QByteArray>
#include <QString>

namespace pattaro {

// The UTF-16 bytes of a text in either byte order, without a byte order mark.
inline QByteArray utf16Units(const QString& text, bool bigEndian)
{
    QByteArray out;
    for (const QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        out += bigEndian ? QByteArray{&hi, 1} + QByteArray{&lo, 1} : QByteArray{&lo, 1} + QByteArray{&hi, 1};
    }
    return out;
}

// The same as a file would hold it, behind its byte order mark.
inline QByteArray utf16File(const QString& text, bool bigEndian)
{
    return QByteArray(bigEndian ? "\xFE\xFF" : "\xFF\xFE") + utf16Units(text, bigEndian);
}

} // namespace pattaro
