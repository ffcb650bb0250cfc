#include "cli/input.h"

#include "app/components/textfile/vanishedpages.h"

#include <QFile>
#include <cstdio>

namespace pattaro::cli {
namespace {

QString describeFault(const DecodedText& decoded, EncodingChoice choice)
{
    switch (decoded.fault) {
    case DecodedText::Fault::Binary:
        return QStringLiteral("input looks binary (a NUL byte in its first %1 bytes); "
                              "name its encoding with --encoding to read it anyway")
            .arg(kBinaryProbeBytes);
    case DecodedText::Fault::Unavailable:
        return QStringLiteral("this build cannot decode %1").arg(EncodingName(decoded.encoding));
    case DecodedText::Fault::Invalid:
        // Auto falls back to GB18030 only for bytes that are not UTF-8.
        if (choice == EncodingChoice::Auto && decoded.encoding == TextEncoding::Gb18030)
            return QStringLiteral("input is neither valid UTF-8 nor valid GB18030");
        return QStringLiteral("input is not valid %1").arg(EncodingName(decoded.encoding));
    case DecodedText::Fault::None:
        break;
    }
    return {};
}

std::optional<QString> decode(QByteArrayView bytes, EncodingChoice choice, QString& error)
{
    DecodedText decoded = DecodeText(bytes, choice);
    if (decoded.fault != DecodedText::Fault::None) {
        error = describeFault(decoded, choice);
        return std::nullopt;
    }
    return std::move(decoded.text);
}

} // namespace

std::optional<QString> ReadInput(const QString& fileName, EncodingChoice encoding, QString& error)
{
    QFile file(fileName);
    const bool opened = fileName.isEmpty() ? file.open(fileno(stdin), QIODevice::ReadOnly)
                                           : file.open(QIODevice::ReadOnly);
    const QString name = fileName.isEmpty() ? QStringLiteral("standard input") : QStringLiteral("'%1'").arg(fileName);
    if (!opened) {
        error = QStringLiteral("cannot read %1: %2").arg(name, file.errorString());
        return std::nullopt;
    }
    // A file on disk is decoded where it lies, in a mapping, rather than
    // copied into memory first; a pipe is read.
    const qint64 from = file.pos();
    const qint64 size = file.size() - from;
    if (!file.isSequential() && size > 0) {
        if (const uchar* mapped = file.map(from, size)) {
            const VanishedPagesGuard guard(
                QStringLiteral("pattaro-cli: %1 was cut short while it was read\n").arg(name).toUtf8());
            return decode(QByteArrayView(mapped, size), encoding, error);
        }
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("cannot read %1: %2").arg(name, file.errorString());
        return std::nullopt;
    }
    return decode(bytes, encoding, error);
}

} // namespace pattaro::cli
