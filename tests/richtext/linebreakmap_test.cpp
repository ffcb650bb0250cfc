#include "app/components/richtext/linebreakmap.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

// a CR LF b CR c LF d: document "a¶b¶c¶d".
const QString kMixed = QStringLiteral("a\r\nb\rc\nd");

TEST(LineBreakMap, OnlyCrLfPairsFoldTwoUnitsIntoOne)
{
    const LineBreakMap map = LineBreakMap::fromText(kMixed);
    EXPECT_EQ(map.pairCount(), 1);
    const qsizetype expectedDocument[] = {0, 1, 2, 2, 3, 4, 5, 6, 7, 8};
    for (qsizetype offset = 0; offset <= kMixed.size(); ++offset)
        EXPECT_EQ(map.toDocument(offset), expectedDocument[offset]) << "offset " << offset;
    EXPECT_EQ(documentTextOf(kMixed).size(), map.toDocument(kMixed.size()));
}

TEST(LineBreakMap, DocumentPositionsMapBackToCharacterStarts)
{
    const QString text = QStringLiteral("\r\n\r\nx\r\r\n\n");
    const LineBreakMap map = LineBreakMap::fromText(text);
    const QString shown = documentTextOf(text);
    ASSERT_EQ(shown.size(), 6);
    for (qsizetype pos = 0; pos <= shown.size(); ++pos) {
        const qsizetype offset = map.toText(pos);
        EXPECT_EQ(map.toDocument(offset), pos) << "position " << pos;
        // Never between the CR and LF of a pair.
        if (offset > 0 && offset < text.size()) {
            EXPECT_FALSE(text[offset - 1] == u'\r' && text[offset] == u'\n') << "position " << pos;
        }
    }
}

TEST(LineBreakMap, FollowsEditsThatAddAndRemovePairs)
{
    QString text = QStringLiteral("ab\r\ncd\r\nef\r\ngh");
    LineBreakMap map = LineBreakMap::fromText(text);
    // Replace "d\r\ne" (the middle pair) with "X\r\nY\r\nZ".
    const QString inserted = QStringLiteral("X\r\nY\r\nZ");
    map.replace(5, 9, inserted);
    text.replace(5, 4, inserted);
    const LineBreakMap fresh = LineBreakMap::fromText(text);
    EXPECT_EQ(map.pairCount(), fresh.pairCount());
    for (qsizetype offset = 0; offset <= text.size(); ++offset)
        EXPECT_EQ(map.toDocument(offset), fresh.toDocument(offset)) << "offset " << offset;
}

TEST(LineBreakMap, JoiningLoneBreaksKeepsThemTwoSeparators)
{
    // Deleting the X of "a\rX\nb" leaves "a\r\nb" whose CR and LF are still
    // two separate lines in the document.
    LineBreakMap map = LineBreakMap::fromText(QStringLiteral("a\rX\nb"));
    map.replace(2, 3, QString());
    EXPECT_EQ(map.pairCount(), 0);
    EXPECT_EQ(map.toDocument(4), 4);
}

TEST(DocumentText, LongestLineCountsNoLineBreak)
{
    const struct {
        QString text;
        qsizetype longest;
    } cases[] = {
        {QString(), 0},
        {QStringLiteral("\r\n\r\n"), 0},
        {kMixed, 1},
        {QStringLiteral("ab\r\nabcd\rabc"), 4},
        {QStringLiteral("abc\n"), 3},
        {QStringLiteral("a\u2028bcdef"), 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(longestLineOf(c.text), c.longest) << c.text.toStdString();
}

TEST(DocumentText, KeepsLengthsAndReplacesWhatADocumentWouldNotKeep)
{
    const QString high(QChar(0xD800));
    const QString low(QChar(0xDC00));
    const QString pair = QString::fromUtf16(u"\U0001F600");
    const QString text = u"x"_qs + QChar(0) + high + u"y"_qs + low + pair + QChar(0xFDD0) + QChar(0x2028)
        + QChar(0xA0) + QChar(0x2029);
    const QString shown = documentTextOf(text);
    ASSERT_EQ(shown.size(), text.size());
    EXPECT_EQ(shown[1], QChar(0x2400));
    EXPECT_EQ(shown[2], QChar(0xFFFD));
    EXPECT_EQ(shown[4], QChar(0xFFFD));
    EXPECT_EQ(shown.mid(5, 2), pair);
    EXPECT_EQ(shown[7], QChar(0xFFFD));
    EXPECT_EQ(shown.mid(8), text.mid(8));
}

TEST(DocumentText, SeparatorsReadBackAsCrLf)
{
    EXPECT_EQ(textOfDocumentChars(u"a\u2029b\u2028c\u2029"_qs), u"a\r\nb\r\nc\r\n"_qs);
    EXPECT_EQ(documentTextOf(u"a\r\nb\rc\nd"_qs), u"a\u2028b\u2028c\u2028d"_qs);
}

TEST(DocumentText, LinesGatherIntoBlocksOfBoundedSize)
{
    const QString breaks[] = {u"\r\n"_qs, u"\r"_qs, u"\n"_qs};
    QString text;
    QString oneBreakKind;
    for (int i = 0; i < 3000; ++i) {
        text += u"0123456789"_qs + breaks[i % 3];
        oneBreakKind += u"0123456789\n"_qs;
    }
    const QString shown = documentTextOf(text);
    EXPECT_EQ(shown.size(), LineBreakMap::fromText(text).toDocument(text.size()));
    EXPECT_EQ(documentTextOfInput(text), shown);
    QString lines = shown;
    lines.replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\n');
    EXPECT_EQ(lines, oneBreakKind);

    // Each block but the last closes at the first break past the target.
    const QStringList blocks = shown.split(QChar::ParagraphSeparator);
    ASSERT_GT(blocks.size(), 2);
    for (qsizetype i = 0; i + 1 < blocks.size(); ++i) {
        EXPECT_GE(blocks[i].size(), 2048) << "block " << i;
        EXPECT_LT(blocks[i].size(), 2048 + 11) << "block " << i;
    }
}

TEST(DocumentText, ParagraphSeparatorOfTheTextStartsABlockAfresh)
{
    const QString text = QString(2000, u'x') + QChar::ParagraphSeparator + QString(100, u'y') + u"\r\nz"_qs;
    EXPECT_EQ(documentTextOf(text).count(QChar::ParagraphSeparator), 1);
}

TEST(DocumentText, InsertedTextKeepsEveryCharacterButLineBreaks)
{
    const QString input = u"a"_qs + QChar(0) + QChar(0xD800) + QChar(0xFDD0) + u"\r\nb\rc"_qs;
    const QString want = u"a"_qs + QChar(0) + QChar(0xD800) + QChar(0xFDD0) + u"\u2028b\u2028c"_qs;
    EXPECT_EQ(documentTextOfInput(input), want);
}

} // namespace
} // namespace pattaro
