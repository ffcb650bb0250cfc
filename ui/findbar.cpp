#include "ui/findbar.h"

#include "ui/richtext/richtextbox.h"
#include "core/commands/plainfind.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace pattaro {

namespace {

constexpr int kBarWidth = 300;
constexpr int kBarHeight = 26;
// Clear of the pane's vertical scroll bar and its lower edge.
constexpr int kRightMargin = 20;
constexpr int kBottomMargin = 3;
// The query box's tint when the text does not hold the query.
const QString kNotFoundSheet = QStringLiteral("QLineEdit { background: #ffd6d6; }");

QToolButton* toolButton(QWidget* parent, const QString& text, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

FindBar::FindBar(RichTextBox& pane, QWidget* frame)
    : QFrame(frame)
    , m_pane(pane)
{
    setObjectName(pane.objectName() + QStringLiteral("Find"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(3, 1, 1, 1);
    row->setSpacing(2);
    m_query = new QLineEdit(this);
    m_query->setPlaceholderText(QStringLiteral("查找"));
    m_case = new QCheckBox(QStringLiteral("区分大小写"), this);
    m_case->setFocusPolicy(Qt::NoFocus);
    m_previous = toolButton(this, QStringLiteral("↑"), QStringLiteral("上一个（Shift+Enter）"));
    m_next = toolButton(this, QStringLiteral("↓"), QStringLiteral("下一个（Enter）"));
    m_close = toolButton(this, QStringLiteral("×"), QStringLiteral("关闭（Esc）"));
    row->addWidget(m_query, 1);
    row->addWidget(m_case);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(m_close);
    m_query->installEventFilter(this);
    connect(m_previous, &QToolButton::clicked, this, [this] { FindNext(false); });
    connect(m_next, &QToolButton::clicked, this, [this] { FindNext(true); });
    connect(m_close, &QToolButton::clicked, this, &FindBar::Close);
    connect(m_query, &QLineEdit::textEdited, this, [this] { m_query->setStyleSheet(QString()); });
    hide();
}

void FindBar::Open()
{
    const qsizetype selected = m_pane.SelLength();
    if (selected > 0 && !m_pane.Text().mid(m_pane.SelStart(), selected).contains(u'\n'))
        m_query->setText(m_pane.Text().mid(m_pane.SelStart(), selected));
    m_query->setStyleSheet(QString());
    placeOverPane();
    show();
    raise();
    m_query->setFocus();
    m_query->selectAll();
}

void FindBar::Close()
{
    hide();
    m_pane.setFocus();
}

bool FindBar::FindNext(bool forward)
{
    const qsizetype from = forward ? m_pane.SelStart() + m_pane.SelLength() : m_pane.SelStart();
    const auto found = FindPlainText(m_pane.Text(), m_query->text(), from, forward,
                                     m_case->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive);
    if (found) {
        m_pane.SelStart(found->start);
        m_pane.SelLength(found->length);
        m_pane.ensureCursorVisible();
    }
    showFound(found.has_value() || m_query->text().isEmpty());
    return found.has_value();
}

void FindBar::showFound(bool found)
{
    m_query->setStyleSheet(found ? QString() : kNotFoundSheet);
}

void FindBar::placeOverPane()
{
    const QRect pane = m_pane.geometry();
    const int width = std::min(kBarWidth, pane.width());
    setGeometry(pane.right() - kRightMargin - width, pane.bottom() - kBottomMargin - kBarHeight, width, kBarHeight);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_query && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            FindNext(!(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            Close();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace pattaro
