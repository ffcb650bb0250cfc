#pragma once

#include "ui/richtext/charformats.h"
#include "ui/richtext/linebreakmap.h"
#include "ui/richtext/piecetext.h"
#include "compat/olecolor.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <optional>
#include <utility>

class QTextBlock;

namespace pattaro {

// A multi-line text pane with per-character colour and bold. Its offsets are
// those of Text(), where a CR LF counts two, so match offsets apply as they are.
//
// Colour and bold live in the pane's own table, not in the document: setting
// them is a fill, and a block of the document takes its formats only when it
// is about to be painted. The document itself stays plain, so the user's Undo
// never reaches the program's colouring.
//
// Lines share the document's blocks a couple of thousand units at a time,
// and a very long line is split across several (see shownTextOf), since the
// document's costs grow with its blocks and Qt lays out a block whole. A
// triple click, the editing keys and the scroll range still go by lines.
class RichTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // The whole text, character for character as set or typed; line breaks
    // typed by the user read as CR LF.
    QString Text() const;
    // Replaces the whole text; every character loses its formatting.
    void Text(const QString& text);
    // Does what Text(text) does, from `shown`, which is shownTextOf(text)
    // worked out beforehand, on any thread. The document takes the first
    // slice of lines at once and the rest a slice at each return to the event
    // loop, so that no step holds the window's thread long; until the last,
    // the pane takes no typing. Another Text or ShowText drops what is left.
    void ShowText(const QString& text, ShownText shown);
    bool IsFilling() const { return m_fill.has_value(); }
    // Units of text a slice of ShowText adds to the document, ended at a block.
    static constexpr qsizetype kFillSliceUnits = 256 * 1024;

    // Setting SelStart collapses the selection there; SelLength then extends
    // it. Both are clamped to the text.
    qsizetype SelStart() const;
    void SelStart(qsizetype start);
    qsizetype SelLength() const;
    void SelLength(qsizetype length);

    // Colour and bold of the selection's first character (of the character
    // before the caret when nothing is selected, or of the first character
    // with the caret at the start). Setting applies to every selected
    // character and to no other; an empty selection changes nothing.
    platform::OleColor SelColor() const;
    void SelColor(platform::OleColor color);
    bool SelBold() const;
    void SelBold(bool on);

    platform::OleColor BackColor() const;
    void BackColor(platform::OleColor color);

    // Offset into Text() of the character drawn under a point of the
    // viewport, or -1 when the point is over no character (past a line's
    // end, below the last line). A surrogate pair answers with its first unit.
    qsizetype CharacterAt(const QPoint& viewportPoint) const;
    // The stretch of Text() the viewport shows, in whole blocks of lines:
    // where it starts and where it ends.
    std::pair<qsizetype, qsizetype> ShownRange() const;

    // The selection set through SelStart and SelLength is shown when control
    // returns to the event loop, so that many of them cost one cursor move;
    // this shows it now.
    void Flush();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A triple click selects the line under the pointer, not the whole block
    // of lines it shares.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Enter starts a line of its own; Backspace, Delete and the arrows reach
    // past a split to the character beside it.
    void keyPressEvent(QKeyEvent* event) override;
    // What is copied or dragged is the selected stretch of Text().
    QMimeData* createMimeDataFromSelection() const override;
    // Pasted and dropped text goes in with its lines gathered into blocks
    // the way Text() does it, so a long paste costs what setting it would.
    void insertFromMimeData(const QMimeData* source) override;

private:
    void scheduleFlush();
    void formatsChanged();
    qsizetype formatProbe() const;
    void showFormatsOfVisibleBlocks();
    void showFormats(QTextBlock& block);
    void onContentsChange(int position, int removed, int added);
    void onCursorMoved();
    void rederiveText();
    ShownText shownBetween(qsizetype from, qsizetype to) const;
    void replaceText(const QString& text, ShownText shown, qsizetype sliceUnits);
    void fillSlice(qsizetype sliceUnits);
    void countLinesOfBlocksNotLaidOut(int firstBlock = 0);
    void narrowSelectionToLineAt(int position);

    PieceText m_text;
    LineBreakMap m_map;
    CharFormats m_formats;
    // Bumped on every change of text or formats; a block whose user state
    // holds the current value already shows the right formats.
    int m_revision = 0;
    qsizetype m_documentLength = 0;
    qsizetype m_selStart = 0;
    qsizetype m_selLength = 0;
    bool m_flushQueued = false;
    QElapsedTimer m_sinceDoubleClick;
    QPoint m_doubleClickAt;
    // What a ShowText still has to add to the document; the generation tells
    // a slice queued for an older text from one for the latest.
    struct PendingFill {
        ShownText shown;
        qsizetype from = 0;
        bool wasReadOnly = false;
        int generation = 0;
    };
    std::optional<PendingFill> m_fill;
    int m_fillGeneration = 0;
    // Set while the document changes at our own hand, so the change is not
    // mistaken for typing.
    bool m_internal = false;
};

} // namespace pattaro
