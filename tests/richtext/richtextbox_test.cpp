#include "app/components/richtext/richtextbox.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using platform::OleColor;

constexpr OleColor kBlack = 0x000000;
constexpr OleColor kGreen = 0x00C000;
constexpr OleColor kOrange = 0x0080FF;

struct Painted {
    QChar ch;
    OleColor color;
    bool bold;
    bool operator==(const Painted&) const = default;
};

void PrintTo(const Painted& p, std::ostream* os)
{
    *os << "U+" << std::hex << unsigned(p.ch.unicode()) << std::dec << " colour " << p.color << (p.bold ? " bold" : "");
}

// Every character the document shows, line breaks left out, with its format.
std::vector<Painted> painted(RichTextBox& box)
{
    box.Flush();
    std::vector<Painted> out;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const OleColor color = format.hasProperty(QTextFormat::ForegroundBrush)
                ? platform::fromQColor(format.foreground().color())
                : kBlack;
            for (const QChar c : it.fragment().text())
                out.push_back({c, color, format.fontWeight() >= QFont::Bold});
        }
    }
    return out;
}

// What painted() should give for `text` with the ranges (offset, length) of
// `marks` in the given colour and bold; a later mark wins.
struct Mark {
    qsizetype start;
    qsizetype length;
    OleColor color;
    bool bold;
};
std::vector<Painted> expected(const QString& text, const std::vector<Mark>& marks)
{
    const QString shown = documentTextOf(text);
    const LineBreakMap map = LineBreakMap::fromText(text);
    std::vector<Painted> out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n')
            continue;
        Painted p{shown[map.toDocument(i)], kBlack, false};
        for (const Mark& m : marks) {
            if (i >= m.start && i < m.start + m.length) {
                p.color = m.color;
                p.bold = m.bold;
            }
        }
        out.push_back(p);
    }
    return out;
}

void highlight(RichTextBox& box, qsizetype start, qsizetype length, OleColor color)
{
    box.SelStart(start);
    box.SelLength(length);
    box.SelBold(true);
    box.SelColor(color);
}

TEST(RichTextBox, TextRoundTripsEveryCharacterAsGiven)
{
    const QString samples[] = {
        u"a\rb"_qs, u"a\nb"_qs, u"a\r\nb"_qs, u"\r\n\r\n"_qs, u"\n\r"_qs, u"end\r"_qs,
        u"line\u2028sep\u2029para"_qs, u"nbsp\u00a0here"_qs, u"nul"_qs + QChar(0) + u"x"_qs,
        u"lone "_qs + QChar(0xD800) + u" and "_qs + QChar(0xDFFF), QString(QChar(0xFDD0)) + QChar(0xFDD1),
        u"\U0001F600 pair"_qs, QString(),
    };
    RichTextBox box;
    for (const QString& text : samples) {
        box.Text(text);
        EXPECT_EQ(box.Text(), text);
        // One document position per character, one per line break.
        EXPECT_EQ(box.document()->characterCount() - 1, documentTextOf(text).size());
    }
}

TEST(RichTextBox, LineBreaksShowAsLines)
{
    RichTextBox box;
    box.Text(u"a\r\nb\rc\nd"_qs);
    EXPECT_EQ(box.document()->blockCount(), 4);
    EXPECT_EQ(box.document()->findBlockByNumber(3).text(), u"d"_qs);
}

TEST(RichTextBox, ColoursLandOnTheOffsetsOfTextAcrossEveryKindOfLineBreak)
{
    const QString text = u"ab\r\ncd\ref\ngh\r\n\r\nij"_qs;
    RichTextBox box;
    box.Text(text);
    const std::vector<Mark> marks = {
        {text.indexOf(u"cd"), 2, kGreen, true},
        {text.indexOf(u"f"), 3, kOrange, true}, // f, LF, g
        {text.indexOf(u"ij") - 1, 2, kGreen, true}, // LF, i
    };
    for (const Mark& m : marks)
        highlight(box, m.start, m.length, m.color);
    EXPECT_EQ(painted(box), expected(text, marks));
}

TEST(RichTextBox, ColourAndBoldOfOneRangeLeaveEveryOtherCharacterAlone)
{
    const QString text = u"one two three four"_qs;
    RichTextBox box;
    box.Text(text);
    highlight(box, 0, 7, kGreen);
    highlight(box, 4, 9, kOrange);
    // Colour without bold, then bold without colour.
    box.SelStart(14);
    box.SelLength(4);
    box.SelColor(kGreen);
    std::vector<Painted> want = expected(text, {{0, 7, kGreen, true}, {4, 9, kOrange, true}, {14, 4, kGreen, false}});
    EXPECT_EQ(painted(box), want);

    box.SelStart(0);
    box.SelLength(3);
    box.SelBold(false);
    for (qsizetype i = 0; i < 3; ++i)
        want[size_t(i)].bold = false;
    EXPECT_EQ(painted(box), want);
}

