#include "ui/expressionpicker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace pattaro {

namespace {

constexpr int kListHeight = 260;

} // namespace

ExpressionPicker::ExpressionPicker(QWidget* parent, Picked picked)
    : QFrame(parent, Qt::Popup)
    , m_picked(std::move(picked))
{
    setObjectName(QStringLiteral("ExpressionPicker"));
    setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    m_filter = new QLineEdit(this);
    m_filter->setPlaceholderText(QStringLiteral("输入以筛选历史与表达式库"));
    m_list = new QListWidget(this);
    m_list->setFocusPolicy(Qt::NoFocus);
    column->addWidget(m_filter);
    column->addWidget(m_list, 1);
    m_filter->installEventFilter(this);
    connect(m_filter, &QLineEdit::textChanged, this, &ExpressionPicker::refill);
    connect(m_list, &QListWidget::itemClicked, this, &ExpressionPicker::pickCurrent);
}

void ExpressionPicker::Open(QWidget* anchor, std::vector<ExpressionChoice> choices)
{
    m_choices = std::move(choices);
    m_filter->clear();
    refill();
    setGeometry(QRect(anchor->mapToGlobal(QPoint(0, anchor->height())), QSize(anchor->width(), kListHeight)));
    show();
    m_filter->setFocus();
}

void ExpressionPicker::refill()
{
    m_list->clear();
    for (const std::size_t index : FilterChoices(m_choices, m_filter->text())) {
        auto* item = new QListWidgetItem(m_choices[index].label, m_list);
        item->setData(Qt::UserRole, qulonglong(index));
        item->setToolTip(m_choices[index].label);
    }
    m_list->setCurrentRow(0);
}

void ExpressionPicker::pickCurrent()
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    const HistoryEntry entry = m_choices[item->data(Qt::UserRole).toULongLong()].entry;
    hide();
    m_picked(entry);
}

bool ExpressionPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_filter || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        QApplication::sendEvent(m_list, event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pickCurrent();
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    default:
        return false;
    }
}

} // namespace pattaro
