#pragma once

#include <QString>
#include <map>

namespace pattaro {

struct SysMenuItem {
    QString Caption; // "-" makes the item a separator
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
    // The item whose submenu holds this one; -1: the menu itself. An item
    // that holds others opens its submenu and is never chosen itself.
    int Parent = -1;
};

// The control's pop-up system menu as data: the item array MnuSyst, which
// starts with the seven designed items (0 restore … 6 always on top). Like
// a control array it may have gaps once an item is unloaded from the middle.
// Showing it is the pop-up's job; this only keeps the items' state.
class SystemMenu {
public:
    static constexpr int kRestore = 0;
    static constexpr int kMinimize = 1;
    static constexpr int kMaximize = 2;
    static constexpr int kClose = 4;
    static constexpr int kAlwaysOnTop = 6;
    static constexpr int kDesignedItems = 7;

    SystemMenu();

    QString Caption() const { return QStringLiteral("Menu"); }
    int Count() const { return int(m_items.size()); }
    // Raise VBError 340 for an index that names no item, as a control
    // array does.
    SysMenuItem& MnuSyst(int index);
    const SysMenuItem& MnuSyst(int index) const;
    // A new item, visible and enabled; VBError 360 when the index is taken.
    void Load(int index);
    // VBError 340 when the index names no item.
    void Unload(int index);
    const std::map<int, SysMenuItem>& Items() const { return m_items; }

private:
    std::map<int, SysMenuItem> m_items;
};

} // namespace pattaro