TEST(RichTextBox, ResetOverWholeTextClearsEarlierMarks)
{
    const QString text = u"x1\r\ny2\r\nz3"_qs;
    RichTextBox box;
    box.Text(text);
    highlight(box, 1, 1, kGreen);
    highlight(box, 5, 1, kOrange);
    box.SelStart(0);
    box.SelLength(text.size());
    box.SelColor(kBlack);
    box.SelBold(false);
    EXPECT_EQ(painted(box), expected(text, {}));
    EXPECT_EQ(box.textCursor().selectedText().size(), box.document()->characterCount() - 1);
}

TEST(RichTextBox, EmptySelectionChangesNothing)
{
    const QString text = u"ab\r\ncd"_qs;
    RichTextBox box;
    box.Text(text);
    highlight(box, 0, 1, kGreen);
    const auto before = painted(box);
    for (qsizetype at : {0, 1, 2, 3, 4, 6}) {
        highlight(box, at, 0, kOrange);
        box.SelBold(false);
    }
    // The LF of a pair alone covers no shown character either.
    highlight(box, 3, 1, kOrange);
    EXPECT_EQ(painted(box), before);
}

TEST(RichTextBox, SelectionIsClampedToTheText)
{
    RichTextBox box;
    box.Text(u"abc"_qs);
    box.SelStart(-4);
    EXPECT_EQ(box.SelStart(), 0);
    box.SelLength(99);
    EXPECT_EQ(box.SelLength(), 3);
    box.SelStart(10);
    EXPECT_EQ(box.SelStart(), 3);
    EXPECT_EQ(box.SelLength(), 0);
    box.SelLength(-1);
    EXPECT_EQ(box.SelLength(), 0);
}

TEST(RichTextBox, ReadsBackTheSelectionsFormat)
{
    RichTextBox box;
    box.Text(u"a\r\nbc"_qs);
    highlight(box, 3, 1, kOrange);
    box.SelStart(3);
    box.SelLength(2);
    EXPECT_EQ(box.SelColor(), kOrange);
    EXPECT_TRUE(box.SelBold());
    box.SelStart(4);
    box.SelLength(1);
    EXPECT_EQ(box.SelColor(), kBlack);
    EXPECT_FALSE(box.SelBold());
}

TEST(RichTextBox, HalfASurrogatePairCanBeColoured)
{
    const QString text = u"a\U0001F600b"_qs;
    RichTextBox box;
    box.Text(text);
    highlight(box, 2, 2, kGreen);
    EXPECT_EQ(painted(box), expected(text, {{2, 2, kGreen, true}}));
}

TEST(RichTextBox, NewTextDropsOldFormatting)
{
    RichTextBox box;
    box.Text(u"abc"_qs);
    highlight(box, 0, 3, kGreen);
    box.Text(u"xyz"_qs);
    EXPECT_EQ(painted(box), expected(u"xyz"_qs, {}));
}

// Edits made through the widget's own cursor stand in for typing.
TEST(RichTextBox, TypingKeepsTextAndOffsetsInStep)
{
    const QString nul(QChar(0));
    RichTextBox box;
    box.Text(u"ab\rcd\r\nef"_qs + nul);
    QTextCursor cursor(box.document());

    cursor.setPosition(1);
    cursor.insertText(u"X"_qs);
    EXPECT_EQ(box.Text(), u"aXb\rcd\r\nef"_qs + nul);

    cursor.setPosition(6); // after "d"
    cursor.insertBlock();
    EXPECT_EQ(box.Text(), u"aXb\rcd\r\n\r\nef"_qs + nul);

    // Delete from "c" to "e" across both breaks after it.
    cursor.setPosition(4);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    EXPECT_EQ(box.Text(), u"aXb\rf"_qs + nul);

    // Offsets of the new text still land right.
    const QString text = box.Text();
    highlight(box, 4, 1, kGreen);
    EXPECT_EQ(painted(box), expected(text, {{4, 1, kGreen, true}}));
}

TEST(RichTextBox, ReplacingEverythingByHandIsFollowed)
{
    RichTextBox box;
    box.Text(u"a\rb\nc"_qs);
    box.selectAll();
    box.insertPlainText(u"new\nlines"_qs);
    EXPECT_EQ(box.Text(), u"new\r\nlines"_qs);
    box.selectAll();
    box.textCursor().removeSelectedText();
    EXPECT_EQ(box.Text(), QString());
}

TEST(RichTextBox, UndoDoesNotUnpickProgramColouring)
{
    RichTextBox box;
    box.Text(u"abc"_qs);
    QTextCursor(box.document()).insertText(u"z"_qs);
    highlight(box, 0, 4, kGreen);
    box.Flush();
    box.undo();
    EXPECT_EQ(box.Text(), u"zabc"_qs);
    EXPECT_EQ(painted(box), expected(u"zabc"_qs, {{0, 4, kGreen, true}}));
}

} // namespace
} // namespace pattaro
