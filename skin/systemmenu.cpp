#include "skin/systemmenu.h"

#include "platform/vberror.h"

#include <utility>

namespace pattaro {

SystemMenu::SystemMenu()
    : m_items{
          {QStringLiteral("Restore       "), false, false, true},
          {QStringLiteral("Minimize")},
          {QStringLiteral("Maximize")},
          {QStringLiteral("-")},
          {QStringLiteral("Close            Alt+F4")},
          {QStringLiteral("-")},
          {QStringLiteral("Always on Top")},
      }
{
}

SysMenuItem& SystemMenu::MnuSyst(int index)
{
    return const_cast<SysMenuItem&>(std::as_const(*this).MnuSyst(index));
}

const SysMenuItem& SystemMenu::MnuSyst(int index) const
{
    if (index < 0 || index >= Count())
        throw platform::VBError(340, QStringLiteral("Control array element '%1' doesn't exist").arg(index));
    return m_items[std::size_t(index)];
}

} // namespace pattaro
