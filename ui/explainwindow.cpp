#include "ui/explainwindow.h"

#include "core/explain/description.h"
#include "ui/skindesign.h"

#include <QHeaderView>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTreeWidget>

namespace pattaro {
namespace {

constexpr int kStartRole = Qt::UserRole;
constexpr int kEndRole = Qt::UserRole + 1;

void addItems(QTreeWidgetItem* parent, const SyntaxNode& node, const SyntaxTree& tree)
{
    for (const SyntaxNode& child : node.children) {
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, tree.source.mid(child.what.start, child.what.end - child.what.start));
        item->setText(1, describe(child, tree, ExplainLanguage::Chinese));
        item->setToolTip(1, item->text(1));
        item->setData(0, kStartRole, child.what.start);
        item->setData(0, kEndRole, child.what.end);
        addItems(item, child, tree);
    }
}

} // namespace

int ExplainWindow::ClosingWithoutQuestion::show(const QString& text, const QString& title, platform::MsgIcon icon,
                                                platform::MsgButtons buttons)
{
    if (buttons == platform::MsgButtons::YesNo)
        return platform::kIdYes;
    return m_reports->show(text, title, icon, buttons);
}

platform::Services ExplainWindow::withoutCloseQuestion(platform::Services services, ClosingWithoutQuestion& messages)
{
    services.messageBox = &messages;
    return services;
}

ExplainWindow::ExplainWindow(const platform::Services& services, platform::PopupMenuService* popupMenu)
    : m_messages(services.messageBox), m_host(this), m_desktop(withoutCloseQuestion(services, m_messages), popupMenu),
      m_skin(m_host, m_desktop.platform(), this)
{
    // The program ends with its main window, whether or not this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("表达式解释"));
    resize(400, 520);
    m_skin.setObjectName(QStringLiteral("orukForms1"));
    m_skin.setGeometry(rect());
    m_fault = new QLabel(&m_skin);
    m_fault->setObjectName(QStringLiteral("Fault"));
    m_fault->setWordWrap(true);
    m_fault->setStyleSheet(QStringLiteral("color: #B00000;"));
    m_tree = new QTreeWidget(&m_skin);
    m_tree->setObjectName(QStringLiteral("Tree"));
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({QStringLiteral("片段"), QStringLiteral("说明")});
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_skin.UserControl_ReadProperties(programSkinDesign());
    // The contents start 13 pixels under the title bar, clear of the
    // shadow the control draws there.
    const int top = m_skin.State().TitleAreaHeight + 13;
    m_fault->setGeometry(12, top, width() - 24, 40);
    m_tree->setGeometry(12, top, width() - 24, height() - 12 - top);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { chosen(item); });
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { chosen(item); });
}

void ExplainWindow::showExpression(const QString& expression, ExpressionFlags flags)
{
    m_syntax = readSyntaxTree(expression, flags);
    fill();
}

void ExplainWindow::fill()
{
    const QScopedValueRollback following(m_following, true);
    m_tree->clear();
    const bool refused = m_syntax.error.has_value();
    m_fault->setVisible(refused);
    const int top = m_skin.State().TitleAreaHeight + 13 + (refused ? 48 : 0);
    m_tree->setGeometry(12, top, width() - 24, height() - 12 - top);
    if (refused) {
        m_fault->setText(describeError(m_syntax, ExplainLanguage::Chinese));
        return;
    }
    auto* root = new QTreeWidgetItem(m_tree);
    root->setText(0, m_syntax.source);
    root->setText(1, describe(m_syntax.root, m_syntax, ExplainLanguage::Chinese));
    root->setData(0, kStartRole, qsizetype(0));
    root->setData(0, kEndRole, m_syntax.source.size());
    addItems(root, m_syntax.root, m_syntax);
    m_tree->expandAll();
}

void ExplainWindow::followCaret(qsizetype cursor, qsizetype selectionStart, qsizetype selectionLength)
{
    QTreeWidgetItem* current = m_tree->currentItem();
    if (selectionLength > 0 && current && current->data(0, kStartRole).toLongLong() == selectionStart
        && current->data(0, kEndRole).toLongLong() == selectionStart + selectionLength)
        return;
    QTreeWidgetItem* item = m_tree->topLevelItem(0);
    if (!item)
        return;
    for (const int index : pathToOffset(m_syntax.root, selectionLength > 0 ? selectionStart : cursor))
        item = item->child(index);
    const QScopedValueRollback following(m_following, true);
    m_tree->setCurrentItem(item);
    m_tree->scrollToItem(item);
}

void ExplainWindow::chosen(QTreeWidgetItem* item)
{
    if (m_following || !item)
        return;
    const qsizetype start = item->data(0, kStartRole).toLongLong();
    emit spanChosen(start, item->data(0, kEndRole).toLongLong() - start);
}

} // namespace pattaro
