#include "ui/richtext/richtextbox.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>

namespace pattaro {

using platform::OleColor;

namespace {

// Marks a block that goes on with the line of the block before it.
constexpr int kSplitProperty = QTextFormat::UserProperty + 1;

bool isSplit(const QTextBlock& block)
{
    return block.blockFormat().boolProperty(kSplitProperty);
}

// Inserts shown.chars[from, to) at the cursor as one edit, with each block it
// starts marked as a split or as a line of its own. The marks are part of the
// document, so undo and redo bring them back with the separators. `from` is
// 0 or just past a separator.
void insertShown(QTextCursor& cursor, const ShownText& shown, qsizetype from, qsizetype to)
{
    QTextBlockFormat splitFormat;
    splitFormat.setProperty(kSplitProperty, true);
    cursor.beginEditBlock();
    auto split = std::lower_bound(shown.splits.begin(), shown.splits.end(), from);
    for (qsizetype i = from; i < to; ++i) {
        if (shown.chars[i] != QChar::ParagraphSeparator)
            continue;
        cursor.insertText(shown.chars.mid(from, i - from));
        const bool splits = split != shown.splits.end() && *split == i;
        if (splits)
            ++split;
        // A block inserted without a format would take the cursor's block's,
        // split mark and all.
        cursor.insertBlock(splits ? splitFormat : QTextBlockFormat());
        from = i + 1;
    }
    if (to > from)
        cursor.insertText(shown.chars.mid(from, to - from));
    cursor.endEditBlock();
}

void insertShown(QTextCursor& cursor, const ShownText& shown)
{
    insertShown(cursor, shown, 0, shown.chars.size());
}

} // namespace

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
    replaceText(text, shownTextOf(text), std::numeric_limits<qsizetype>::max());
}

void RichTextBox::ShowText(const QString& text, ShownText shown)
{
    replaceText(text, std::move(shown), kFillSliceUnits);
}

void RichTextBox::replaceText(const QString& text, ShownText shown, qsizetype sliceUnits)
{
    if (m_fill)
        setReadOnly(m_fill->wasReadOnly);
    m_text.reset(text);
    m_map = LineBreakMap(shown);
    m_formats.reset(text.size());
    formatsChanged();
    m_internal = true;
    // Clears the document, the undo history and the scroll position.
    setPlainText(QString());
    m_internal = false;
    m_documentLength = 0;
    m_selStart = 0;
    m_selLength = 0;
    m_fill = PendingFill{std::move(shown), 0, isReadOnly(), ++m_fillGeneration};
    fillSlice(sliceUnits);
    // Each insertion carries the caret along to the end of what went in.
    m_internal = true;
    setTextCursor(QTextCursor(document()));
    m_internal = false;
}

