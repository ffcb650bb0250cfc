// Files are read through this decoder: it takes ASCII sixteen bytes at a
// time, so every character and every fault is tried at each place in and
// around such a block, and its answers are held to Qt's strict converter.
#include "core/text/utf8decoder.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace pattaro;

namespace {

std::optional<QString> decodeWithUs(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    const qsizetype units = DecodeUtf8Strictly(bytes, reinterpret_cast<char16_t*>(text.data()));
    if (units < 0)
        return std::nullopt;
    text.truncate(units);
    return text;
}

std::optional<QString> decodeWithQt(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

TEST(Utf8Decoder, DecodesOrRefusesEachSequenceAtEveryPlaceInABlock)
{
    const struct {
        const char* name;
        QByteArray bytes;
        std::optional<QString> expected;
    } cases[] = {
        {"two bytes", "\xC3\xA9", u"é"_qs},
        {"three bytes", "\xE4\xB8\xAD", u"中"_qs},
        {"four bytes, a pair", "\xF0\x9F\x98\x80", u"\U0001F600"_qs},
        {"highest character", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"_qs},
        {"byte order mark kept", "\xEF\xBB\xBF", QString(QChar(0xFEFF))},
        {"NUL", QByteArray("\0", 1), QString(QChar(0))},
        {"stray continuation", "\x80", std::nullopt},
        {"overlong two bytes", "\xC1\xBF", std::nullopt},
        {"overlong three bytes", "\xE0\x9F\xBF", std::nullopt},
        {"overlong four bytes", "\xF0\x8F\xBF\xBF", std::nullopt},
        {"surrogate", "\xED\xA0\x80", std::nullopt},
        {"past U+10FFFF", "\xF4\x90\x80\x80", std::nullopt},
        {"lead byte F5", "\xF5\x80\x80\x80", std::nullopt},
        {"ASCII where a continuation belongs", "\xE4\xB8" "a", std::nullopt},
        {"cut short", "\xE4\xB8", std::nullopt},
        {"cut short after one byte", "\xC3", std::nullopt},
        {"a lead that never leads", "\xC0", std::nullopt},
        {"cut short after three bytes", "\xF0\x9F\x98", std::nullopt},
    };
    // Around the 32-byte blocks and the 1 KB stretches read as ASCII at once.
    std::vector<int> befores;
    for (int before = 0; before <= 33; ++before)
        befores.push_back(before);
    for (const int stretchEnd : {1024, 2048})
        for (int before = stretchEnd - 4; before <= stretchEnd + 1; ++before)
            befores.push_back(before);
    for (const auto& c : cases) {
        for (const int before : befores) {
            for (const int after : {0, 1, 15, 16, 17, 1100}) {
                const QByteArray bytes = QByteArray(before, 'a') + c.bytes + QByteArray(after, 'b');
                std::optional<QString> expected;
                if (c.expected)
                    expected = QString(before, u'a') + *c.expected + QString(after, u'b');
                EXPECT_EQ(decodeWithUs(bytes), expected) << c.name << " after " << before << " bytes, before " << after;
                EXPECT_EQ(IsUtf8(bytes), expected.has_value()) << c.name << " after " << before << " bytes, before " << after;
            }
        }
    }
}

// Runs of every kind, with now and then a byte that may break a sequence,
// in lengths around the block's.
TEST(Utf8Decoder, AgreesWithQtOnMixedTexts)
{
    const QByteArray pieces[] = {"a", "plain ascii words ", "\xC3\xA9", "\xE4\xB8\xAD\xE6\x96\x87",
                                 "\xF0\x9F\x98\x80", "\r\n", QByteArray("\0", 1), "\xF4\x8F\xBF\xBF",
                                 "\xED\x9F\xBF", "\xEE\x80\x80"};
    // Nearly right: a surrogate, past U+10FFFF, overlong, a lead alone.
    const QByteArray faults[] = {"\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF",
                                 "\xC1\xBF", "\xE4", "\xBF"};
    std::mt19937 random(20261208);
    int refused = 0;
    for (int text = 0; text < 20000; ++text) {
        QByteArray bytes;
        const int count = int(random() % 24);
        for (int i = 0; i < count; ++i) {
            if (random() % 40 == 0)
                bytes += char(random() % 256);
            else if (random() % 40 == 0)
                bytes += faults[random() % std::size(faults)];
            else
                bytes += pieces[random() % std::size(pieces)];
        }
        const std::optional<QString> ours = decodeWithUs(bytes);
        refused += ours ? 0 : 1;
        ASSERT_EQ(ours, decodeWithQt(bytes)) << bytes.toHex(' ').constData();
        ASSERT_EQ(IsUtf8(bytes), ours.has_value()) << bytes.toHex(' ').constData();
    }
    // Both sorts of answer were compared.
    EXPECT_GT(refused, 1000);
    EXPECT_LT(refused, 19000);
}

} // namespace
