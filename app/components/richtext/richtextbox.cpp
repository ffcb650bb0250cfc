#include "app/components/richtext/richtextbox.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <algorithm>

namespace pattaro {

using platform::OleColor;

RichTextBox::RichTextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    connect(document(), &QTextDocument::contentsChange, this, &RichTextBox::onContentsChange);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &RichTextBox::onCursorMoved);
    connect(this, &QPlainTextEdit::selectionChanged, this, &RichTextBox::onCursorMoved);
}

RichTextBox::~RichTextBox()
{
    if (m_batchOpen) {
        m_internal = true;
        m_batchCursor.endEditBlock();
    }
}

QString RichTextBox::Text() const
{
    return m_text;
}

void RichTextBox::Text(const QString& text)
{
    Flush();
    m_text = text;
    m_map = LineBreakMap::fromText(text);
    m_internal = true;
    // Cleared first, or the new text takes on the format of the old first character.
    document()->clear();
    setPlainText(documentTextOf(text));
    m_documentLength = document()->characterCount() - 1;
    m_selStart = 0;
    m_selLength = 0;
    m_internal = false;
}

qsizetype RichTextBox::SelStart() const
{
    return m_selStart;
}

void RichTextBox::SelStart(qsizetype start)
{
    m_selStart = std::clamp<qsizetype>(start, 0, m_text.size());
    m_selLength = 0;
    beginBatch();
}

qsizetype RichTextBox::SelLength() const
{
    return m_selLength;
}

void RichTextBox::SelLength(qsizetype length)
{
    m_selLength = std::clamp<qsizetype>(length, 0, m_text.size() - m_selStart);
    beginBatch();
}

OleColor RichTextBox::SelColor() const
{
    const QTextCharFormat format = formatAtSelection();
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return platform::fromQColor(palette().color(QPalette::Text));
    return platform::fromQColor(format.foreground().color());
}

void RichTextBox::SelColor(OleColor color)
{
    QTextCharFormat format;
    format.setForeground(platform::toQColor(color));
    applyFormat(format);
}

bool RichTextBox::SelBold() const
{
    return formatAtSelection().fontWeight() >= QFont::Bold;
}

void RichTextBox::SelBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    applyFormat(format);
}

OleColor RichTextBox::BackColor() const
{
    return platform::fromQColor(palette().color(QPalette::Base));
}

void RichTextBox::BackColor(OleColor color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, platform::toQColor(color));
    setPalette(p);
}

void RichTextBox::Flush()
{
    m_internal = true;
    if (m_batchOpen) {
        commitFormat();
        m_batchOpen = false;
        m_batchCursor.endEditBlock();
        m_batchCursor = QTextCursor();
        document()->setUndoRedoEnabled(true);
    }
    QTextCursor shown(document());
    shown.setPosition(int(m_map.toDocument(m_selStart)));
    shown.setPosition(int(m_map.toDocument(m_selStart + m_selLength)), QTextCursor::KeepAnchor);
    setTextCursor(shown);
    m_internal = false;
    // A keystroke that slipped into the open edit was reported with our own
    // changes and ignored; catch it by the document's length.
    if (document()->characterCount() - 1 != m_documentLength)
        rederiveText();
}

void RichTextBox::beginBatch()
{
    if (m_batchOpen)
        return;
    m_batchOpen = true;
    // Switching undo off drops the history, so the user's Undo cannot
    // unpick colouring done by the program.
    document()->setUndoRedoEnabled(false);
    m_batchCursor = QTextCursor(document());
    m_batchCursor.beginEditBlock();
    QMetaObject::invokeMethod(this, &RichTextBox::Flush, Qt::QueuedConnection);
}

void RichTextBox::applyFormat(const QTextCharFormat& format)
{
    const qsizetype from = m_map.toDocument(m_selStart);
    const qsizetype to = m_map.toDocument(m_selStart + m_selLength);
    if (from == to)
        return;
    beginBatch();
    if (from != m_pendingFrom || to != m_pendingTo) {
        commitFormat();
        m_pendingFrom = from;
        m_pendingTo = to;
    }
    m_pendingFormat.merge(format);
}

void RichTextBox::commitFormat() const
{
    if (m_pendingFrom == m_pendingTo)
        return;
    m_batchCursor.setPosition(int(m_pendingFrom));
    m_batchCursor.setPosition(int(m_pendingTo), QTextCursor::KeepAnchor);
    // Colour and weight are all the formatting this pane ever sets, so a
    // format with both can replace outright, which is cheaper than merging.
    if (m_pendingFormat.hasProperty(QTextFormat::ForegroundBrush) && m_pendingFormat.hasProperty(QTextFormat::FontWeight))
        m_batchCursor.setCharFormat(m_pendingFormat);
    else
        m_batchCursor.mergeCharFormat(m_pendingFormat);
    m_pendingFormat = QTextCharFormat();
    m_pendingFrom = m_pendingTo = 0;
}

QTextCharFormat RichTextBox::formatAtSelection() const
{
    commitFormat();
    // A cursor reports the format of the character before it.
    const qsizetype from = m_map.toDocument(m_selStart);
    const qsizetype to = m_map.toDocument(m_selStart + m_selLength);
    QTextCursor probe(document());
    probe.setPosition(int(to > from ? from + 1 : from));
    return probe.charFormat();
}

void RichTextBox::onContentsChange(int position, int removed, int added)
{
    if (m_internal)
        return;
    const qsizetype newLength = document()->characterCount() - 1;
    // Qt may count the document's closing separator on both sides.
    const qsizetype over = qsizetype(position) + removed - m_documentLength;
    if (over > 0) {
        removed -= int(over);
        added -= int(over);
    }
    if (position < 0 || removed < 0 || added < 0 || m_documentLength - removed + added != newLength) {
        rederiveText();
        return;
    }
    QTextCursor read(document());
    read.setPosition(position);
    read.setPosition(position + added, QTextCursor::KeepAnchor);
    const QString inserted = textOfDocumentChars(read.selectedText());
    const qsizetype textFrom = m_map.toText(position);
    const qsizetype textTo = m_map.toText(qsizetype(position) + removed);
    m_text.replace(textFrom, textTo - textFrom, inserted);
    m_map.replace(textFrom, textTo, inserted);
    m_documentLength = newLength;
}

void RichTextBox::onCursorMoved()
{
    if (m_internal || m_batchOpen)
        return;
    const QTextCursor cursor = textCursor();
    m_selStart = m_map.toText(cursor.selectionStart());
    m_selLength = m_map.toText(cursor.selectionEnd()) - m_selStart;
}

void RichTextBox::rederiveText()
{
    m_text = textOfDocumentChars(document()->toRawText());
    m_map = LineBreakMap::fromText(m_text);
    m_documentLength = document()->characterCount() - 1;
}

} // namespace pattaro
