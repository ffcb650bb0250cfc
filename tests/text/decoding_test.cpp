// Files come in whatever encoding their writer used; each must come back as
// exactly the characters written, line breaks included, or be refused.
#include "core/text/textdecoding.h"
#include "tests/support/encodedfiles.h"
#include "tests/support/utf16bytes.h"

#include <QList>
#include <algorithm>
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
        // ...so UTF-16LE text that begins with U+0000 is read as such when
        // it is not UTF-32.
        {"UTF-16 NUL first", bytes("\xFF\xFE\0\0" "a\0", 6), EncodingChoice::Auto, Fault::None,
         TextEncoding::Utf16LE, QChar(0) + QStringLiteral("a")},
        {"UTF-16 NUL first, past Unicode", bytes("\xFF\xFE\0\0" "A\0B\0", 8), EncodingChoice::Auto, Fault::None,
         TextEncoding::Utf16LE, QChar(0) + QStringLiteral("AB")},
        {"GB18030", gbBytes, EncodingChoice::Auto, Fault::None, TextEncoding::Gb18030, gbText},
        {"GB18030 named", gbBytes, TextEncoding::Gb18030, Fault::None, TextEncoding::Gb18030, gbText},
        {"GB18030 mark", "\x84\x31\x95\x33" + gbBytes, TextEncoding::Gb18030, Fault::None, TextEncoding::Gb18030,
         gbText},
        // Valid UTF-8 is taken as UTF-8 even where it would also read as GB18030.
        {"UTF-8 first", "\xE4\xB8\xAD", EncodingChoice::Auto, Fault::None, TextEncoding::Utf8, QStringLiteral("中")},
        {"utf-16 unmarked", utf16Units(u"ab"_qs, false), TextEncoding::Utf16LE, Fault::None, TextEncoding::Utf16LE,
         QStringLiteral("ab")},
        {"utf-16 BE mark", "\xFE\xFF" + utf16Units(u"ab"_qs, true), TextEncoding::Utf16LE, Fault::None,
         TextEncoding::Utf16BE, QStringLiteral("ab")},
        // Named: NUL bytes are the caller's business.
        {"utf-8 NUL", bytes("a\0b", 3), TextEncoding::Utf8, Fault::None, TextEncoding::Utf8, QStringLiteral("a") + QChar(0) + u'b'},
        {"utf-8 mark", "\xEF\xBB\xBF" "a", TextEncoding::Utf8, Fault::None, TextEncoding::Utf8, QStringLiteral("a")},
        // A mark of either order wins over the order named.
        {"utf-16be LE mark", "\xFF\xFE" + utf16Units(u"ab"_qs, false), TextEncoding::Utf16BE, Fault::None,
         TextEncoding::Utf16LE, QStringLiteral("ab")},
        {"utf-32be unmarked", utf32Units(kMixed, true), TextEncoding::Utf32BE, Fault::None, TextEncoding::Utf32BE,
         kMixed},
        // Named: taken as given, even where detection would guess otherwise.
        {"big5 named", bytes("\xA4\xA4\xA4\xE5\r\n", 6), TextEncoding::Big5, Fault::None, TextEncoding::Big5,
         QStringLiteral("中文\r\n")},
        {"shift_jis named", "\x82\xA0\x82\xA2", TextEncoding::ShiftJis, Fault::None, TextEncoding::ShiftJis,
         QStringLiteral("あい")},
        {"euc-kr named", "\xC7\xD1\xB1\xB9", TextEncoding::EucKr, Fault::None, TextEncoding::EucKr,
         QStringLiteral("한국")},
        {"windows-1252 named", "\x80 \xE9", TextEncoding::Windows1252, Fault::None, TextEncoding::Windows1252,
         QStringLiteral("€ é")},
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
        {"marked UTF-8 broken", "\xEF\xBB\xBF" "\xD6\xD0", EncodingChoice::Auto, Fault::Invalid, TextEncoding::Utf8, {}},
        {"UTF-16 odd", "\xFF\xFE" "a", EncodingChoice::Auto, Fault::Invalid, TextEncoding::Utf16LE, {}},
        {"UTF-32 cut short", bytes("\xFF\xFE\0\0" "a\0\0", 7), EncodingChoice::Auto, Fault::Invalid,
         TextEncoding::Utf32LE, {}},
        {"UTF-32 past Unicode", bytes("\0\0\xFE\xFF" "\0\x11\0\0", 8), EncodingChoice::Auto, Fault::Invalid,
         TextEncoding::Utf32BE, {}},
        {"utf-32le surrogate", bytes("\xFF\xFE\0\0" "\0\xD8\0\0", 8), TextEncoding::Utf32LE, Fault::Invalid,
         TextEncoding::Utf32LE, {}},
        {"utf-8 GBK bytes", "\xD6\xD0", TextEncoding::Utf8, Fault::Invalid, TextEncoding::Utf8, {}},
        {"utf-8 cut short", "ab\xE4\xB8", TextEncoding::Utf8, Fault::Invalid, TextEncoding::Utf8, {}},
        {"utf-8 surrogate", "\xED\xA0\x80", TextEncoding::Utf8, Fault::Invalid, TextEncoding::Utf8, {}},
        {"utf-8 overlong", "a\xC0\x80", TextEncoding::Utf8, Fault::Invalid, TextEncoding::Utf8, {}},
        {"utf-16 odd", "abc", TextEncoding::Utf16LE, Fault::Invalid, TextEncoding::Utf16LE, {}},
        {"gb18030 lone 0x80", "\x80", TextEncoding::Gb18030, Fault::Invalid, TextEncoding::Gb18030, {}},
        {"gb18030 cut short", "a\x95\x32\x82", TextEncoding::Gb18030, Fault::Invalid, TextEncoding::Gb18030, {}},
        {"gb18030 beyond U+10FFFF", "\xE3\x32\x9A\x36", TextEncoding::Gb18030, Fault::Invalid,
         TextEncoding::Gb18030, {}},
        {"shift_jis lone lead", "a\x82", TextEncoding::ShiftJis, Fault::Invalid, TextEncoding::ShiftJis, {}},
        {"big5 bad trail", "\xA4 ", TextEncoding::Big5, Fault::Invalid, TextEncoding::Big5, {}},
        {"euc-kr unassigned", "\xA2\xE8", TextEncoding::EucKr, Fault::Invalid, TextEncoding::EucKr, {}},
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

