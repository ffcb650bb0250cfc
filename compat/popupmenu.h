#pragma once

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace pattaro::platform {

struct PopupItem {
    int Id;
    QString Caption; // "-": a separator
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
    // The id of the item whose submenu holds this one, given before it;
    // -1: the menu itself.
    int Parent = -1;
};

// A modal pop-up menu. Code that shows one goes through this, so tests can
// choose instead of a person.
class PopupMenuService {
public:
    virtual ~PopupMenuService() = default;
    // Shows the visible items at a point of the owner (its pixels), the
    // default item in bold; returns the id of the enabled item chosen, or
    // nothing when the menu was dismissed.
    virtual std::optional<int> Popup(QWidget* owner, const std::vector<PopupItem>& items, QPoint at,
                                     int defaultItem) = 0;
};

class QtPopupMenu : public PopupMenuService {
public:
    std::optional<int> Popup(QWidget* owner, const std::vector<PopupItem>& items, QPoint at,
                             int defaultItem) override;
};

} // namespace pattaro::platform
