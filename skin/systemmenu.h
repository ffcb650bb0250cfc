#pragma once

#include <QString>
#include <vector>

namespace pattaro {

struct SysMenuItem {
    QString Caption; // "-" makes the item a separator
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
};

// The control's pop-up system menu as data: the item array MnuSyst, which
// starts with the seven designed items (0 restore … 6 always on top).
// Showing it is the pop-up's job; this only keeps the items' state.
class SystemMenu {
public:
    static constexpr int kRestore = 0;
    static constexpr int kMinimize = 1;
    static constexpr int kMaximize = 2;
    static constexpr int kClose = 4;
    static constexpr int kAlwaysOnTop = 6;

    SystemMenu();

    QString Caption() const { return QStringLiteral("Menu"); }
    int Count() const { return int(m_items.size()); }
    // Raises VBError 340 for an index that names no item, as a control
    // array does.
    SysMenuItem& MnuSyst(int index);
    const SysMenuItem& MnuSyst(int index) const;

private:
    std::vector<SysMenuItem> m_items;
};

} // namespace pattaro
