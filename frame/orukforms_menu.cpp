#include "frame/orukforms.h"

#include "frame/errortrap.h"

namespace pattaro {

void orukForms::showSystemMenu(QPoint at)
{
    std::vector<platform::PopupItem> items;
    for (const auto& [index, item] : m_state.SysMnu.Items())
        items.push_back({index, item.Caption, item.Enabled, item.Checked, item.Visible, item.Parent});
    if (const auto chosen = m_popupMenu.Popup(this, items, at, SystemMenu::kClose))
        MnuSyst_Click(std::int16_t(*chosen));
}

void orukForms::MnuSyst_Click(std::int16_t Index)
{
    TrapErrors(m_errorLog, "mnuSyst_Click", [&] {
        switch (Index) {
        case SystemMenu::kRestore:
        case SystemMenu::kMaximize:
            orukWindowState();
            break;
        case SystemMenu::kMinimize:
            minimize();
            break;
        case SystemMenu::kClose:
            ExitConfirmation();
            break;
        case SystemMenu::kAlwaysOnTop: {
            SysMenuItem& onTop = m_state.SysMnu.MnuSyst(SystemMenu::kAlwaysOnTop);
            m_host.TopMost(!onTop.Checked);
            onTop.Checked = !onTop.Checked;
            break;
        }
        default: {
            std::int16_t item = Index;
            QString caption = m_state.SysMnu.MnuSyst(Index).Caption;
            emit MenuItemSelected(item, caption);
            break;
        }
        }
    });
}

std::int16_t orukForms::FormMenuAdd(const QString& strMenuCaption, bool blnAddSeparator, bool blnEnabled,
                                    bool blnChecked, bool blnVisible, std::int16_t intParentID)
{
    std::int16_t added = -1;
    TrapErrors(m_errorLog, "FormMenuAdd", [&] {
        for (;;) {
            const int n = m_state.SysMnu.Count();
            m_state.SysMnu.Load(n);
            SysMenuItem& item = m_state.SysMnu.MnuSyst(n);
            item.Parent = intParentID;
            if (blnAddSeparator) {
                item.Caption = QStringLiteral("-");
                blnAddSeparator = false;
                continue;
            }
            item.Caption = strMenuCaption;
            item.Enabled = blnEnabled;
            item.Checked = blnChecked;
            item.Visible = blnVisible;
            added = std::int16_t(n);
            return;
        }
    });
    return added;
}

void orukForms::ModifyAddedMenu(std::int16_t intMenuID, const QString& strMenuCaption, bool blnEnabled,
                                bool blnChecked, bool blnVisible)
{
    TrapErrors(m_errorLog, "ModifyAddedMenu", [&] {
        if (intMenuID < SystemMenu::kDesignedItems)
            return;
        SysMenuItem& item = m_state.SysMnu.MnuSyst(intMenuID);
        if (!strMenuCaption.isEmpty())
            item.Caption = strMenuCaption;
        item.Enabled = blnEnabled;
        item.Checked = blnChecked;
        item.Visible = blnVisible;
    });
}

void orukForms::FormMenuRemove(std::int16_t intMenuID)
{
    TrapErrors(m_errorLog, "FormMenuRemove", [&] {
        if (intMenuID >= SystemMenu::kDesignedItems && m_state.SysMnu.Count() >= intMenuID)
            m_state.SysMnu.Unload(intMenuID);
        // A separator left at the end goes with the item it introduced.
        if (m_state.SysMnu.Count() == intMenuID && m_state.SysMnu.MnuSyst(intMenuID - 1).Caption == QLatin1String("-"))
            m_state.SysMnu.Unload(intMenuID - 1);
    });
}

QVariant orukForms::GetMenuItemValue(int iMenuID, std::int32_t PropertyID)
{
    QVariant value;
    TrapErrors(m_errorLog, "GetMenuItemValue", [&] {
        switch (PropertyID) {
        case 0:
            value = m_state.SysMnu.MnuSyst(iMenuID).Caption;
            break;
        case 1:
            value = m_state.SysMnu.MnuSyst(iMenuID).Enabled;
            break;
        case 2:
            value = m_state.SysMnu.MnuSyst(iMenuID).Checked;
            break;
        case 3:
            value = m_state.SysMnu.MnuSyst(iMenuID).Visible;
            break;
        default:
            break;
        }
    });
    return value;
}

} // namespace pattaro
