#pragma once

#include "core/regex/regexp.h"
#include "cli/arguments.h"
#include "cli/output.h"

#include <QString>
#include <chrono>

namespace pattaro::cli {

// Exit statuses, as grep's: count, matches and extract tell whether anything
// matched; replace, upper and lower succeed either way, as sed does.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitNothingMatched = 1;
inline constexpr int kExitFailure = 2;

// How long one search may take on a text of that many code units.
std::chrono::milliseconds SearchTimeLimit(qsizetype textLength);

// Sets the engine up as every command uses it.
void PrepareEngine(RegExp& engine, const Arguments& args, qsizetype textLength);

// count's output for n matches; the exit status.
int WriteCount(qsizetype n, bool json, Utf8Output& out);

// count, matches, replace or extract with a prepared engine; as RunCommand.
int RunSearch(RegExp& engine, const Arguments& args, const QString& text, bool color, Utf8Output& out);

// Runs one command over text with the engine, colouring what matched when
// color is set, and gives the exit status. Throws RegexError from the engine
// and OutputFailed from out.
int RunCommand(RegExp& engine, const Arguments& args, const QString& text, bool color, Utf8Output& out);

// code: writes a program doing what replace does. Throws RegexError for an
// invalid pattern and OutputFailed from out.
int RunCode(const Arguments& args, Utf8Output& out);

} // namespace pattaro::cli
