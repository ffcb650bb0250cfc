#pragma once

#include "compat/windowmessages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace pattaro {

// The skin control's message handler: called before the previous procedure
// (bBefore true) and after it, with everything by reference so that a
// before-call can answer the message (bHandled, lReturn) or change what the
// previous procedure receives.
using SubclassCallback = std::function<void(bool bBefore, bool& bHandled, std::int32_t& lReturn,
                                            platform::HWND& lng_hWnd, std::int32_t& uMsg, std::int32_t& wParam,
                                            std::int32_t& lParam)>;

// One subclassed window's stub: what its procedure reads on every message.
// Counts: -1 every message, 0 none, else how many slots of the record's list
// to look at (slot n at [n - 1]; 0 is a free slot). The lists are read in
// place, so a slot freed or filled again takes effect at once; the count
// and list are written here when a list grows.
struct SubclassStub {
    platform::WindowMessages::Procedure PrevProc;
    std::int32_t BeforeCount = 0;
    std::int32_t AfterCount = 0;
    const std::vector<std::int32_t>* BeforeMsgs = nullptr;
    const std::vector<std::int32_t>* AfterMsgs = nullptr;
    // Shared with the subclasser; only called while a count is non-zero, so
    // a stopped stub never reaches an owner that may be gone.
    std::shared_ptr<const SubclassCallback> zSubclass_Proc;
};

// The code every stub runs: the before pass, the previous procedure unless
// the before pass handled the message, the after pass. A callback that
// fails ends there and the message goes on as usual.
std::int32_t RunSubclassStub(const SubclassStub& stub, platform::HWND hWnd, std::int32_t uMsg, std::int32_t wParam,
                             std::int32_t lParam, const platform::WindowMessages::WindowDefault& windowDefault);

} // namespace pattaro
