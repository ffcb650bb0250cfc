#pragma once

#include "app/components/richtext/linebreakmap.h"
#include "platform/olecolor.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace pattaro {

// A multi-line text pane with per-character colour and bold. Its offsets are
// those of Text(), where a CR LF counts two, so match offsets apply as they are.
//
// Formatting through the Sel* properties is gathered into one document edit
// and shown when control returns to the event loop (or on Flush), so that
// colouring many ranges costs one relayout, not one per range.
class RichTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);
    ~RichTextBox() override;

    // The whole text, character for character as set or typed; line breaks
    // typed by the user read as CR LF.
    QString Text() const;
    // Replaces the whole text; every character loses its formatting.
    void Text(const QString& text);

    // Setting SelStart collapses the selection there; SelLength then extends
    // it. Both are clamped to the text.
    qsizetype SelStart() const;
    void SelStart(qsizetype start);
    qsizetype SelLength() const;
    void SelLength(qsizetype length);

    // Colour and bold of the selection's first character (of the character
    // before the caret when nothing is selected). Setting applies to every
    // selected character and to no other; an empty selection changes nothing.
    platform::OleColor SelColor() const;
    void SelColor(platform::OleColor color);
    bool SelBold() const;
    void SelBold(bool on);

    platform::OleColor BackColor() const;
    void BackColor(platform::OleColor color);

    // Ends the pending formatting edit now and shows the selection.
    void Flush();

private:
    void beginBatch();
    void applyFormat(const QTextCharFormat& format);
    void commitFormat() const;
    QTextCharFormat formatAtSelection() const;
    void onContentsChange(int position, int removed, int added);
    void onCursorMoved();
    void rederiveText();

    QString m_text;
    LineBreakMap m_map;
    qsizetype m_documentLength = 0;
    qsizetype m_selStart = 0;
    qsizetype m_selLength = 0;
    mutable QTextCursor m_batchCursor;
    bool m_batchOpen = false;
    // Colour and bold for one range arrive as two calls; they are merged and
    // put into the document together, which halves the work per range. A
    // read of the format puts them in first.
    mutable QTextCharFormat m_pendingFormat;
    mutable qsizetype m_pendingFrom = 0;
    mutable qsizetype m_pendingTo = 0;
    // Set while the document changes at our own hand, so the change is not
    // mistaken for typing.
    bool m_internal = false;
};

} // namespace pattaro
