#pragma once

#include "cli/arguments.h"
#include "cli/output.h"

#include <QString>
#include <chrono>

namespace pattaro::cli {

// How long one search may take on a text of that many code units.
std::chrono::milliseconds SearchTimeLimit(qsizetype textLength);

// Runs one command over text. Throws RegexError from the engine.
void RunCommand(const Arguments& args, const QString& text, Utf8Output& out);

} // namespace pattaro::cli
