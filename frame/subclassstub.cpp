#include "frame/subclassstub.h"

namespace pattaro {

namespace {

bool listed(std::int32_t count, const std::vector<std::int32_t>* msgs, std::int32_t uMsg)
{
    if (count < 0)
        return true;
    for (std::int32_t slot = 0; slot < count; ++slot)
        if ((*msgs)[std::size_t(slot)] == uMsg)
            return true;
    return false;
}

void callOwner(const SubclassStub& stub, bool bBefore, bool& bHandled, std::int32_t& lReturn, platform::HWND& hWnd,
               std::int32_t& uMsg, std::int32_t& wParam, std::int32_t& lParam)
{
    try {
        (*stub.zSubclass_Proc)(bBefore, bHandled, lReturn, hWnd, uMsg, wParam, lParam);
    } catch (...) {
        // The handler's failure is its own; the window keeps working.
    }
}

} // namespace

std::int32_t RunSubclassStub(const SubclassStub& stub, platform::HWND hWnd, std::int32_t uMsg, std::int32_t wParam,
                             std::int32_t lParam, const platform::WindowMessages::WindowDefault& windowDefault)
{
    std::int32_t lReturn = 0;
    bool bHandled = false;
    if (listed(stub.BeforeCount, stub.BeforeMsgs, uMsg))
        callOwner(stub, true, bHandled, lReturn, hWnd, uMsg, wParam, lParam);
    if (bHandled)
        return lReturn;
    lReturn = platform::WindowMessages::CallWindowProc(stub.PrevProc, hWnd, uMsg, wParam, lParam, windowDefault);
    if (listed(stub.AfterCount, stub.AfterMsgs, uMsg))
        callOwner(stub, false, bHandled, lReturn, hWnd, uMsg, wParam, lParam);
    return lReturn;
}

} // namespace pattaro
