#include "app/components/richtext/richtextbox.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QMouseEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <limits>

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

QString RichTextBox::Text() const
{
    return m_text.text();
}

void RichTextBox::Text(const QString& text)
{
    m_text.reset(text);
    m_map = LineBreakMap::fromText(text);
    m_formats.reset(text.size());
    formatsChanged();
    m_internal = true;
    // Wrapping anywhere comes before a long line goes in, wrapping at words
    // back only after the long line is gone.
    const qsizetype longestLine = longestLineOf(text);
    wrapToSuit(longestLine, false);
    setPlainText(documentTextOf(text));
    wrapToSuit(longestLine, true);
    countLinesOfBlocksNotLaidOut();
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
    scheduleFlush();
}

qsizetype RichTextBox::SelLength() const
{
    return m_selLength;
}

void RichTextBox::SelLength(qsizetype length)
{
    m_selLength = std::clamp<qsizetype>(length, 0, m_text.size() - m_selStart);
    scheduleFlush();
}

qsizetype RichTextBox::formatProbe() const
{
    if (m_selLength > 0 || m_selStart == 0)
        return m_selStart;
    return m_selStart - 1;
}

OleColor RichTextBox::SelColor() const
{
    return m_formats.color(formatProbe()).value_or(platform::fromQColor(palette().color(QPalette::Text)));
}

void RichTextBox::SelColor(OleColor color)
{
    if (m_selLength == 0)
        return;
    // What a system colour index would show through toQColor, kept as a plain colour.
    m_formats.setColor(m_selStart, m_selStart + m_selLength, platform::fromQColor(platform::toQColor(color)));
    formatsChanged();
}

bool RichTextBox::SelBold() const
{
    return m_formats.bold(formatProbe());
}

void RichTextBox::SelBold(bool on)
{
    if (m_selLength == 0)
        return;
    m_formats.setBold(m_selStart, m_selStart + m_selLength, on);
    formatsChanged();
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

qsizetype RichTextBox::CharacterAt(const QPoint& viewportPoint) const
{
    const QTextBlock block = cursorForPosition(viewportPoint).block();
    if (!block.isValid() || !block.isVisible())
        return -1;
    const QPointF local = QPointF(viewportPoint) - blockBoundingGeometry(block).translated(contentOffset()).topLeft();
    const QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        if (local.y() < line.y() || local.y() >= line.y() + line.height())
            continue;
        if (local.x() < line.x() || local.x() >= line.x() + line.naturalTextWidth())
            return -1;
        const int inBlock = line.xToCursor(local.x(), QTextLine::CursorOnCharacter);
        if (inBlock < line.textStart() || inBlock >= line.textStart() + line.textLength())
            return -1;
        return m_map.toText(block.position() + inBlock);
    }
    return -1;
}

void RichTextBox::Flush()
{
    m_flushQueued = false;
    m_internal = true;
    QTextCursor shown(document());
    shown.setPosition(int(m_map.toDocument(m_selStart)));
    shown.setPosition(int(m_map.toDocument(m_selStart + m_selLength)), QTextCursor::KeepAnchor);
    setTextCursor(shown);
    m_internal = false;
    viewport()->update();
}

void RichTextBox::scheduleFlush()
{
    if (m_flushQueued)
        return;
    m_flushQueued = true;
    QMetaObject::invokeMethod(this, &RichTextBox::Flush, Qt::QueuedConnection);
}

void RichTextBox::formatsChanged()
{
    // A block's user state starts at -1, which the counter never takes.
    m_revision = m_revision == std::numeric_limits<int>::max() ? 0 : m_revision + 1;
    // A queued flush repaints anyway; this spares one request per range.
    if (!m_flushQueued)
        viewport()->update();
}