// The files a Chinese user meets, each read as what it is, or asked about
// when a few bytes cannot tell; what is asked offers the right answer.
TEST(DecodeText, DetectsTheEncodingOfEachFile)
{
    using E = TextEncoding;
    const struct {
        const char* file;
        E encoding;
        const char* text;
        bool guessed;
        std::optional<E> offered; // guessed: among the candidates
    } cases[] = {
        {"gb18030-short.txt", E::Gb18030, "中文", false, {}},
        {"gb18030-sentence.txt", E::Gb18030, "正则表达式测试工具，可以用来匹配和替换文本。", false, {}},
        // As GB18030 these read as kana: not taken without asking.
        {"big5-short.txt", E::Gb18030, "いゅ", true, E::Big5},
        {"big5-sentence.txt", E::Big5, "今天天氣很好，我們去公園散步吧。", false, {}},
        // As GB18030 these are characters of the GBK extension rows.
        {"shift_jis-short.txt", E::Gb18030, "偁偄", true, E::ShiftJis},
        {"shift_jis-sentence.txt", E::ShiftJis, "今日はいい天気ですね。", false, {}},
        {"euc-jp-sentence.txt", E::EucJp, "これは日本語のテキストファイルです。正規表現を試すためのツールです。", false, {}},
        {"euc-kr-sentence.txt", E::EucKr, "이것은 한국어 텍스트 파일입니다. 정규 표현식을 시험하는 도구입니다.", false,
         {}},
        {"windows-1252-sentence.txt", E::Windows1252,
         "Ceci est un texte en français, avec des accents: é, è, à, ç. C'est très bien.", false, {}},
        {"windows-1252-guess.txt", E::Windows1252, "Café crème brûlée — «naïve» façade, déjà vu. Ça coûte 5 €.",
         true, E::Windows1250},
        {"utf8-cut.txt", E::Utf8, "中文\uFFFD", false, {}},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = pattaro::testing::encodedBytes(c.file);
        ASSERT_FALSE(bytes.isEmpty()) << c.file;
        const DecodedText decoded = DecodeText(bytes, EncodingChoice::Auto);
        EXPECT_EQ(decoded.fault, Fault::None) << c.file;
        EXPECT_EQ(EncodingName(decoded.encoding), EncodingName(c.encoding)) << c.file;
        EXPECT_EQ(decoded.text, QString::fromUtf8(c.text)) << c.file;
        EXPECT_EQ(decoded.guessed, c.guessed) << c.file;
        if (c.guessed) {
            ASSERT_FALSE(decoded.candidates.empty()) << c.file;
            EXPECT_EQ(decoded.candidates.front(), decoded.encoding) << c.file;
            EXPECT_NE(std::find(decoded.candidates.begin(), decoded.candidates.end(), *c.offered),
                      decoded.candidates.end())
                << c.file;
            for (const TextEncoding e : decoded.candidates)
                EXPECT_EQ(DecodeText(bytes, e).fault, Fault::None) << c.file << " offers " << qPrintable(EncodingName(e));
        }
    }
}

