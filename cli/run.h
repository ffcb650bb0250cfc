#pragma once

#include "cli/arguments.h"
#include "cli/output.h"

#include <QString>

namespace pattaro::cli {

// Runs one command over text. Throws RegexError from the engine.
void RunCommand(const Arguments& args, const QString& text, Utf8Output& out);

} // namespace pattaro::cli
