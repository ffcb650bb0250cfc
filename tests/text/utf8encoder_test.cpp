// Output is written in pieces, and a piece may end between the two halves
// of a surrogate pair; the pair must come out as one character.
#include "core/text/utf8encoder.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

const char16_t kHigh = 0xD83D, kLow = 0xDE00; // U+1F600
const QByteArray kEmoji = "\xF0\x9F\x98\x80";
const QByteArray kReplacement = "\xEF\xBF\xBD";

QByteArray encodePieces(const std::vector<QString>& pieces)
{
    QByteArray out;
    Utf8Encoder encoder;
    for (const QString& piece : pieces)
        encoder.append(out, piece);
    encoder.finish(out);
    return out;
}

TEST(Utf8Encoder, JoinsPairsAcrossPiecesAndMarksLoneHalves)
{
    const QString high(QChar{kHigh}), low(QChar{kLow});
    const struct {
        const char* name;
        std::vector<QString> pieces;
        QByteArray expected;
    } cases[] = {
        {"pair in one piece", {u"a"_qs + high + low + u"中"_qs}, "a" + kEmoji + "\xE4\xB8\xAD"},
        {"pair split", {u"a"_qs + high, low + u"b"_qs}, "a" + kEmoji + "b"},
        {"split by an empty piece", {high, u""_qs, low}, kEmoji},
        {"high alone at the end", {u"a"_qs + high}, "a" + kReplacement},
        {"high then no low", {high, u"b"_qs}, kReplacement + "b"},
        {"low alone", {low + u"b"_qs}, kReplacement + "b"},
        {"two highs", {high, high, low}, kReplacement + kEmoji},
        {"line breaks as they are", {u"a\r\n"_qs, u"\rb\n"_qs}, "a\r\n\rb\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodePieces(c.pieces), c.expected) << c.name;
}

TEST(Utf8Encoder, FindsLoneSurrogates)
{
    const QChar high(kHigh), low(kLow);
    EXPECT_FALSE(HasLoneSurrogate(u"abc"_qs + high + low));
    EXPECT_TRUE(HasLoneSurrogate(QString(high)));
    EXPECT_TRUE(HasLoneSurrogate(QString(low) + u'a'));
    EXPECT_TRUE(HasLoneSurrogate(QString(high) + u'a' + low));
    EXPECT_TRUE(HasLoneSurrogate(QString(high) + high + low));
}

} // namespace