void RichTextBox::fillSlice(qsizetype sliceUnits)
{
    const ShownText& shown = m_fill->shown;
    const qsizetype from = m_fill->from;
    qsizetype to = shown.chars.size();
    // A slice ends with a whole block, so that the next one starts a block.
    if (to - from > sliceUnits) {
        const qsizetype separator = shown.chars.indexOf(QChar::ParagraphSeparator, from + sliceUnits);
        if (separator >= 0)
            to = separator + 1;
    }
    m_internal = true;
    const bool undoable = document()->isUndoRedoEnabled();
    document()->setUndoRedoEnabled(false);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const int firstBlock = cursor.blockNumber();
    insertShown(cursor, shown, from, to);
    document()->setUndoRedoEnabled(undoable);
    m_documentLength = document()->characterCount() - 1;
    m_internal = false;
    countLinesOfBlocksNotLaidOut(firstBlock);
    if (to == shown.chars.size()) {
        setReadOnly(m_fill->wasReadOnly);
        m_fill.reset();
        return;
    }
    m_fill->from = to;
    // Typing into a document that is still growing would edit a text the
    // pane does not hold yet.
    setReadOnly(true);
    QTimer::singleShot(0, this, [this, generation = m_fill->generation] {
        if (m_fill && m_fill->generation == generation)
            fillSlice(kFillSliceUnits);
    });
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

std::pair<qsizetype, qsizetype> RichTextBox::ShownRange() const
{
    QTextBlock block = firstVisibleBlock();
    if (!block.isValid())
        return {0, 0};
    const qsizetype from = m_map.toText(block.position());
    const qreal bottom = viewport()->height();
    QTextBlock last = block;
    for (; block.isValid(); block = block.next()) {
        if (blockBoundingGeometry(block).translated(contentOffset()).top() >= bottom)
            break;
        last = block;
    }
    const qsizetype to = m_map.toText(last.position() + last.length() - 1);
    return {from, std::max(from, to)};
}

void RichTextBox::Flush()
{
    m_flushQueued = false;
    m_internal = true;
    // While the document still fills, the selection may lie past its end.
    const auto shownAt = [this](qsizetype offset) {
        return int(std::min(m_map.toDocument(offset), m_documentLength));
    };
    QTextCursor shown(document());
    shown.setPosition(shownAt(m_selStart));
    shown.setPosition(shownAt(m_selStart + m_selLength), QTextCursor::KeepAnchor);
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
    QTextCursor cursor = textCursor();
    const qsizetype column = cursor.selectionStart() - document()->findBlock(cursor.selectionStart()).position();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    insertShown(cursor, shownTextOfInput(source->text(), column));
    cursor.endEditBlock();
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
    const QTextBlock clicked = document()->findBlock(position);
    // Like the block's selection, the line's takes its line break along.
    const QTextBlock selected = document()->findBlock(cursor.selectionStart());
    const int takesBreak = cursor.selectionEnd() - (selected.position() + selected.length() - 1);

    QTextBlock block = clicked;
    qsizetype at = position - block.position();
    qsizetype start = -1;
    while (start < 0) {
        const qsizetype separator = at > 0 ? block.text().lastIndexOf(QChar::LineSeparator, at - 1) : -1;
        if (separator >= 0) {
            start = block.position() + separator + 1;
        } else if (!isSplit(block) || !block.previous().isValid()) {
            start = block.position();
        } else {
            block = block.previous();
            at = block.length() - 1;
        }
    }
    block = clicked;
    at = position - block.position();
    qsizetype end = -1;
    while (end < 0) {
        const qsizetype separator = block.text().indexOf(QChar::LineSeparator, at);
        if (separator >= 0) {
            end = block.position() + separator + 1;
        } else if (!block.next().isValid() || !isSplit(block.next())) {
            end = std::min<qsizetype>(block.position() + block.length() - 1 + takesBreak,
                                      document()->characterCount() - 1);
        } else {
            block = block.next();
            at = 0;
        }
    }
    cursor.setPosition(int(start));
    cursor.setPosition(int(end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void RichTextBox::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plainKey = !isReadOnly() && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier);
    QTextCursor cursor = textCursor();
    const int key = event->key();
    if (plainKey && modifiers == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        // Qt would give the new block the format of the one it leaves, which
        // may mark it as a split; this line break must stand for one.
        cursor.insertBlock(QTextBlockFormat());
        setTextCursor(cursor);
        ensureCursorVisible();
        return;
    }
    if (plainKey && !cursor.hasSelection()) {
        if (key == Qt::Key_Backspace) {
            while (cursor.atBlockStart() && isSplit(cursor.block())
                   && cursor.movePosition(QTextCursor::PreviousCharacter)) {
            }
        } else if (key == Qt::Key_Delete) {
            while (cursor.atBlockEnd() && isSplit(cursor.block().next())
                   && cursor.movePosition(QTextCursor::NextCharacter)) {
            }
        }
        if (cursor.position() != textCursor().position())
            setTextCursor(cursor);
    }
    const int before = textCursor().position();
    QPlainTextEdit::keyPressEvent(event);
    // An arrow that only crossed a split moved by no character, so it goes
    // one further.
    cursor = textCursor();
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right;
    if (arrow && !(modifiers & Qt::ControlModifier) && cursor.position() != before
        && m_map.toText(cursor.position()) == m_map.toText(before)) {
        const QTextCursor::MoveMode mode = cursor.hasSelection() ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
        cursor.movePosition(cursor.position() > before ? QTextCursor::NextCharacter : QTextCursor::PreviousCharacter, mode);
        setTextCursor(cursor);
    }
}

QMimeData* RichTextBox::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    const qsizetype from = m_map.toText(cursor.selectionStart());
    auto* selected = new QMimeData;
    selected->setText(Text().mid(from, m_map.toText(cursor.selectionEnd()) - from));
    return selected;
}

void RichTextBox::countLinesOfBlocksNotLaidOut(int firstBlock)
{
    // The scroll range counts rows, and a block not laid out yet counts as
    // one; given the lines it holds, and the rows its characters fill at an
    // average width when they wrap, the range stays near the text's even
    // though most blocks are laid out only when scrolled to.
    QTextDocument* doc = document();
    const bool wraps = lineWrapMode() == QPlainTextEdit::WidgetWidth;
    const qreal rowWidth = std::max(viewport()->width() - 2 * doc->documentMargin(), qreal(1));
    const qreal charsPerRow = std::max(rowWidth / std::max(fontMetrics().averageCharWidth(), 1), qreal(1));
    bool changed = false;
    for (QTextBlock block = doc->findBlockByNumber(firstBlock); block.isValid(); block = block.next()) {
        if (!block.isVisible() || block.layout()->lineCount() > 0)
            continue;
        const QString shown = block.text();
        const qsizetype rows = wraps ? qsizetype(std::ceil(qreal(shown.size()) / charsPerRow)) : 0;
        const int lines = int(std::max(shown.count(QChar::LineSeparator) + 1, rows));
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
        showFormats(block);
        top += blockBoundingRect(block).height();
    }
}

void RichTextBox::showFormats(QTextBlock& block)
{
    if (block.userState() == m_revision)
        return;
    block.setUserState(m_revision);
    // A block holds several lines, so runs go through the map: the CR LF
    // pairs inside it are one position each.
    const qsizetype position = block.position();
    const qsizetype length = block.length() - 1;
    const qsizetype textFrom = m_map.toText(position);
    QList<QTextLayout::FormatRange> formats;
    for (const CharFormats::Run& run : m_formats.runs(textFrom, m_map.toText(position + length))) {
        // A run that begins where a line is split maps to the end of the
        // block before.
        const qsizetype start = std::max<qsizetype>(m_map.toDocument(textFrom + run.start) - position, 0);
        const qsizetype end = std::min(m_map.toDocument(textFrom + run.start + run.length) - position, length);
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
    QTextLayout* layout = block.layout();
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
    const ShownText shown = shownBetween(position, qsizetype(position) + added);
    const QString inserted = textOfShown(shown);
    const qsizetype textFrom = m_map.toText(position);
    const qsizetype textTo = m_map.toText(qsizetype(position) + removed);
    m_text.replace(textFrom, textTo, inserted);
    m_map.replace(position, qsizetype(position) + removed, shown);
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

ShownText RichTextBox::shownBetween(qsizetype from, qsizetype to) const
{
    QTextCursor read(document());
    read.setPosition(int(from));
    read.setPosition(int(to), QTextCursor::KeepAnchor);
    ShownText shown;
    shown.chars = read.selectedText();
    for (qsizetype i = 0; i < shown.chars.size(); ++i) {
        const QChar c = shown.chars[i];
        if (c == QChar::ParagraphSeparator && isSplit(document()->findBlock(int(from + i + 1))))
            shown.splits.push_back(i);
        else if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            shown.pairs.push_back(i);
    }
    return shown;
}

void RichTextBox::rederiveText()
{
    // Only reached when the document's change report does not add up; the
    // text is read afresh and its formatting cannot be placed any more.
    const ShownText shown = shownBetween(0, document()->characterCount() - 1);
    m_text.reset(textOfShown(shown));
    m_map = LineBreakMap(shown);
    m_formats.reset(m_text.size());
    m_documentLength = document()->characterCount() - 1;
    formatsChanged();
}

} // namespace pattaro
