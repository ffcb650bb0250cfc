#pragma once

#include "core/text/textdecoding.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>

namespace pattaro::cli {

enum class InputRead { Failed, Answered, Decoded };

// Reads the whole input (the named file, or standard input when fileName is
// empty) and decodes it into text as encoding asks, unless answerFromBytes,
// shown the bytes first, returns true: they are then not decoded. Input
// longer than maxBytes is refused as soon as that much has come, so an
// endless stream ends too. On failure sets error to a one-line reason. What
// a script should know about input that was decoded anyway (a guessed
// encoding, UTF-8 cut short) is added to warnings, a line each.
InputRead ReadInput(const QString& fileName, EncodingChoice encoding, qint64 maxBytes,
                    const std::function<bool(QByteArrayView)>& answerFromBytes, QString& text, QString& error,
                    QStringList& warnings);

// "256 MB" and the like, for saying which limit was passed.
QString DescribeSize(qint64 bytes);

} // namespace pattaro::cli
