#include "compat/popupmenu.h"

#include <QMenu>
#include <QWidget>
#include <map>
#include <set>

namespace pattaro::platform {

std::optional<int> QtPopupMenu::Popup(QWidget* owner, const std::vector<PopupItem>& items, QPoint at,
                                      int defaultItem)
{
    QMenu menu(owner);
    std::set<int> holders;
    for (const PopupItem& item : items)
        if (item.Parent >= 0)
            holders.insert(item.Parent);
    std::map<int, QMenu*> submenus;
    for (const PopupItem& item : items) {
        QMenu* into = &menu;
        if (item.Parent >= 0) {
            const auto holder = submenus.find(item.Parent);
            // The holder is hidden, or was never given.
            if (holder == submenus.end())
                continue;
            into = holder->second;
        }
        if (!item.Visible)
            continue;
        if (item.Caption == QLatin1String("-")) {
            into->addSeparator();
            continue;
        }
        if (holders.contains(item.Id)) {
            QMenu* submenu = into->addMenu(item.Caption);
            submenu->setEnabled(item.Enabled);
            submenus[item.Id] = submenu;
            continue;
        }
        QAction* action = into->addAction(item.Caption);
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
