#include "frame/systemmenu.h"

#include "compat/vberror.h"

#include <utility>

namespace pattaro {

namespace {

platform::VBError noSuchItem(int index)
{
    return platform::VBError(340, QStringLiteral("Control array element '%1' doesn't exist").arg(index));
}

} // namespace

SystemMenu::SystemMenu()
    : m_items{
          {0, {QStringLiteral("Restore       "), false, false, true}},
          {1, {QStringLiteral("Minimize")}},
          {2, {QStringLiteral("Maximize")}},
          {3, {QStringLiteral("-")}},
          {4, {QStringLiteral("Close            Alt+F4")}},
          {5, {QStringLiteral("-")}},
          {6, {QStringLiteral("Always on Top")}},
      }
{
}

SysMenuItem& SystemMenu::MnuSyst(int index)
{
    return const_cast<SysMenuItem&>(std::as_const(*this).MnuSyst(index));
}

const SysMenuItem& SystemMenu::MnuSyst(int index) const
{
    const auto it = m_items.find(index);
    if (it == m_items.end())
        throw noSuchItem(index);
    return it->second;
}

void SystemMenu::Load(int index)
{
    if (index < 0)
        throw noSuchItem(index);
    if (!m_items.emplace(index, SysMenuItem{}).second)
        throw platform::VBError(360, QStringLiteral("Object already loaded"));
}

void SystemMenu::Unload(int index)
{
    if (m_items.erase(index) == 0)
        throw noSuchItem(index);
}

} // namespace pattaro