TEST(DecodeText, ReadsUtf8CutShortInItsLastCharacterWithAReplacement)
{
    const struct {
        const char* name;
        QByteArray input;
        bool cutShort;
        QString text; // cut short: what is read
    } cases[] = {
        {"two of three bytes", "a\xE4\xB8\xAD\xE4\xB8", true, QStringLiteral("a中\uFFFD")},
        {"one of four bytes", "\xE4\xB8\xAD\xF0", true, QStringLiteral("中\uFFFD")},
        {"three of four bytes", "\xE4\xB8\xAD\xF0\x9F\x98", true, QStringLiteral("中\uFFFD")},
        // After plain ASCII a high byte at the end is as likely a legacy character.
        {"ASCII, then one high byte", "Caf\xE9", false, {}},
        // ED A0 begins a surrogate, which UTF-8 never holds.
        {"a surrogate's start", "\xE4\xB8\xAD\xED\xA0", false, {}},
        {"broken before the end", "\xE4\xB8\xAD\xFF\xE4\xB8", false, {}},
        {"a stray continuation byte at the end", "\xE4\xB8\xAD\xAD", false, {}},
    };
    for (const auto& c : cases) {
        const DecodedText decoded = DecodeText(c.input, EncodingChoice::Auto);
        EXPECT_EQ(decoded.fault, Fault::None) << c.name;
        EXPECT_EQ(decoded.cutShort, c.cutShort) << c.name;
        if (c.cutShort) {
            EXPECT_EQ(decoded.encoding, TextEncoding::Utf8) << c.name;
            EXPECT_EQ(decoded.text, c.text) << c.name;
        } else {
            EXPECT_NE(decoded.encoding, TextEncoding::Utf8) << c.name;
        }
    }
}

