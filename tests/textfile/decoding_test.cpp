// Files come in whatever encoding their writer used; each must come back as
// exactly the characters written, line breaks included, or be refused.
#include "app/components/textfile/textdecoding.h"
#include "tests/support/utf16bytes.h"

#include <QList>
#include <gtest/gtest.h>

using namespace pattaro;

namespace {

using Fault = DecodedText::Fault;

QByteArray bytes(const char* text, qsizetype size) { return QByteArray(text, size); }

QByteArray utf32Units(const QString& text, bool bigEndian)
{
    QByteArray out;
    for (const char32_t c : text.toUcs4()) {
        for (int i = 0; i < 4; ++i)
            out += char(c >> (8 * (bigEndian ? 3 - i : i)));
    }
    return out;
}

// 中 U+4E2D, 😀 U+1F600, 𠀀 U+20000 (a four-byte GB18030 sequence).
const QString kMixed = QString::fromUtf8("a\xE4\xB8\xAD\xF0\x9F\x98\x80\r\nb\rc\n");

struct Case {
    const char* name;
    QByteArray input;
    EncodingChoice choice;
    Fault fault;
    TextEncoding encoding;
    QString text;
};

TEST(DecodeText, EachEncodingKeepsEveryCharacterAndLineBreak)
{
    const QString gbText = QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87 \xF0\xA0\x80\x80 \xE2\x82\xAC\r\nx\r");
    const QByteArray gbBytes = bytes("\xD6\xD0\xCE\xC4 \x95\x32\x82\x36 \xA2\xE3\r\nx\r", 16);
    const QByteArray utf8 = kMixed.toUtf8();
    const Case cases[] = {
        {"UTF-8", utf8, EncodingChoice::Auto, Fault::None, TextEncoding::Utf8, kMixed},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + utf8, EncodingChoice::Auto, Fault::None, TextEncoding::Utf8, kMixed},
        // Only the first mark is one; a second is text.
        {"two marks", "\xEF\xBB\xBF\xEF\xBB\xBF" "a", EncodingChoice::Auto, Fault::None, TextEncoding::Utf8,
         QString(QChar(0xFEFF)) + u'a'},
        {"a lone CR", "a\rb\r", EncodingChoice::Auto, Fault::None, TextEncoding::Utf8, QStringLiteral("a\rb\r")},
        {"empty", "", EncodingChoice::Auto, Fault::None, TextEncoding::Utf8, QString()},
        {"mark only", "\xEF\xBB\xBF", EncodingChoice::Auto, Fault::None, TextEncoding::Utf8, QString()},
        {"UTF-16LE", "\xFF\xFE" + utf16Units(kMixed, false), EncodingChoice::Auto, Fault::None, TextEncoding::Utf16LE, kMixed},
        {"UTF-16BE", "\xFE\xFF" + utf16Units(kMixed, true), EncodingChoice::Auto, Fault::None, TextEncoding::Utf16BE, kMixed},
        // NUL bytes everywhere, but the mark says UTF-16; a NUL character is kept.
        {"UTF-16 NUL", bytes("\xFF\xFE" "a\0\0\0", 6), EncodingChoice::Auto, Fault::None, TextEncoding::Utf16LE,
         QStringLiteral("a") + QChar(0)},
        // A lone surrogate is carried unit for unit.
        {"UTF-16 lone", bytes("\xFF\xFE\x3D\xD8" "b\0", 6), EncodingChoice::Auto, Fault::None,
         TextEncoding::Utf16LE, QString(QChar(0xD83D)) + u'b'},
        // A UTF-32 mark starts like a UTF-16 one followed by NUL.
        {"UTF-32LE", bytes("\xFF\xFE\0\0", 4) + utf32Units(kMixed, false), EncodingChoice::Auto, Fault::None,
         TextEncoding::Utf32LE, kMixed},
        {"UTF-32BE", bytes("\0\0\xFE\xFF", 4) + utf32Units(kMixed, true), EncodingChoice::Auto, Fault::None,
         TextEncoding::Utf32BE, kMixed},
        {"GB18030", gbBytes, EncodingChoice::Auto, Fault::None, TextEncoding::Gb18030, gbText},
        {"GB18030 named", gbBytes, EncodingChoice::Gb18030, Fault::None, TextEncoding::Gb18030, gbText},
        {"GB18030 mark", "\x84\x31\x95\x33" + gbBytes, EncodingChoice::Gb18030, Fault::None, TextEncoding::Gb18030,
         gbText},
        // Valid UTF-8 is taken as UTF-8 even where it would also read as GB18030.
        {"UTF-8 first", "\xE4\xB8\xAD", EncodingChoice::Auto, Fault::None, TextEncoding::Utf8, QStringLiteral("中")},
        {"utf-16 unmarked", utf16Units(u"ab"_qs, false), EncodingChoice::Utf16, Fault::None, TextEncoding::Utf16LE,
         QStringLiteral("ab")},
        {"utf-16 BE mark", "\xFE\xFF" + utf16Units(u"ab"_qs, true), EncodingChoice::Utf16, Fault::None,
         TextEncoding::Utf16BE, QStringLiteral("ab")},
        // Named: NUL bytes are the caller's business.
        {"utf-8 NUL", bytes("a\0b", 3), EncodingChoice::Utf8, Fault::None, TextEncoding::Utf8, QStringLiteral("a") + QChar(0) + u'b'},
        {"utf-8 mark", "\xEF\xBB\xBF" "a", EncodingChoice::Utf8, Fault::None, TextEncoding::Utf8, QStringLiteral("a")},
    };
    for (const Case& c : cases) {
        const DecodedText decoded = DecodeText(c.input, c.choice);
        EXPECT_EQ(decoded.fault, Fault::None) << c.name;
        EXPECT_EQ(decoded.encoding, c.encoding) << c.name;
        EXPECT_EQ(decoded.text, c.text) << c.name;
    }
}

