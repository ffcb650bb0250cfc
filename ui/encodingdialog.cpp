#include "ui/encodingdialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace pattaro {
namespace {

QString firstLineWithText(const QString& preview)
{
    for (const QString& line : preview.split(u'\n'))
        if (!line.trimmed().isEmpty())
            return line;
    return {};
}

} // namespace

EncodingDialog::EncodingDialog(const QString& fileName, const std::vector<EncodingOption>& options, QWidget* parent)
    : QDialog(parent), m_options(options)
{
    setWindowTitle(QStringLiteral("选择文件编码"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(
        QStringLiteral("无法确定文件“%1”的编码。请选择能正确显示其内容的一种：").arg(fileName), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("编码"), QStringLiteral("第一行")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setUniformRowHeights(true);
    for (const EncodingOption& option : m_options)
        new QTreeWidgetItem(m_list, {option.label, firstLineWithText(option.preview)});
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);
    layout->addWidget(m_list);

    layout->addWidget(new QLabel(QStringLiteral("所选编码下文件的开头："), this));
    m_preview = new QPlainTextEdit(this);
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(m_preview);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &EncodingDialog::showPreview);
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_list->setFocus();
    resize(560, 420);
}

TextEncoding EncodingDialog::selectedEncoding() const
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    return m_options[size_t(std::max(row, 0))].encoding;
}

void EncodingDialog::showPreview()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    m_preview->setPlainText(row < 0 ? QString() : m_options[size_t(row)].preview);
}

std::optional<TextEncoding> DialogEncodingChooser::choose(const QString& fileName,
                                                          const std::vector<EncodingOption>& options)
{
    EncodingDialog dialog(fileName, options, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedEncoding();
}

} // namespace pattaro
