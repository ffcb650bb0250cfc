#include "ui/richtext/linebreakmap.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <set>

namespace pattaro {
namespace {

// a CR LF b CR c LF d: document "a¶b¶c¶d".
const QString kMixed = QStringLiteral("a\r\nb\rc\nd");

LineBreakMap mapOf(const QString& text, qsizetype blockLimit = kBlockLimit)
{
    return LineBreakMap(shownTextOf(text, blockLimit));
}

// Whether the map takes every document position to the text it shows: a
// character to itself, a separator to its line break, and a split to no
// character at all; and whether each text offset comes back.
void expectMapAgrees(const LineBreakMap& map, const ShownText& shown, const QString& text)
{
    const std::set<qsizetype> splits(shown.splits.begin(), shown.splits.end());
    ASSERT_EQ(map.toText(shown.chars.size()), text.size());
    for (qsizetype pos = 0; pos < shown.chars.size(); ++pos) {
        const qsizetype offset = map.toText(pos);
        const QChar shownChar = shown.chars[pos];
        if (splits.count(pos)) {
            EXPECT_EQ(map.toText(pos + 1), offset) << "split at " << pos;
        } else if (shownChar == QChar::ParagraphSeparator || shownChar == QChar::LineSeparator) {
            EXPECT_TRUE(text[offset] == u'\r' || text[offset] == u'\n') << "position " << pos;
        } else {
            EXPECT_EQ(text[offset], shownChar) << "position " << pos;
        }
        // Never between the CR and LF of a pair; a split's far side comes
        // back as the split itself.
        const qsizetype back = map.toDocument(offset);
        EXPECT_TRUE(back == pos || (pos > 0 && splits.count(pos - 1) && back == pos - 1)) << "position " << pos;
    }
}

TEST(LineBreakMap, OnlyCrLfPairsFoldTwoUnitsIntoOne)
{
    const LineBreakMap map = mapOf(kMixed);
    EXPECT_EQ(map.pairCount(), 1);
    const qsizetype expectedDocument[] = {0, 1, 2, 2, 3, 4, 5, 6, 7, 8};
    for (qsizetype offset = 0; offset <= kMixed.size(); ++offset)
        EXPECT_EQ(map.toDocument(offset), expectedDocument[offset]) << "offset " << offset;
}

TEST(LineBreakMap, PositionsAndOffsetsAgreeWithAndWithoutSplits)
{
    const struct {
        QString text;
        qsizetype blockLimit;
        qsizetype splits;
    } cases[] = {
        {u"\r\n\r\nx\r\r\n\n"_qs, kBlockLimit, 0},
        {kMixed, kBlockLimit, 0},
        {u"abcdefghij"_qs, 4, 2},
        {u"abcd\r\nefgh\r\n\r\nijklm\rn"_qs, 4, 1},
        {u"ab\U0001F600\U0001F600cd"_qs, 3, 3},
    };
    for (const auto& c : cases) {
        const ShownText shown = shownTextOf(c.text, c.blockLimit);
        const LineBreakMap map(shown);
        EXPECT_EQ(map.splitCount(), c.splits) << c.text.toStdString();
        expectMapAgrees(map, shown, c.text);
    }
}

TEST(LineBreakMap, FollowsEditsAroundPairsAndSplits)
{
    // "abcdef|gh¶ij" at a limit of 6, with | a split and ¶ a CR LF.
    const QString text = u"abcdefgh\r\nij"_qs;
    const ShownText insertedLine{u"X\u2028Y"_qs, {1}, {}};
    const ShownText insertedSplit{u"XY\u2029Z"_qs, {}, {2}};
    const struct {
        const char* what;
        qsizetype from;
        qsizetype to;
        ShownText added;
    } edits[] = {
        {"the split alone removed", 6, 7, {}},
        {"typed just before the split", 6, 6, {u"X"_qs, {}, {}}},
        {"typed just after the split", 7, 7, {u"X"_qs, {}, {}}},
        {"a range across the split and the pair removed", 5, 10, {}},
        {"a line break typed into the second block", 8, 8, insertedLine},
        {"the pair replaced by a split", 9, 10, insertedSplit},
    };
    for (const auto& edit : edits) {
        const ShownText shown = shownTextOf(text, 6);
        ASSERT_EQ(shown.chars, u"abcdef\u2029gh\u2028ij"_qs);
        LineBreakMap map(shown);
        const qsizetype textFrom = map.toText(edit.from);
        const qsizetype textTo = map.toText(edit.to);
        map.replace(edit.from, edit.to, edit.added);

        QString edited = text;
        edited.replace(textFrom, textTo - textFrom, textOfShown(edit.added));
        ShownText after;
        after.chars = shown.chars;
        after.chars.replace(edit.from, edit.to - edit.from, edit.added.chars);
        const qsizetype delta = edit.added.chars.size() - (edit.to - edit.from);
        auto splice = [&](const std::vector<qsizetype>& old, const std::vector<qsizetype>& added) {
            std::vector<qsizetype> out;
            for (qsizetype p : old) {
                if (p < edit.from)
                    out.push_back(p);
            }
            for (qsizetype p : added)
                out.push_back(edit.from + p);
            for (qsizetype p : old) {
                if (p >= edit.to)
                    out.push_back(p + delta);
            }
            return out;
        };
        after.pairs = splice(shown.pairs, edit.added.pairs);
        after.splits = splice(shown.splits, edit.added.splits);
        SCOPED_TRACE(edit.what);
        EXPECT_EQ(map.pairCount(), qsizetype(after.pairs.size()));
        EXPECT_EQ(map.splitCount(), qsizetype(after.splits.size()));
        expectMapAgrees(map, after, edited);
    }
}

TEST(LineBreakMap, JoiningLoneBreaksKeepsThemTwoSeparators)
{
    // Deleting the X of "a\rX\nb" leaves "a\r\nb" whose CR and LF are still
    // two separate lines in the document.
    LineBreakMap map = mapOf(QStringLiteral("a\rX\nb"));
    map.replace(2, 3, ShownText{});
    EXPECT_EQ(map.pairCount(), 0);
    EXPECT_EQ(map.toDocument(4), 4);
}

TEST(DocumentText, KeepsLengthsAndReplacesWhatADocumentWouldNotKeep)
{
    const QString high(QChar(0xD800));
    const QString low(QChar(0xDC00));
    const QString pair = QString::fromUtf16(u"\U0001F600");
    const QString text = u"x"_qs + QChar(0) + high + u"y"_qs + low + pair + QChar(0xFDD0) + QChar(0x2028)
        + QChar(0xA0) + QChar(0x2029);
    const QString shown = shownTextOf(text).chars;
    ASSERT_EQ(shown.size(), text.size());
    EXPECT_EQ(shown[1], QChar(0x2400));
    EXPECT_EQ(shown[2], QChar(0xFFFD));
    EXPECT_EQ(shown[4], QChar(0xFFFD));
    EXPECT_EQ(shown.mid(5, 2), pair);
    EXPECT_EQ(shown[7], QChar(0xFFFD));
    EXPECT_EQ(shown.mid(8), text.mid(8));
}

TEST(DocumentText, SeparatorsReadBackAsCrLfAndSplitsAsNothing)
{
    EXPECT_EQ(textOfShown({u"a\u2029b\u2028c\u2029d\u2029e"_qs, {}, {7}}), u"a\r\nb\r\nc\r\nde"_qs);
    EXPECT_EQ(shownTextOf(u"a\r\nb\rc\nd"_qs).chars, u"a\u2028b\u2028c\u2028d"_qs);
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
    const ShownText shown = shownTextOf(text);
    EXPECT_TRUE(shown.splits.empty());
    EXPECT_EQ(shownTextOfInput(text, 0).chars, shown.chars);
    QString lines = shown.chars;
    lines.replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\n');
    EXPECT_EQ(lines, oneBreakKind);

    // Each block but the last closes at the first break past the target.
    const QStringList blocks = shown.chars.split(QChar::ParagraphSeparator);
    ASSERT_GT(blocks.size(), 2);
    for (qsizetype i = 0; i + 1 < blocks.size(); ++i) {
        EXPECT_GE(blocks[i].size(), kBlockTarget) << "block " << i;
        EXPECT_LT(blocks[i].size(), kBlockTarget + 11) << "block " << i;
    }
}

TEST(DocumentText, LongLinesSplitWhereABlockReachesItsLimit)
{
    const QString pair = QString::fromUtf16(u"\U0001F600");
    const QString as(29, u'a');
    const struct {
        const char* what;
        QString text;
        qsizetype column;
        qsizetype blockLimit;
        QString shown; // | marks a split
    } cases[] = {
        {"even pieces", u"abcdefghij"_qs, 0, 4, u"abcd|efgh|ij"_qs},
        {"exactly the limit", u"abcd"_qs, 0, 4, u"abcd"_qs},
        {"a surrogate pair is never parted", u"abc"_qs + pair + u"d"_qs, 0, 4, u"abc|"_qs + pair + u"d"_qs},
        {"input counts from its column", u"abcdef"_qs, 3, 4, u"a|bcde|f"_qs},
        {"input into a block already past the limit", u"ab"_qs, 9, 4, u"|ab"_qs},
        {"lines sharing a block count together", u"ab\ncd\nef"_qs, 0, 4, u"ab\u2028c|d\u2028ef"_qs},
        {"a block full at a line break ends there", u"abcd\nef"_qs, 0, 4, u"abcd\u2029ef"_qs},
        {"after a space near the limit", as + u" bbbbbb"_qs, 0, 32, as + u" |bbbbbb"_qs},
        {"before an ideograph near the limit", as + u"a中文xy"_qs, 0, 32, as + u"a中|文xy"_qs},
        {"a space too far back is passed over", as + u" bbbbbb"_qs, 0, 16,
         u"aaaaaaaaaaaaaaaa|aaaaaaaaaaaaa bb|bbbb"_qs},
    };
    for (const auto& c : cases) {
        const ShownText shown = c.column ? shownTextOfInput(c.text, c.column, c.blockLimit)
                                         : shownTextOf(c.text, c.blockLimit);
        QString marked = shown.chars;
        for (auto split = shown.splits.rbegin(); split != shown.splits.rend(); ++split) {
            ASSERT_EQ(marked[*split], QChar::ParagraphSeparator) << c.what;
            marked[*split] = u'|';
        }
        EXPECT_EQ(marked, c.shown) << c.what;
        EXPECT_EQ(textOfShown(shown), QString(c.text).replace(u"\n"_qs, u"\r\n"_qs)) << c.what;
    }
}

TEST(DocumentText, ParagraphSeparatorOfTheTextStartsABlockAfresh)
{
    const QString text = QString(2000, u'x') + QChar::ParagraphSeparator + QString(100, u'y') + u"\r\nz"_qs;
    EXPECT_EQ(shownTextOf(text).chars.count(QChar::ParagraphSeparator), 1);
}

TEST(DocumentText, InsertedTextKeepsEveryCharacterButLineBreaks)
{
    const QString input = u"a"_qs + QChar(0) + QChar(0xD800) + QChar(0xFDD0) + u"\r\nb\rc"_qs;
    const QString want = u"a"_qs + QChar(0) + QChar(0xD800) + QChar(0xFDD0) + u"\u2028b\u2028c"_qs;
    const ShownText shown = shownTextOfInput(input, 0);
    EXPECT_EQ(shown.chars, want);
    EXPECT_EQ(shown.pairs, (std::vector<qsizetype>{4, 6}));
}

} // namespace
} // namespace pattaro
