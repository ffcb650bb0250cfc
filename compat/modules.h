#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace pattaro::platform {

// The libraries the skin control can reach by name and the functions each
// exports. Names of libraries and functions match without regard to case.
class Modules {
public:
    using Handle = std::uintptr_t;  // 0: no library
    using Address = std::uintptr_t; // 0: no such function

    struct Module {
        QString name;
        QStringList exports;
        bool loadedAtStart = false;
    };

    explicit Modules(std::vector<Module> table);
    // User32, loaded from the start, and Comctl32, loaded on request.
    static Modules system();

    // The handle of a library that is loaded now; 0 for any other.
    Handle GetModuleHandleA(const QString& lpModuleName) const;
    // Loads the library once more; 0 when there is none by that name.
    Handle LoadLibraryA(const QString& lpLibFileName);
    // False when the library is not loaded.
    bool FreeLibrary(Handle hLibModule);
    Address GetProcAddress(Handle hModule, const QString& lpProcName) const;

private:
    struct Entry {
        Module module;
        int loadCount;
    };
    int indexOf(const QString& name) const;
    int indexOf(Handle handle) const;
    static Handle handleAt(int index);

    std::vector<Entry> m_table;
};

} // namespace pattaro::platform
