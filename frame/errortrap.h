#pragma once

#include "compat/vberror.h"
#include "frame/errorlog.h"

#include <exception>
#include <utility>

namespace pattaro {

inline constexpr const char* kSkinModuleName = "orukForms";

// Gives a routine of the skin control its trap: runs the body; a failure
// inside it is reported through the log under the routine's name, and the
// routine leaves there, keeping what it had already done. Returns whether the
// body ran to its end. Nothing escapes to the caller.
template <class Body>
bool TrapErrors(ErrorLog& log, const char* operation, Body&& body) noexcept
{
    platform::VBError failure(platform::VBError::InternalError);
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const std::exception& e) {
        failure = platform::VBError::fromStdException(e);
    } catch (...) {
    }
    try {
        log.LogError(true, QString::number(failure.Number()), failure.Description(),
                     QString::fromLatin1(kSkinModuleName), QString::fromLatin1(operation));
    } catch (...) {
        // A report that cannot even be shown must not end the program.
    }
    return false;
}

// For routines that skip a failing step silently and go on with the next.
template <class Step>
void SkipOnFailure(Step&& step) noexcept
{
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}

} // namespace pattaro
