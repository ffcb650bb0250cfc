#include "frame/modulequeries.h"

#include "frame/errorlog.h"
#include "frame/errortrap.h"

namespace pattaro {

platform::Modules::Address zAddrFunc(ErrorLog& errorLog, const platform::Modules& modules, const QString& sDLL,
                                     const QString& sProc)
{
    const platform::Modules::Address address = modules.GetProcAddress(modules.GetModuleHandleA(sDLL), sProc);
    if (address == 0)
        errorLog.LogError(true, QStringLiteral("0"), QString(), QString::fromLatin1(kSkinModuleName),
                          QStringLiteral("zAddrFunc"));
    return address;
}

bool IsFunctionExported(ErrorLog& errorLog, platform::Modules& modules, const QString& sFunction,
                        const QString& sModule)
{
    bool exported = false;
    TrapErrors(errorLog, "IsFunctionExported", [&] {
        platform::Modules::Handle module = modules.GetModuleHandleA(sModule);
        bool loadedHere = false;
        if (module == 0) {
            module = modules.LoadLibraryA(sModule);
            loadedHere = module != 0;
        }
        if (module == 0)
            return;
        exported = modules.GetProcAddress(module, sFunction) != 0;
        if (loadedHere)
            modules.FreeLibrary(module);
    });
    return exported;
}

} // namespace pattaro
