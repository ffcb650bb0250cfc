#include "fuzz/fuzzinput.h"

#include <QByteArray>

namespace pattaro::fuzz {

QStringList splitTexts(const std::uint8_t* data, std::size_t size)
{
    QStringList texts;
    QString text;
    QByteArray utf8;
    const auto flushUtf8 = [&] {
        text += QString::fromUtf8(utf8);
        utf8.clear();
    };
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t byte = data[i];
        if (byte == 0) {
            flushUtf8();
            texts.append(text);
            text.clear();
        } else if (byte == 0xFF && i + 2 < size) {
            flushUtf8();
            text += QChar(char16_t(data[i + 1] | (data[i + 2] << 8)));
            i += 2;
        } else {
            utf8.append(char(byte));
        }
    }
    flushUtf8();
    texts.append(text);
    return texts;
}

} // namespace pattaro::fuzz
