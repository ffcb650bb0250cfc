#include "compat/popupmenu.h"

#include <QMenu>
#include <QWidget>

namespace pattaro::platform {

std::optional<int> QtPopupMenu::Popup(QWidget* owner, const std::vector<PopupItem>& items, QPoint at,
                                      int defaultItem)
{
    QMenu menu(owner);
    for (const PopupItem& item : items) {
        if (!item.Visible)
            continue;
        if (item.Caption == QLatin1String("-")) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(item.Caption);
        action->setData(item.Id);
        action->setEnabled(item.Enabled);
        action->setCheckable(item.Checked);
        action->setChecked(item.Checked);
        if (item.Id == defaultItem) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
            menu.setDefaultAction(action);
        }
    }
    const QAction* chosen = menu.exec(owner ? owner->mapToGlobal(at) : at);
    if (!chosen)
        return std::nullopt;
    return chosen->data().toInt();
}

} // namespace pattaro::platform
