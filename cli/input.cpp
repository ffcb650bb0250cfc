#include "cli/input.h"

#include "cli/utf8.h"

#include <QFile>
#include <cstdio>

namespace pattaro::cli {
namespace {

std::optional<QByteArray> readStdin()
{
    QByteArray bytes;
    char chunk[1 << 16];
    for (;;) {
        const size_t n = std::fread(chunk, 1, sizeof chunk, stdin);
        bytes.append(chunk, qsizetype(n));
        if (n < sizeof chunk)
            break;
    }
    if (std::ferror(stdin))
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<QString> ReadInput(const QString& fileName, QString& error)
{
    QByteArray bytes;
    if (fileName.isEmpty()) {
        std::optional<QByteArray> read = readStdin();
        if (!read) {
            error = QStringLiteral("cannot read standard input");
            return std::nullopt;
        }
        bytes = std::move(*read);
    } else {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot read '%1': %2").arg(fileName, file.errorString());
            return std::nullopt;
        }
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            error = QStringLiteral("cannot read '%1': %2").arg(fileName, file.errorString());
            return std::nullopt;
        }
    }

    std::optional<QString> text = DecodeUtf8(bytes);
    if (!text)
        error = QStringLiteral("input is not valid UTF-8");
    return text;
}

} // namespace pattaro::cli
