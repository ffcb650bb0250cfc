#include "cli/input.h"

#include "app/components/textfile/vanishedpages.h"

#include <QFile>
#include <cstdio>

namespace pattaro::cli {
namespace {

QString describeFault(const DecodedText& decoded)
{
    switch (decoded.fault) {
    case DecodedText::Fault::Binary:
        return QStringLiteral("input looks binary (a NUL byte in its first %1 bytes); "
                              "name its encoding with --encoding to read it anyway")
            .arg(kBinaryProbeBytes);
    case DecodedText::Fault::Unavailable:
        return QStringLiteral("this build cannot decode %1").arg(EncodingName(decoded.encoding));
    case DecodedText::Fault::Invalid:
        return QStringLiteral("input is not valid %1").arg(EncodingName(decoded.encoding));
    case DecodedText::Fault::None:
        break;
    }
    return {};
}

// A script cannot be asked: it gets the best guess, and is told.
QString describeGuess(const DecodedText& decoded, const QString& name)
{
    QStringList others;
    for (const TextEncoding encoding : decoded.candidates)
        if (encoding != decoded.encoding)
            others << EncodingName(encoding);
    return QStringLiteral("the encoding of %1 is a guess: read as %2%3; name it with --encoding if this is wrong")
        .arg(name, EncodingName(decoded.encoding),
             others.isEmpty() ? QString() : QStringLiteral(" (could also be %1)").arg(others.join(u", ")));
}

std::optional<QString> decode(QByteArrayView bytes, EncodingChoice choice, const QString& name, QString& error,
                              QStringList& warnings)
{
    DecodedText decoded = DecodeText(bytes, choice);
    if (decoded.fault != DecodedText::Fault::None) {
        error = describeFault(decoded);
        return std::nullopt;
    }
    if (decoded.guessed)
        warnings << describeGuess(decoded, name);
    if (decoded.cutShort)
        warnings << QStringLiteral("%1 ends in an incomplete UTF-8 character, read as U+FFFD").arg(name);
    return std::move(decoded.text);
}

} // namespace

std::optional<QString> ReadInput(const QString& fileName, EncodingChoice encoding, QString& error,
                                 QStringList& warnings)
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
            return decode(QByteArrayView(mapped, size), encoding, name, error, warnings);
        }
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("cannot read %1: %2").arg(name, file.errorString());
        return std::nullopt;
    }
    return decode(bytes, encoding, name, error, warnings);
}

} // namespace pattaro::cli
