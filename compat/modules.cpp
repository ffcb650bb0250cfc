#include "compat/modules.h"

namespace pattaro::platform {

namespace {

// Libraries sit 64 KB apart, the way the system maps them; a function's
// address is its library's plus an offset, so no two are alike.
constexpr Modules::Handle kLibrarySpacing = 0x10000;
constexpr Modules::Address kEntrySpacing = 0x10;

} // namespace

Modules::Modules(std::vector<Module> table)
{
    for (Module& module : table) {
        const int loadCount = module.loadedAtStart ? 1 : 0;
        m_table.push_back({std::move(module), loadCount});
    }
}

Modules Modules::system()
{
    return Modules({
        {QStringLiteral("User32"),
         {QStringLiteral("TrackMouseEvent"), QStringLiteral("CallWindowProcA"), QStringLiteral("SetWindowLongA")},
         true},
        {QStringLiteral("Comctl32"), {QStringLiteral("_TrackMouseEvent")}, false},
    });
}

Modules::Handle Modules::GetModuleHandleA(const QString& lpModuleName) const
{
    const int index = indexOf(lpModuleName);
    return index >= 0 && m_table[index].loadCount > 0 ? handleAt(index) : 0;
}

Modules::Handle Modules::LoadLibraryA(const QString& lpLibFileName)
{
    const int index = indexOf(lpLibFileName);
    if (index < 0)
        return 0;
    ++m_table[index].loadCount;
    return handleAt(index);
}

bool Modules::FreeLibrary(Handle hLibModule)
{
    const int index = indexOf(hLibModule);
    if (index < 0 || m_table[index].loadCount == 0)
        return false;
    --m_table[index].loadCount;
    return true;
}

Modules::Address Modules::GetProcAddress(Handle hModule, const QString& lpProcName) const
{
    const int index = indexOf(hModule);
    if (index < 0 || m_table[index].loadCount == 0)
        return 0;
    const QStringList& exports = m_table[index].module.exports;
    for (qsizetype entry = 0; entry < exports.size(); ++entry)
        if (exports[entry].compare(lpProcName, Qt::CaseInsensitive) == 0)
            return hModule + Address(entry + 1) * kEntrySpacing;
    return 0;
}

int Modules::indexOf(const QString& name) const
{
    for (std::size_t i = 0; i < m_table.size(); ++i)
        if (m_table[i].module.name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int Modules::indexOf(Handle handle) const
{
    for (std::size_t i = 0; i < m_table.size(); ++i)
        if (handleAt(int(i)) == handle)
            return int(i);
    return -1;
}

Modules::Handle Modules::handleAt(int index)
{
    return Handle(index + 1) * kLibrarySpacing;
}

} // namespace pattaro::platform
