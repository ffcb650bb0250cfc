#include "ui/richtext/richtextbox.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
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

// Every character the document shows, line breaks (the separators between
// and inside blocks) left out, with the format its block was laid out with
// when the pane was painted, scrolled a page at a time from top to bottom.
std::vector<Painted> painted(RichTextBox& box)
{
    box.Flush();
    box.resize(400, 300);
    QScrollBar* bar = box.verticalScrollBar();
    for (int value = 0;; value += bar->pageStep()) {
        bar->setValue(value);
        box.grab();
        if (value >= bar->maximum())
            break;
    }
    std::vector<Painted> out;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        std::vector<Painted> shown;
        for (const QChar c : block.text())
            shown.push_back({c, kBlack, false});
        for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
            for (int i = range.start; i < range.start + range.length; ++i) {
                Painted& p = shown[size_t(i)];
                if (range.format.hasProperty(QTextFormat::ForegroundBrush))
                    p.color = platform::fromQColor(range.format.foreground().color());
                p.bold = range.format.fontWeight() >= QFont::Bold;
            }
        }
        for (const Painted& p : shown) {
            if (p.ch != QChar::LineSeparator)
                out.push_back(p);
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
    const QString shown = shownTextOf(text).chars;
    const LineBreakMap map(shownTextOf(text));
    std::vector<Painted> out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n')
            continue;
        // Where the character ends, past any split before it.
        Painted p{shown[map.toDocument(i + 1) - 1], kBlack, false};
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
        EXPECT_EQ(box.document()->characterCount() - 1, shownTextOf(text).chars.size());
        // The caret and the view start at the top.
        EXPECT_EQ(box.textCursor().position(), 0);
    }
}

// The text of each line the pane shows, line breaks left out.
QStringList shownLines(RichTextBox& box)
{
    box.resize(400, 300);
    box.grab();
    QStringList lines;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines += block.text().mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator);
        }
    }
    return lines;
}