TEST(DecodeText, RefusesWhatIsNotTextInItsEncoding)
{
    const Case cases[] = {
        {"NUL at the start", bytes("\0a", 2), EncodingChoice::Auto, Fault::Binary, TextEncoding::Utf8, {}},
        {"NUL in the first block", QByteArray(kBinaryProbeBytes - 1, 'a') + '\0', EncodingChoice::Auto,
         Fault::Binary, TextEncoding::Utf8, {}},
        {"neither", "ok\xFF", EncodingChoice::Auto, Fault::Invalid, TextEncoding::Gb18030, {}},
        {"marked UTF-8 broken", "\xEF\xBB\xBF" "\xD6\xD0", EncodingChoice::Auto, Fault::Invalid, TextEncoding::Utf8, {}},
        {"UTF-16 odd", "\xFF\xFE" "a", EncodingChoice::Auto, Fault::Invalid, TextEncoding::Utf16LE, {}},
        {"UTF-32 cut short", bytes("\xFF\xFE\0\0" "a\0\0", 7), EncodingChoice::Auto, Fault::Invalid,
         TextEncoding::Utf32LE, {}},
        {"UTF-32 past Unicode", bytes("\0\0\xFE\xFF" "\0\x11\0\0", 8), EncodingChoice::Auto, Fault::Invalid,
         TextEncoding::Utf32BE, {}},
        {"UTF-32 surrogate", bytes("\xFF\xFE\0\0" "\0\xD8\0\0", 8), EncodingChoice::Auto, Fault::Invalid,
         TextEncoding::Utf32LE, {}},
        {"utf-8 GBK bytes", "\xD6\xD0", EncodingChoice::Utf8, Fault::Invalid, TextEncoding::Utf8, {}},
        {"utf-8 cut short", "ab\xE4\xB8", EncodingChoice::Utf8, Fault::Invalid, TextEncoding::Utf8, {}},
        {"utf-8 surrogate", "\xED\xA0\x80", EncodingChoice::Utf8, Fault::Invalid, TextEncoding::Utf8, {}},
        {"utf-8 overlong", "a\xC0\x80", EncodingChoice::Utf8, Fault::Invalid, TextEncoding::Utf8, {}},
        {"utf-16 odd", "abc", EncodingChoice::Utf16, Fault::Invalid, TextEncoding::Utf16LE, {}},
        {"gb18030 lone 0x80", "\x80", EncodingChoice::Gb18030, Fault::Invalid, TextEncoding::Gb18030, {}},
        {"gb18030 cut short", "a\x95\x32\x82", EncodingChoice::Gb18030, Fault::Invalid, TextEncoding::Gb18030, {}},
        {"gb18030 beyond U+10FFFF", "\xE3\x32\x9A\x36", EncodingChoice::Gb18030, Fault::Invalid,
         TextEncoding::Gb18030, {}},
    };
    for (const Case& c : cases) {
        const DecodedText decoded = DecodeText(c.input, c.choice);
        EXPECT_EQ(decoded.fault, c.fault) << c.name;
        EXPECT_EQ(decoded.encoding, c.encoding) << c.name;
        EXPECT_TRUE(decoded.text.isEmpty()) << c.name;
    }
}

TEST(DecodeText, LooksForNulOnlyInTheFirstBlock)
{
    const QByteArray late = QByteArray(kBinaryProbeBytes, 'a') + '\0';
    const DecodedText decoded = DecodeText(late, EncodingChoice::Auto);
    EXPECT_EQ(decoded.fault, Fault::None);
    EXPECT_EQ(decoded.text.size(), late.size());
}

TEST(DecodeUtf8Exactly, KeepsALeadingMarkAsText)
{
    EXPECT_EQ(DecodeUtf8Exactly("\xEF\xBB\xBF" "a"), QString(QChar(0xFEFF)) + u'a');
    EXPECT_EQ(DecodeUtf8Exactly(""), QString());
    EXPECT_EQ(DecodeUtf8Exactly("a\xFF"), std::nullopt);
}

} // namespace
