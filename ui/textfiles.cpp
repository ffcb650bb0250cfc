#include "ui/textfiles.h"

#include "core/text/textdecoding.h"
#include "core/text/textpreview.h"
#include "core/text/utf8encoder.h"

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
        return QStringLiteral("文件“%1”不是有效的 %2 文本，无法打开。").arg(name, EncodingName(decoded.encoding));
    case DecodedText::Fault::None:
        break;
    }
    return {};
}

std::vector<EncodingOption> encodingOptions(QByteArrayView bytes, const std::vector<TextEncoding>& candidates)
{
    std::vector<EncodingOption> options;
    for (const TextEncoding encoding : candidates)
        options.push_back(
            {encoding, EncodingLabel(encoding), PreviewLines(bytes, encoding, kPreviewLineCount, kPreviewColumns)});
    return options;
}

} // namespace

OpenedText OpenTextFile(platform::FileStore& files, const QString& path, EncodingChooser& chooser)
{
    using Outcome = platform::FileStore::ReadResult::Outcome;
    platform::FileStore::ReadResult read = files.read(path, kMaxTextFileBytes);
    if (read.outcome == Outcome::TooLarge)
        return {std::nullopt, QStringLiteral("文件“%1”大于 256 MB，无法打开。").arg(shown(path)), {}};
    if (read.outcome == Outcome::Failed)
        return {std::nullopt, QStringLiteral("无法读取文件“%1”：%2").arg(shown(path), read.error), {}};
    if (read.outcome == Outcome::NotAFile)
        return {std::nullopt,
                QStringLiteral("“%1”不是普通文件（而是文件夹、管道或设备等），无法作为文本打开。").arg(shown(path)),
                {}};
    DecodedText decoded = DecodeText(read.bytes, EncodingChoice::Auto);
    if (decoded.guessed) {
        const std::optional<TextEncoding> chosen =
            chooser.choose(shown(path), encodingOptions(read.bytes, decoded.candidates));
        if (!chosen)
            return {};
        if (*chosen != decoded.encoding)
            decoded = DecodeText(read.bytes, *chosen);
    }
    if (decoded.fault != DecodedText::Fault::None)
        return {std::nullopt, decodeProblem(decoded, path), {}};
    QString notice;
    if (decoded.cutShort)
        notice = QStringLiteral("文件“%1”的最后一个字符不完整（文件可能被截断），已按 UTF-8 打开，不完整的部分显示为 U+FFFD（\uFFFD）。")
                     .arg(shown(path));
    return {std::move(decoded.text), {}, std::move(notice)};
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
