#pragma once

#include <QString>
#include <vector>

namespace pattaro {

// What a document shows for a text. Every line break is one separator, so a
// CR LF pair shows as one position where it was two units. A line too long
// for one block is split across blocks; the separator between them stands
// for no character of the text.
struct ShownText {
    QString chars;
    // Positions in `chars` of the separators that stand for a CR LF pair and
    // of those that split a line, ascending.
    std::vector<qsizetype> pairs;
    std::vector<qsizetype> splits;
};

// Lines gather into one block of the document until it holds this many
// units: setting, pasting and clearing cost the document per block far more
// than per character.
constexpr qsizetype kBlockTarget = 2048;
// No line goes on in one block past this many units: Qt lays out a whole
// block whenever any of it comes into view or is typed in, and wraps a long
// unbroken line at a cost that grows with its square.
constexpr qsizetype kBlockLimit = 4096;

// Converts between offsets into a text and positions in the document that
// shows it, by binary search over the separators that change the count.
class LineBreakMap {
public:
    LineBreakMap() = default;
    explicit LineBreakMap(const ShownText& shown);

    // Document position of a text offset. An offset between the CR and the
    // LF of a pair lands after the pair's separator; an offset where a line
    // is split lands before the split, at the end of the first block.
    qsizetype toDocument(qsizetype textOffset) const;
    // Text offset of a document position; a separator's position gives the
    // offset of its first character, a split's the offset of what follows.
    qsizetype toText(qsizetype documentPosition) const;

    // Follows an edit of the document: the positions [from, to) gave way to
    // `added`.
    void replace(qsizetype from, qsizetype to, const ShownText& added);

    qsizetype pairCount() const { return qsizetype(m_pairs.size()); }
    qsizetype splitCount() const { return qsizetype(m_splits.size()); }

private:
    std::vector<qsizetype> m_pairs;
    std::vector<qsizetype> m_splits;
};

// The document for a whole text. Characters a document would not keep as
// they are (lone surrogates, NUL, the document's own frame markers) become a
// visible stand-in of the same length. Lines share a block, broken by line
// separators, until it holds kBlockTarget units; a paragraph separator then
// starts the next block.
ShownText shownTextOf(const QString& text, qsizetype blockLimit = kBlockLimit);

// The same for text the user inserts `column` units into a block: every line
// break stands for a CR LF, and every other character is left as it is.
ShownText shownTextOfInput(const QString& input, qsizetype column, qsizetype blockLimit = kBlockLimit);

// The text for what a document shows after the user edited it: a separator
// reads as CR LF, a split as nothing.
QString textOfShown(const ShownText& shown);

} // namespace pattaro