TEST(RichTextBox, LineBreaksShowAsLines)
{
    RichTextBox box;
    box.Text(u"a\r\nb\rc\nd"_qs);
    EXPECT_EQ(shownLines(box), QStringList({u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));
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

TEST(RichTextBox, PastedLinesShareBlocksAndUndoAndRedoKeepTheText)
{
    QString pasted;
    for (int i = 0; i < 3000; ++i)
        pasted += u"line "_qs + QString::number(i) + (i % 2 ? u"\r\n"_qs : u"\n"_qs);
    QString want = pasted;
    want.replace(u"\r\n"_qs, u"\n"_qs).replace(u"\n"_qs, u"\r\n"_qs);
    want = u"a"_qs + want + u"b"_qs;

    RichTextBox box;
    box.Text(u"ab"_qs);
    box.SelStart(1);
    box.Flush();
    QApplication::clipboard()->setText(pasted);
    box.paste();
    QApplication::clipboard()->clear();
    EXPECT_EQ(box.Text(), want);
    EXPECT_LT(box.document()->blockCount(), 100);
    box.undo();
    EXPECT_EQ(box.Text(), u"ab"_qs);
    box.redo();
    EXPECT_EQ(box.Text(), want);
    // Offsets still land right after the round.
    highlight(box, want.size() - 2, 2, kGreen);
    EXPECT_EQ(painted(box), expected(want, {{want.size() - 2, 2, kGreen, true}}));
}

// "x", a line of 10,000 letters, "y": the long line is split across blocks.
QString textWithALongLine()
{
    QString line;
    for (int i = 0; i < 10'000; ++i)
        line += QChar(u'a' + i % 26);
    return u"x\r\n"_qs + line + u"\r\ny"_qs;
}

// Text offset where the first block of the long line ends and the next one
// goes on with it.
qsizetype firstSplitOf(RichTextBox& box)
{
    const QString text = box.Text();
    return LineBreakMap(shownTextOf(text)).toText(box.document()->firstBlock().next().position());
}

TEST(RichTextBox, ALongLineIsSplitAcrossBlocksAndColouredAsOne)
{
    const QString text = textWithALongLine();
    RichTextBox box;
    box.Text(text);
    EXPECT_EQ(box.Text(), text);
    EXPECT_GE(box.document()->blockCount(), 3);
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        EXPECT_LE(block.length() - 1, kBlockLimit);
    const qsizetype split = firstSplitOf(box);
    ASSERT_GT(split, 3);
    highlight(box, split - 3, 6, kGreen);
    highlight(box, split, 1, kOrange);
    EXPECT_EQ(painted(box), expected(text, {{split - 3, 6, kGreen, true}, {split, 1, kOrange, true}}));
    box.SelStart(split);
    EXPECT_EQ(box.SelColor(), kGreen);
    box.SelLength(1);
    EXPECT_EQ(box.SelColor(), kOrange);
}

TEST(RichTextBox, EditingAtASplitChangesTheTextAsAnywhereInTheLine)
{
    const QString text = textWithALongLine();
    // Where the caret is put: at the start of the block after the split, at
    // the end of the one before, or a few units into the later one.
    enum Where { AfterSplit, BeforeSplit, IntoSecondBlock };
    const struct {
        const char* what;
        Where where;
        int key;
        qsizetype removedAt; // text offset relative to the split, or none
        QString inserted;
    } steps[] = {
        {"Backspace after the split", AfterSplit, Qt::Key_Backspace, -1, {}},
        {"Delete before the split", BeforeSplit, Qt::Key_Delete, 0, {}},
        {"Enter after the split", AfterSplit, Qt::Key_Return, 0, u"\r\n"_qs},
        {"Enter further on", IntoSecondBlock, Qt::Key_Enter, 10, u"\r\n"_qs},
        {"a letter after the split", AfterSplit, Qt::Key_Q, 0, u"q"_qs},
    };
    for (const auto& step : steps) {
        RichTextBox box;
        box.Text(text);
        const qsizetype split = firstSplitOf(box);
        const QTextBlock second = box.document()->firstBlock().next();
        QTextCursor cursor(box.document());
        cursor.setPosition(step.where == BeforeSplit ? second.position() - 1
                               : second.position() + (step.where == IntoSecondBlock ? 10 : 0));
        box.setTextCursor(cursor);
        QTest::keyClick(&box, Qt::Key(step.key));
        QString want = text;
        if (step.inserted.isEmpty())
            want.remove(split + step.removedAt, 1);
        else
            want.insert(split + step.removedAt, step.inserted);
        EXPECT_EQ(box.Text(), want) << step.what;
        // A later key lands where the caret shows.
        QTest::keyClick(&box, Qt::Key_Z);
        EXPECT_EQ(box.Text()[box.SelStart() - 1], u'z') << step.what;
        box.undo();
        box.undo();
        EXPECT_EQ(box.Text(), text) << step.what;
    }

    // The arrows cross a split and the character beyond it in one press.
    RichTextBox box;
    box.Text(text);
    const qsizetype split = firstSplitOf(box);
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        qsizetype selStart;
        qsizetype selLength;
    } arrows[] = {
        {Qt::Key_Right, Qt::NoModifier, split + 1, 0},
        {Qt::Key_Left, Qt::NoModifier, split - 1, 0},
        {Qt::Key_Right, Qt::ShiftModifier, split, 1},
        {Qt::Key_Left, Qt::ShiftModifier, split - 1, 1},
    };
    for (const auto& arrow : arrows) {
        box.SelStart(split);
        box.Flush();
        // The caret starts on the side the arrow leaves from.
        if (arrow.key == Qt::Key_Left) {
            QTextCursor cursor = box.textCursor();
            cursor.movePosition(QTextCursor::NextBlock);
            box.setTextCursor(cursor);
        }
        QTest::keyClick(&box, Qt::Key(arrow.key), arrow.modifiers);
        EXPECT_EQ(box.SelStart(), arrow.selStart) << arrow.key << " " << arrow.modifiers;
        EXPECT_EQ(box.SelLength(), arrow.selLength) << arrow.key << " " << arrow.modifiers;
    }
}

TEST(RichTextBox, PasteCopyAndUndoAcrossSplitsKeepTheTextExact)
{
    const QString text = textWithALongLine();
    const QString pasted = QString(9'000, u'P') + u"\r\n"_qs + QString(5'000, u'Q');
    RichTextBox box;
    box.Text(text);
    const qsizetype split = firstSplitOf(box);

    // A copy across the split is the text itself.
    box.SelStart(split - 5);
    box.SelLength(10);
    box.Flush();
    box.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), text.mid(split - 5, 10));

    // A long paste over that selection is split too, and undone and redone whole.
    QString want = text;
    want.replace(split - 5, 10, pasted);
    QApplication::clipboard()->setText(pasted);
    box.paste();
    QApplication::clipboard()->clear();
    EXPECT_EQ(box.Text(), want);
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        EXPECT_LE(block.length() - 1, 2 * kBlockLimit);
    box.undo();
    EXPECT_EQ(box.Text(), text);
    box.redo();
    EXPECT_EQ(box.Text(), want);

    // Removing a stretch across several splits, then bringing it back.
    QTextCursor cursor(box.document());
    cursor.setPosition(10);
    cursor.setPosition(box.document()->characterCount() - 10, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    const qsizetype from = box.SelStart();
    const qsizetype to = box.SelStart() + box.SelLength();
    cursor.removeSelectedText();
    EXPECT_EQ(box.Text(), QString(want).remove(from, to - from));
    box.undo();
    EXPECT_EQ(box.Text(), want);
    highlight(box, 0, want.size(), kGreen);
    EXPECT_EQ(painted(box), expected(want, {{0, want.size(), kGreen, true}}));
}

TEST(RichTextBox, TripleClickSelectsTheLineUnderThePointer)
{
    QString text;
    for (int i = 0; i < 400; ++i)
        text += QString::number(i) + u" words\r\n"_qs;
    // A line split across blocks, clicked in its second block.
    const QString longLine = QString(u"long "_qs).repeated(2000);
    text += longLine + u"\r\n"_qs;
    RichTextBox box;
    box.resize(400, 300);
    box.show();
    box.Text(text);
    // The last line of a block ends at the block's own separator.
    ASSERT_GT(box.document()->blockCount(), 1);
    const QString lastOfBlock = box.document()->firstBlock().text().section(QChar::LineSeparator, -1);
    const std::pair<QString, qsizetype> clicks[] = {
        {u"3 words"_qs, 1}, {u"0 words"_qs, 1}, {lastOfBlock, 1}, {u"399 words"_qs, 1}, {longLine, 6000},
    };
    for (const auto& [line, into] : clicks) {
        const qsizetype offset = text.indexOf(line + u"\r\n"_qs);
        box.SelStart(offset + into);
        box.Flush();
        box.grab();
        const QPoint at = box.cursorRect().center();
        QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(box.SelStart(), offset) << line.toStdString();
        EXPECT_EQ(box.SelLength(), line.size() + 2) << line.toStdString();
    }
    // Well after a double click, a click only places the caret.
    const QPoint at = box.cursorRect().center();
    QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, at);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(box.SelLength(), 0);
}

