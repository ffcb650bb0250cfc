#include "compat/services.h"

namespace pattaro::platform {

Services Services::system()
{
    static QtMessageBoxService messageBox;
    static SystemClock clock;
    static SystemEnvironment environment;
    static QtAppInfo appInfo;
    static SystemVisualStyle visualStyle;
    return Services{&messageBox, &clock, &environment, &appInfo, &visualStyle};
}

} // namespace pattaro::platform
