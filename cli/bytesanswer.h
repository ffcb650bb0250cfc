#pragma once

#include "core/regex/regexp.h"
#include "cli/arguments.h"
#include "cli/output.h"

#include <QByteArrayView>
#include <optional>

namespace pattaro::cli {

// Answers count, matches, extract or replace from the input's bytes before
// they are decoded, where that gives exactly what decoding and searching
// would: the bytes are read as UTF-8 with nothing to warn of, case counts,
// and the units every match holds (RequiredLiteral) either do not occur in
// them, so nothing matches, or make up the whole pattern and are only
// counted.
// Decoding a large file takes longer than looking through its bytes.
// Returns the exit status, or nothing when the input is to be decoded and
// searched as usual; a pattern the engine refuses is left to that search,
// which reports it in its turn. Throws OutputFailed from out.
std::optional<int> AnswerFromBytes(RegExp& engine, const Arguments& args, QByteArrayView bytes, bool color,
                                   Utf8Output& out);

} // namespace pattaro::cli