TEST(RichTextBox, UndoReachesTypingButNotProgramColouring)
{
    RichTextBox box;
    box.Text(u"abc"_qs);
    QTextCursor(box.document()).insertText(u"z"_qs);
    highlight(box, 0, 4, kGreen);
    box.Flush();
    box.undo();
    EXPECT_EQ(box.Text(), u"abc"_qs);
    EXPECT_EQ(painted(box), expected(u"abc"_qs, {{0, 3, kGreen, true}}));
}

TEST(RichTextBox, FormatsMoveWithTypingAndNewCharactersTakeTheOneBefore)
{
    RichTextBox box;
    box.Text(u"ab\r\ncdef"_qs);
    highlight(box, 4, 2, kGreen); // "cd"
    QTextCursor cursor(box.document());
    cursor.setPosition(4); // between c and d
    cursor.insertText(u"X"_qs);
    cursor.setPosition(0);
    cursor.insertText(u"Y"_qs);
    const QString text = box.Text();
    ASSERT_EQ(text, u"Yab\r\ncXdef"_qs);
    EXPECT_EQ(painted(box), expected(text, {{5, 3, kGreen, true}}));
    box.SelStart(6);
    box.SelLength(1);
    EXPECT_EQ(box.SelColor(), kGreen);
    EXPECT_TRUE(box.SelBold());
    box.SelStart(8);
    EXPECT_EQ(box.SelColor(), kGreen) << "caret after the last coloured character";
    box.SelLength(1);
    EXPECT_EQ(box.SelColor(), kBlack);
}

