#pragma once

#include "core/text/textencoding.h"

#include <QByteArrayView>
#include <QString>

namespace pattaro {

// How much of a file a preview reads.
inline constexpr qsizetype kPreviewBytes = 4096;

// The first `lines` lines of the bytes read in a legacy encoding, each cut
// at `columns` characters, joined by LF whatever their breaks were. Bytes
// that are not text in it show as U+FFFD; a character cut off by the end of
// what is read does not show.
QString PreviewLines(QByteArrayView bytes, TextEncoding legacy, int lines, int columns);

} // namespace pattaro
