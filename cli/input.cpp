#include "cli/input.h"

#include "core/text/largebuffer.h"
#include "cli/vanishedpages.h"

#include <QFile>
#include <algorithm>
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

InputRead decode(QByteArrayView bytes, EncodingChoice choice, const QString& name, QString& text, QString& error,
                 QStringList& warnings)
{
    DecodedText decoded = DecodeText(bytes, choice);
    if (decoded.fault != DecodedText::Fault::None) {
        error = describeFault(decoded);
        return InputRead::Failed;
    }
    if (decoded.guessed)
        warnings << describeGuess(decoded, name);
    if (decoded.cutShort)
        warnings << QStringLiteral("%1 ends in an incomplete UTF-8 character, read as U+FFFD").arg(name);
    text = std::move(decoded.text);
    return InputRead::Decoded;
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

InputRead ReadInput(const QString& fileName, EncodingChoice encoding, qint64 maxBytes,
                    const std::function<bool(QByteArrayView)>& answerFromBytes, QString& text, QString& error,
                    QStringList& warnings)
{
    QFile file(fileName);
    const bool opened = fileName.isEmpty() ? file.open(fileno(stdin), QIODevice::ReadOnly)
                                           : file.open(QIODevice::ReadOnly);
    const QString name = fileName.isEmpty() ? QStringLiteral("standard input") : QStringLiteral("'%1'").arg(fileName);
    if (!opened) {
        error = QStringLiteral("cannot read %1: %2").arg(name, file.errorString());
        return InputRead::Failed;
    }
    const auto use = [&](QByteArrayView bytes) {
        if (answerFromBytes(bytes))
            return InputRead::Answered;
        return decode(bytes, encoding, name, text, error, warnings);
    };
    // A file on disk is decoded where it lies, in a mapping, rather than
    // copied into memory first; a pipe is read.
    const auto tooLarge = [&] {
        error = QStringLiteral("%1 is larger than %2 (see --max-input)").arg(name, DescribeSize(maxBytes));
        return InputRead::Failed;
    };
    const qint64 from = file.pos();
    const qint64 size = file.size() - from;
    if (!file.isSequential() && size > maxBytes)
        return tooLarge();
    if (!file.isSequential() && size > 0) {
        if (const uchar* mapped = file.map(from, size)) {
            const VanishedPagesGuard guard(
                QStringLiteral("pattaro-cli: %1 was cut short while it was read\n").arg(name).toUtf8());
            AdviseReadThrough(mapped, size);
            return use(QByteArrayView(mapped, size));
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
            return InputRead::Failed;
        }
        bytes.resize(had + got);
        if (bytes.size() > maxBytes)
            return tooLarge();
        if (got == 0)
            break;
    }
    return use(bytes);
}

} // namespace pattaro::cli
