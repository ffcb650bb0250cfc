#pragma once

#include "compat/appinfo.h"
#include "compat/clock.h"
#include "compat/environment.h"
#include "compat/messagebox.h"
#include "compat/visualstyle.h"

namespace pattaro::platform {

// The outside world as the skin control sees it. The pointers are not owned;
// whoever builds the bundle keeps the services alive longer than its users.
struct Services {
    MessageBoxService* messageBox = nullptr;
    Clock* clock = nullptr;
    Environment* environment = nullptr;
    AppInfo* appInfo = nullptr;
    VisualStyle* visualStyle = nullptr;

    // The real implementations, alive for the whole process. Message boxes
    // have no parent window.
    static Services system();
};

} // namespace pattaro::platform
