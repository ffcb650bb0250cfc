#include "ui/form1.h"

#include "ui/taborder.h"
#include "frame/orukforms.h"

#include <QPushButton>
#include <QShortcut>

namespace pattaro {

void Form1::setUpKeyboard()
{
    // Keypad Enter is a key of its own; each command answers both Enters.
    struct CommandKey {
        QPushButton* button;
        QList<QKeySequence> keys;
        QString tip;
    };
    const CommandKey commandKeys[] = {
        {m_Command1, {QKeySequence(Qt::Key_F5)}, QStringLiteral("检查并高亮显示匹配的项目（F5）")},
        {m_Command2,
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
         QStringLiteral("替换匹配的项目，保留其他字符（Ctrl+Enter）")},
        {m_Command3,
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Enter)},
         QStringLiteral("替换匹配的项目，删除其他字符（Ctrl+Shift+Enter）")},
        {m_Command4, {QKeySequence(Qt::Key_F1)}, QStringLiteral("打开或关闭正则表达式帮助说明（F1）")},
    };
    for (const CommandKey& key : commandKeys) {
        key.button->setToolTip(key.tip);
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(key.keys);
        // click() does nothing while the button is disabled, as in the help
        // layout; focus stays where the user is typing.
        connect(shortcut, &QShortcut::activated, key.button, &QPushButton::click);
    }
    OrderTabsByPosition(m_orukForms1);
}

} // namespace pattaro
