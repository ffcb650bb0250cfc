#include "core/text/textpreview.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace pattaro {

QString PreviewLines(QByteArrayView bytes, TextEncoding legacy, int lines, int columns)
{
    // Not stateless: a character that the read cuts in two waits for bytes
    // that never come, instead of showing as an error.
    QStringDecoder decoder(LegacyCodecName(legacy));
    const QString text = decoder(bytes.first(std::min(bytes.size(), kPreviewBytes)));
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\r|\\n"));
    QStringList shown = text.split(lineBreak).mid(0, lines);
    for (QString& line : shown)
        line.truncate(columns);
    return shown.join(u'\n');
}

} // namespace pattaro
