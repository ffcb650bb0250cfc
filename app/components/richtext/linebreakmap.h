#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace pattaro {

// A text keeps its line breaks as they came (CR LF, lone CR, lone LF), while
// the document that shows it holds every line break as one paragraph
// separator. Only a CR LF pair changes the count, so the map stores where
// those pairs are and converts positions either way by binary search.
class LineBreakMap {
public:
    // The map of a text freshly put into a document.
    static LineBreakMap fromText(const QString& text);

    // Document position of a text offset. An offset between the CR and the
    // LF of a pair lands after the pair's separator.
    qsizetype toDocument(qsizetype textOffset) const;
    // Text offset of a document position; a separator's position gives the
    // offset of its first character.
    qsizetype toText(qsizetype documentPosition) const;

    // Follows an edit made in the document: the text range [textFrom, textTo)
    // was replaced by `inserted`, in which each CR LF is one separator.
    void replace(qsizetype textFrom, qsizetype textTo, const QString& inserted);

    qsizetype pairCount() const { return qsizetype(m_pairLf.size()); }

private:
    // Text index of the LF of each two-unit line break, ascending.
    std::vector<qsizetype> m_pairLf;
};

// What the document shows for a text: every line break one position, so
// positions match the map above. Lines share a block, broken by line
// separators, until the block holds a couple of thousand units; then a
// paragraph separator starts the next one. Characters a document would not
// keep as they are (lone surrogates, NUL, the document's own frame markers)
// become a visible stand-in of the same length.
QString documentTextOf(const QString& text);

// The same for text the user inserts, with its line breaks gathered into
// blocks alike and every other character left as it is.
QString documentTextOfInput(const QString& input);

// Length of the longest line of the text, line breaks not counted.
qsizetype longestLineOf(QStringView text);

// The text for characters read back from the document after the user edited
// it: paragraph and line separators become CR LF.
QString textOfDocumentChars(const QString& documentChars);

} // namespace pattaro
