#pragma once

#include "compat/modules.h"

#include <QString>

namespace pattaro {

class ErrorLog;

// The address of a function in a library that is already loaded; 0 when
// either is missing, which is also written to the log (number 0, no
// description) without asking for a trap.
platform::Modules::Address zAddrFunc(ErrorLog& errorLog, const platform::Modules& modules, const QString& sDLL,
                                     const QString& sProc);

// Whether the library exports the function. A library that is not loaded
// is loaded for the question and released again before the answer.
bool IsFunctionExported(ErrorLog& errorLog, platform::Modules& modules, const QString& sFunction,
                        const QString& sModule);

} // namespace pattaro
