#include "cli/input.h"

#include "app/components/textfile/vanishedpages.h"

#include <QFile>
#include <algorithm>
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

QString DescribeSize(qint64 bytes)
{
    constexpr struct {
        int shift;
        QLatin1StringView unit;
    } kUnits[] = {{30, QLatin1StringView("GB")}, {20, QLatin1StringView("MB")}, {10, QLatin1StringView("KB")}};
    for (const auto& u : kUnits)
        if (bytes % (qint64(1) << u.shift) == 0)
            return QStringLiteral("%1 %2").arg(bytes >> u.shift).arg(u.unit);
    return QStringLiteral("%1 bytes").arg(bytes);
}

std::optional<QString> ReadInput(const QString& fileName, EncodingChoice encoding, qint64 maxBytes,
                                 QString& error)
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
    const auto tooLarge = [&] {
        error = QStringLiteral("%1 is larger than %2 (see --max-input)").arg(name, DescribeSize(maxBytes));
        return std::nullopt;
    };
    const qint64 from = file.pos();
    const qint64 size = file.size() - from;
    if (!file.isSequential() && size > maxBytes)
        return tooLarge();
    if (!file.isSequential() && size > 0) {
        if (const uchar* mapped = file.map(from, size)) {
            const VanishedPagesGuard guard(
                QStringLiteral("pattaro-cli: %1 was cut short while it was read\n").arg(name).toUtf8());
            return decode(QByteArrayView(mapped, size), encoding, error);
        }
    }
    // Read in blocks so that the limit is checked as the input comes, not
    // once an endless stream has taken all memory.
    QByteArray bytes;
    constexpr qint64 kBlock = qint64(1) << 20;
    for (;;) {
        const qint64 room = std::min(kBlock, maxBytes + 1 - bytes.size());
        const qsizetype had = bytes.size();
        bytes.resize(had + room);
        const qint64 got = file.read(bytes.data() + had, room);
        if (got < 0) {
            error = QStringLiteral("cannot read %1: %2").arg(name, file.errorString());
            return std::nullopt;
        }
        bytes.resize(had + got);
        if (bytes.size() > maxBytes)
            return tooLarge();
        if (got == 0)
            break;
    }
    return decode(bytes, encoding, error);
}

} // namespace pattaro::cli
