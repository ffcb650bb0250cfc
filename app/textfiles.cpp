#include "app/textfiles.h"

#include "app/components/textfile/textdecoding.h"
#include "app/components/textfile/utf8encoder.h"

#include <QDir>

namespace pattaro {
namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString decodeProblem(const DecodedText& decoded, const QString& path)
{
    const QString name = shown(path);
    switch (decoded.fault) {
    case DecodedText::Fault::Binary:
        return QStringLiteral("文件“%1”不是文本文件（开头含有空字节），无法打开。").arg(name);
    case DecodedText::Fault::Unavailable:
        return QStringLiteral("本程序不能解码 %1 编码，文件“%2”无法打开。").arg(EncodingName(decoded.encoding), name);
    case DecodedText::Fault::Invalid:
        // Detection turns to GB18030 only for bytes that are not UTF-8.
        if (decoded.encoding == TextEncoding::Gb18030)
            return QStringLiteral("文件“%1”既不是有效的 UTF-8 文本，也不是有效的 GB18030 文本，无法打开。").arg(name);
        return QStringLiteral("文件“%1”不是有效的 %2 文本，无法打开。").arg(name, EncodingName(decoded.encoding));
    case DecodedText::Fault::None:
        break;
    }
    return {};
}

} // namespace

OpenedText OpenTextFile(platform::FileStore& files, const QString& path)
{
    using Outcome = platform::FileStore::ReadResult::Outcome;
    platform::FileStore::ReadResult read = files.read(path, kMaxTextFileBytes);
    if (read.outcome == Outcome::TooLarge)
        return {std::nullopt, QStringLiteral("文件“%1”大于 256 MB，无法打开。").arg(shown(path))};
    if (read.outcome == Outcome::Failed)
        return {std::nullopt, QStringLiteral("无法读取文件“%1”：%2").arg(shown(path), read.error)};
    DecodedText decoded = DecodeText(read.bytes, EncodingChoice::Auto);
    if (decoded.fault != DecodedText::Fault::None)
        return {std::nullopt, decodeProblem(decoded, path)};
    return {std::move(decoded.text), {}};
}

SavedText SaveTextFile(platform::FileStore& files, const QString& path, const QString& text)
{
    if (const std::optional<QString> error = files.write(path, EncodeUtf8(text)))
        return {false, QStringLiteral("无法保存文件“%1”：%2").arg(shown(path), *error)};
    if (HasLoneSurrogate(text))
        return {true, QStringLiteral("文件已保存。文本中有无法用 UTF-8 表示的单独代理项，已写作 U+FFFD。")};
    return {true, {}};
}

} // namespace pattaro
