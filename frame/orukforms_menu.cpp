#include "frame/orukforms.h"

#include "frame/errortrap.h"

namespace pattaro {

namespace {

constexpr std::int32_t kMinimized = 1;

} // namespace

void orukForms::showSystemMenu(QPoint at)
{
    std::vector<platform::PopupItem> items;
    for (const auto& [index, item] : SysMnu.Items())
        items.push_back({index, item.Caption, item.Enabled, item.Checked, item.Visible});
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
            DrawCaptionBtns(false, m_CurColorFrom, m_HotBtn);
            m_HotBtn = -1;
            m_host.WindowState(kMinimized);
            break;
        case SystemMenu::kClose:
            ExitConfirmation();
            break;
        case SystemMenu::kAlwaysOnTop: {
            SysMenuItem& onTop = SysMnu.MnuSyst(SystemMenu::kAlwaysOnTop);
            m_host.TopMost(!onTop.Checked);
            onTop.Checked = !onTop.Checked;
            break;
        }
        default: {
            std::int16_t item = Index;
            QString caption = SysMnu.MnuSyst(Index).Caption;
            emit MenuItemSelected(item, caption);
            break;
        }
        }
    });
}

std::int16_t orukForms::FormMenuAdd(const QString& strMenuCaption, bool blnAddSeparator, bool blnEnabled,
                                    bool blnChecked, bool blnVisible)
{
    std::int16_t added = -1;
    TrapErrors(m_errorLog, "FormMenuAdd", [&] {
        for (;;) {
            const int n = SysMnu.Count();
            SysMnu.Load(n);
            SysMenuItem& item = SysMnu.MnuSyst(n);
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
        SysMenuItem& item = SysMnu.MnuSyst(intMenuID);
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
        if (intMenuID >= SystemMenu::kDesignedItems && SysMnu.Count() >= intMenuID)
            SysMnu.Unload(intMenuID);
        // A separator left at the end goes with the item it introduced.
        if (SysMnu.Count() == intMenuID && SysMnu.MnuSyst(intMenuID - 1).Caption == QLatin1String("-"))
            SysMnu.Unload(intMenuID - 1);
    });
}

QVariant orukForms::GetMenuItemValue(int iMenuID, std::int32_t PropertyID)
{
    QVariant value;
    TrapErrors(m_errorLog, "GetMenuItemValue", [&] {
        switch (PropertyID) {
        case 0:
            value = SysMnu.MnuSyst(iMenuID).Caption;
            break;
        case 1:
            value = SysMnu.MnuSyst(iMenuID).Enabled;
            break;
        case 2:
            value = SysMnu.MnuSyst(iMenuID).Checked;
            break;
        case 3:
            value = SysMnu.MnuSyst(iMenuID).Visible;
            break;
        default:
            break;
        }
    });
    return value;
}

} // namespace pattaro
