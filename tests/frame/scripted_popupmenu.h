#pragma once

#include "compat/popupmenu.h"

#include <deque>
#include <optional>
#include <vector>

namespace pattaro::testing {

// Chooses from pop-up menus by script and records each one shown.
class ScriptedPopupMenu : public platform::PopupMenuService {
public:
    struct Shown {
        std::vector<platform::PopupItem> items;
        QPoint at;
        int defaultItem;
    };
    // The item ids to choose, in order; nothing left: dismissed.
    std::deque<int> choices;
    std::vector<Shown> shown;

    std::optional<int> Popup(QWidget*, const std::vector<platform::PopupItem>& items, QPoint at,
                             int defaultItem) override
    {
        shown.push_back({items, at, defaultItem});
        if (choices.empty())
            return std::nullopt;
        const int choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

} // namespace pattaro::testing
