#include "ui/encodingchooser.h"

#include <QStringList>
#include <cstdio>

namespace pattaro {

std::optional<TextEncoding> UnattendedEncodingChooser::choose(const QString& fileName,
                                                              const std::vector<EncodingOption>& options)
{
    QStringList labels;
    for (const EncodingOption& option : options)
        labels << option.label;
    std::fprintf(stderr, "%s\n",
                 QStringLiteral("选择文件编码: 无法确定“%1”的编码（可能是 %2），未打开。")
                     .arg(fileName, labels.join(QStringLiteral("、")))
                     .toUtf8()
                     .constData());
    return std::nullopt;
}

} // namespace pattaro