TEST(EncodingChoiceByName, TakesEveryListedNameAndTheCommonAliasesInAnyCase)
{
    const struct {
        const char* name;
        std::optional<EncodingChoice> choice;
    } cases[] = {
        {"auto", EncodingChoice::Auto},
        {"UTF-8", TextEncoding::Utf8},
        {"utf-16", TextEncoding::Utf16LE},
        {"UTF-16BE", TextEncoding::Utf16BE},
        {"utf-32", TextEncoding::Utf32LE},
        {"GB18030", TextEncoding::Gb18030},
        {"gbk", TextEncoding::Gb18030},
        {"gb2312", TextEncoding::Gb18030},
        {"big5", TextEncoding::Big5},
        {"Shift_JIS", TextEncoding::ShiftJis},
        {"SJIS", TextEncoding::ShiftJis},
        {"euc-jp", TextEncoding::EucJp},
        {"EUC-KR", TextEncoding::EucKr},
        {"Windows-1252", TextEncoding::Windows1252},
        {"cp1251", TextEncoding::Windows1251},
        {"windows-1258", TextEncoding::Windows1258},
        {"latin1", std::nullopt},
        {"utf-7", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodingChoiceByName(QString::fromLatin1(c.name)), c.choice) << c.name;
    // Every name a usage text lists is taken.
    for (const QString& name : EncodingChoiceNames())
        EXPECT_TRUE(EncodingChoiceByName(name)) << qPrintable(name);
}

TEST(DecodeUtf8Exactly, KeepsALeadingMarkAsText)
{
    EXPECT_EQ(DecodeUtf8Exactly("\xEF\xBB\xBF" "a"), QString(QChar(0xFEFF)) + u'a');
    EXPECT_EQ(DecodeUtf8Exactly(""), QString());
    EXPECT_EQ(DecodeUtf8Exactly("a\xFF"), std::nullopt);
}

} // namespace

// The command line looks through these bytes instead of the decoded text:
// they must be exactly the text DecodeText gives, or nothing.
TEST(Utf8TextBytes, AreTheDecodedTextWhenItIsPlainUtf8)
{
    const QByteArray mark = "\xEF\xBB\xBF";
    const QByteArray nulLate = QByteArray(kBinaryProbeBytes, 'a') + '\0';
    const struct {
        const char* name;
        QByteArray input;
        EncodingChoice choice;
        std::optional<QByteArray> expected;
    } cases[] = {
        {"plain", kMixed.toUtf8(), EncodingChoice::Auto, kMixed.toUtf8()},
        {"marked", mark + "a" + mark, EncodingChoice::Auto, "a" + mark},
        {"empty", "", EncodingChoice::Auto, QByteArray()},
        {"named UTF-8, marked", mark + "b", TextEncoding::Utf8, QByteArray("b")},
        {"NUL near the start", bytes("a\0b", 3), EncodingChoice::Auto, std::nullopt},
        {"NUL after the mark", mark + bytes("a\0", 2), EncodingChoice::Auto, bytes("a\0", 2)},
        {"NUL past the first block", nulLate, EncodingChoice::Auto, nulLate},
        {"NUL, named UTF-8", bytes("a\0b", 3), TextEncoding::Utf8, bytes("a\0b", 3)},
        {"legacy", "caf\xE9", EncodingChoice::Auto, std::nullopt},
        {"cut short", "\xE4\xB8\xAD\xE4\xB8", EncodingChoice::Auto, std::nullopt},
        {"UTF-16 mark", bytes("\xFF\xFE" "a\0", 4), EncodingChoice::Auto, std::nullopt},
        {"UTF-32 big-endian mark", bytes("\0\0\xFE\xFF\0\0\0a", 8), EncodingChoice::Auto, std::nullopt},
        {"another encoding named", "abc", TextEncoding::Gb18030, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<QByteArrayView> text = Utf8TextBytes(c.input, c.choice);
        ASSERT_EQ(text.has_value(), c.expected.has_value());
        if (!text)
            continue;
        EXPECT_EQ(text->toByteArray(), *c.expected);
        const DecodedText decoded = DecodeText(c.input, c.choice);
        EXPECT_EQ(decoded.fault, Fault::None);
        EXPECT_FALSE(decoded.guessed || decoded.cutShort);
        EXPECT_EQ(decoded.text, QString::fromUtf8(*text));
    }
}