// Rows of the painted pane that hold a pixel of exactly `color`, and the
// rightmost column of any text-coloured pixel.
struct Ink {
    int rowsInColor = 0;
    int rightmost = -1;
};
Ink inkOf(RichTextBox& box, OleColor color)
{
    // The selection would be drawn in the highlight colours.
    box.SelStart(0);
    box.Flush();
    const QImage image = box.viewport()->grab().toImage();
    const QRgb base = image.pixel(image.width() - 1, image.height() - 1);
    const QColor want = platform::toQColor(color);
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        bool found = false;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = image.pixel(x, y);
            found = found || (qRed(px) == want.red() && qGreen(px) == want.green() && qBlue(px) == want.blue());
            if (px != base)
                ink.rightmost = std::max(ink.rightmost, x);
        }
        ink.rowsInColor += found;
    }
    return ink;
}

TEST(RichTextBox, PaintShowsColourAndBoldWidensTheLine)
{
    RichTextBox box;
    box.resize(400, 200);
    box.Text(u"WWWWWWWWWW"_qs);
    const Ink plain = inkOf(box, kGreen);
    EXPECT_EQ(plain.rowsInColor, 0);

    box.SelStart(0);
    box.SelLength(10);
    box.SelColor(kGreen);
    const Ink coloured = inkOf(box, kGreen);
    EXPECT_GT(coloured.rowsInColor, 0);
    EXPECT_EQ(coloured.rightmost, plain.rightmost) << "colour alone keeps the width";

    box.SelLength(10);
    box.SelBold(true);
    EXPECT_GT(inkOf(box, kGreen).rightmost, plain.rightmost);
}

TEST(RichTextBox, FormatsSurviveRelayoutOnResizeAndFontChange)
{
    const QString text = u"alpha beta\r\ngamma delta"_qs;
    RichTextBox box;
    box.Text(text);
    highlight(box, 6, 8, kGreen);
    const auto want = expected(text, {{6, 8, kGreen, true}});
    ASSERT_EQ(painted(box), want);
    box.resize(60, 300);
    box.grab();
    QFont font = box.font();
    font.setPointSize(font.pointSize() + 3);
    box.setFont(font);
    EXPECT_EQ(painted(box), want);
}

TEST(RichTextBox, OnlyBlocksInViewTakeTheirFormatsUntilScrolledTo)
{
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += u"line\r\n"_qs;
    RichTextBox box;
    box.resize(300, 150);
    box.show();
    box.Text(text);
    box.SelStart(0);
    box.SelLength(text.size());
    box.SelColor(kOrange);
    box.SelStart(text.size() - 6);
    box.SelLength(4);
    box.SelColor(kGreen);
    box.SelStart(0);
    box.Flush();
    box.grab();
    const QTextDocument* document = box.document();
    EXPECT_FALSE(document->firstBlock().layout()->formats().isEmpty());
    ASSERT_GT(document->blockCount(), 2);
    const QTextBlock last = document->lastBlock();
    EXPECT_TRUE(last.layout()->formats().isEmpty());

    box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
    box.grab();
    // The last "line" of the text, before its closing line break.
    const qsizetype lastWord = last.text().size() - 5;
    ASSERT_EQ(last.text().mid(lastWord), u"line"_qs + QChar::LineSeparator);
    const auto formats = last.layout()->formats();
    const auto green = std::find_if(formats.begin(), formats.end(), [](const QTextLayout::FormatRange& range) {
        return platform::fromQColor(range.format.foreground().color()) == kGreen;
    });
    ASSERT_NE(green, formats.end());
    EXPECT_EQ(green->start, lastWord);
    EXPECT_EQ(green->length, 4);
}