void RichTextBox::insertFromMimeData(const QMimeData* source)
{
    if (isReadOnly() || !source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QString input = source->text();
    wrapToSuit(longestLineOf(input), false);
    QTextCursor cursor = textCursor();
    cursor.insertText(documentTextOfInput(input));
    countLinesOfBlocksNotLaidOut();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void RichTextBox::resizeEvent(QResizeEvent* event)
{
    // A new width lays the document out afresh, every block back to one line.
    QPlainTextEdit::resizeEvent(event);
    countLinesOfBlocksNotLaidOut();
}

void RichTextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    m_sinceDoubleClick.start();
    m_doubleClickAt = event->position().toPoint();
}

void RichTextBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const bool tripleClick = event->button() == Qt::LeftButton && m_sinceDoubleClick.isValid()
        && !m_sinceDoubleClick.hasExpired(QApplication::doubleClickInterval())
        && (at - m_doubleClickAt).manhattanLength() < QApplication::startDragDistance();
    // Taken before the block's selection scrolls the view.
    const int clicked = cursorForPosition(at).position();
    QPlainTextEdit::mousePressEvent(event);
    if (tripleClick)
        narrowSelectionToLineAt(clicked);
}

void RichTextBox::narrowSelectionToLineAt(int position)
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return;
    const QTextBlock block = document()->findBlock(cursor.selectionStart());
    const QString shown = block.text();
    const qsizetype clicked = position - block.position();
    const qsizetype start = shown.lastIndexOf(QChar::LineSeparator, clicked - 1) + 1;
    const qsizetype separator = shown.indexOf(QChar::LineSeparator, clicked);
    // Like the block's selection, the line's takes its line break along.
    const qsizetype end = separator < 0 ? cursor.selectionEnd() : block.position() + separator + 1;
    cursor.setPosition(int(block.position() + start));
    cursor.setPosition(int(end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

namespace {

// Wrapping at word boundaries looks for a boundary from each row's start to
// the end of its line, so a long line without spaces costs the square of its
// length: seconds at 100,000 units, most of an hour at a few million. Such a
// text wraps anywhere instead, which costs the same for every row.
constexpr qsizetype kLongestWordWrappedLine = 10'000;

} // namespace

void RichTextBox::wrapToSuit(qsizetype longestLine, bool mayWrapAtWords)
{
    if (longestLine > kLongestWordWrappedLine)
        setWordWrapMode(QTextOption::WrapAnywhere);
    else if (mayWrapAtWords)
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void RichTextBox::countLinesOfBlocksNotLaidOut()
{
    // The scroll range counts lines, and a block not laid out yet counts as
    // one; given the lines it holds, the range stays near the text's even
    // though most blocks are laid out only when scrolled to.
    QTextDocument* doc = document();
    bool changed = false;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (!block.isVisible() || block.layout()->lineCount() > 0)
            continue;
        const int lines = int(block.text().count(QChar::LineSeparator)) + 1;
        if (block.lineCount() != lines) {
            block.setLineCount(lines);
            changed = true;
        }
    }
    if (changed) {
        QAbstractTextDocumentLayout* layout = doc->documentLayout();
        emit layout->documentSizeChanged(layout->documentSize());
    }
}

void RichTextBox::paintEvent(QPaintEvent* event)
{
    showFormatsOfVisibleBlocks();
    QPlainTextEdit::paintEvent(event);
}

void RichTextBox::showFormatsOfVisibleBlocks()
{
    // Walks the blocks the way the paint does, from the first visible one
    // down to the viewport's bottom edge.
    const qreal bottom = viewport()->height();
    qreal top = contentOffset().y();
    for (QTextBlock block = firstVisibleBlock(); block.isValid() && top <= bottom; block = block.next()) {
        if (!block.isVisible())
            continue;
        // Asking for the geometry lays the block out, so its lines are known.
        blockBoundingRect(block);
        showFormats(block, -top, bottom - top);
        top += blockBoundingRect(block).height();
    }
}

namespace {

// Qt splits a layout's items once per format boundary at a cost that grows
// with the block, so a very long line takes the formats of a stretch around
// its visible lines only; lines far off stay plain until scrolled to.
constexpr qsizetype kLongBlock = 8192;
constexpr qsizetype kStretchMargin = 2048;

// The stretch of a long block that holds its formats.
struct FormattedStretch : QTextBlockUserData {
    qsizetype from = 0;
    qsizetype to = 0;
};

// Characters of the lines between the two heights, relative to the block.
std::pair<qsizetype, qsizetype> charactersBetween(const QTextLayout& layout, qreal top, qreal bottom)
{
    qsizetype from = -1;
    qsizetype to = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (line.y() + line.height() < top || line.y() > bottom)
            continue;
        if (from < 0)
            from = line.textStart();
        to = line.textStart() + line.textLength();
    }
    return {std::max<qsizetype>(from, 0), to};
}

} // namespace

void RichTextBox::showFormats(QTextBlock& block, qreal visibleTop, qreal visibleBottom)
{
    const qsizetype length = block.length() - 1;
    QTextLayout* layout = block.layout();
    qsizetype from = 0;
    qsizetype to = length;
    auto* stretch = static_cast<FormattedStretch*>(block.userData());
    if (length > kLongBlock) {
        const auto [first, last] = charactersBetween(*layout, visibleTop, visibleBottom);
        if (block.userState() == m_revision && stretch && stretch->from <= first && last <= stretch->to)
            return;
        from = std::max<qsizetype>(first - kStretchMargin, 0);
        to = std::min(last + kStretchMargin, length);
        if (!stretch) {
            stretch = new FormattedStretch;
            block.setUserData(stretch);
        }
        stretch->from = from;
        stretch->to = to;
    } else if (block.userState() == m_revision) {
        return;
    }
    block.setUserState(m_revision);
    // A block holds several lines, so runs go through the map: the CR LF
    // pairs inside it are one position each.
    const qsizetype position = block.position();
    const qsizetype textFrom = m_map.toText(position + from);
    QList<QTextLayout::FormatRange> formats;
    for (const CharFormats::Run& run : m_formats.runs(textFrom, m_map.toText(position + to))) {
        const qsizetype start = m_map.toDocument(textFrom + run.start) - position;
        const qsizetype end = m_map.toDocument(textFrom + run.start + run.length) - position;
        // The LF of a pair alone covers no position.
        if (end <= start)
            continue;
        QTextLayout::FormatRange range;
        range.start = int(start);
        range.length = int(end - start);
        if (run.color)
            range.format.setForeground(platform::toQColor(*run.color));
        if (run.bold)
            range.format.setFontWeight(QFont::Bold);
        formats.append(range);
    }
    if (layout->formats() == formats)
        return;
    layout->setFormats(formats);
    // Bold glyphs are wider, so the block is laid out again.
    m_internal = true;
    document()->markContentsDirty(block.position(), block.length());
    m_internal = false;
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
    m_text.replace(textFrom, textTo, inserted);
    m_map.replace(textFrom, textTo, inserted);
    m_formats.replace(textFrom, textTo, inserted.size());
    m_documentLength = newLength;
    formatsChanged();
}

void RichTextBox::onCursorMoved()
{
    if (m_internal || m_flushQueued)
        return;
    const QTextCursor cursor = textCursor();
    m_selStart = m_map.toText(cursor.selectionStart());
    m_selLength = m_map.toText(cursor.selectionEnd()) - m_selStart;
}

void RichTextBox::rederiveText()
{
    // Only reached when the document's change report does not add up; the
    // text is read afresh and its formatting cannot be placed any more.
    m_text.reset(textOfDocumentChars(document()->toRawText()));
    m_map = LineBreakMap::fromText(m_text.text());
    m_formats.reset(m_text.size());
    m_documentLength = document()->characterCount() - 1;
    formatsChanged();
}

} // namespace pattaro
