#pragma once

#include "compat/vberror.h"

namespace pattaro::testing {

// The runtime error number a call fails with, or 0 when it succeeds.
int errorNumberOf(auto&& call)
{
    try {
        call();
    } catch (const platform::VBError& e) {
        return e.Number();
    }
    return 0;
}

} // namespace pattaro::testing