// Lines share blocks laid out only in view, yet the scroll range counts
// every line, after a new width and a new font too.
TEST(RichTextBox, ScrollRangeCountsEveryLine)
{
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += QString::number(i) + u" short line\r\n"_qs;
    RichTextBox box;
    box.resize(400, 150);
    box.show();
    box.Text(text);
    box.grab();
    const QScrollBar* bar = box.verticalScrollBar();
    EXPECT_GT(bar->maximum(), 19900);
    box.resize(300, 150);
    EXPECT_GT(bar->maximum(), 19900) << "after a resize";
    QFont font = box.font();
    font.setPointSize(font.pointSize() + 2);
    box.setFont(font);
    EXPECT_GT(bar->maximum(), 19900) << "after a font change";

    // One line of 200,000 units fills thousands of rows, though only the
    // blocks in view are laid out.
    box.Text(QString(u"word "_qs).repeated(40'000));
    box.grab();
    const qreal rows = 200'000.0 * box.fontMetrics().averageCharWidth() / box.viewport()->width();
    EXPECT_GT(bar->maximum(), rows / 2);
    EXPECT_LT(bar->maximum(), rows * 2);
}

// What a document holds, block by block: its text and whether it carries
// on the line of the block before it.
std::vector<std::pair<QString, bool>> blocksOf(const RichTextBox& box)
{
    std::vector<std::pair<QString, bool>> blocks;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        blocks.emplace_back(block.text(), block.blockFormat().boolProperty(QTextFormat::UserProperty + 1));
    return blocks;
}

TEST(RichTextBox, TextShownInSlicesEndsAsTextSetAtOnce)
{
    const qsizetype slice = RichTextBox::kFillSliceUnits;
    const struct {
        const char* what;
        QString text;
    } cases[] = {
        {"short lines with CR LF", QStringLiteral("alpha 中文 42\r\n").repeated(slice / 6)},
        {"one line longer than several slices", QStringLiteral("word ").repeated(slice)},
        {"every kind of break, a slice and a bit", QStringLiteral("a\rb\nc\r\n\r").repeated(slice / 7 + 3)},
        {"less than a slice", QStringLiteral("x\r\ny")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RichTextBox atOnce;
        atOnce.Text(c.text);
        RichTextBox sliced;
        sliced.ShowText(c.text, shownTextOf(c.text));
        EXPECT_EQ(sliced.Text(), c.text);
        EXPECT_EQ(sliced.isReadOnly(), sliced.IsFilling());
        // A selection past what the document holds so far waits for it.
        sliced.SelStart(c.text.size() - 2);
        sliced.SelLength(2);
        sliced.Flush();
        while (sliced.IsFilling())
            QCoreApplication::processEvents();
        EXPECT_FALSE(sliced.isReadOnly());
        EXPECT_EQ(blocksOf(sliced), blocksOf(atOnce));
        EXPECT_EQ(sliced.document()->toPlainText(), atOnce.document()->toPlainText());
        sliced.Flush();
        EXPECT_FALSE(sliced.textCursor().selectedText().isEmpty());
    }
}

TEST(RichTextBox, NewTextDropsTheSlicesStillToCome)
{
    const QString longText = QStringLiteral("line\r\n").repeated(RichTextBox::kFillSliceUnits);
    for (const bool sliceAgain : {false, true}) {
        RichTextBox box;
        box.ShowText(longText, shownTextOf(longText));
        ASSERT_TRUE(box.IsFilling());
        const QString replacement = QStringLiteral("new\r\ntext");
        if (sliceAgain)
            box.ShowText(replacement, shownTextOf(replacement));
        else
            box.Text(replacement);
        QCoreApplication::processEvents();
        EXPECT_FALSE(box.IsFilling());
        EXPECT_FALSE(box.isReadOnly());
        EXPECT_EQ(box.Text(), replacement);
        RichTextBox atOnce;
        atOnce.Text(replacement);
        EXPECT_EQ(blocksOf(box), blocksOf(atOnce));
    }
}

} // namespace
} // namespace pattaro
