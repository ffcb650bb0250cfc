#pragma once

#include "core/regex/regexp.h"
#include "core/text/bytefinder.h"

#include <QByteArrayView>
#include <optional>
#include <vector>

namespace pattaro::cli {

// count for a pattern whose matches stay within lines, over text that is
// UTF-8 if IsUtf8 says so, which it checks on the way; nothing when it is
// not. The text is decoded a few lines at a time into one small buffer,
// which the search reads while it is still in the processor's cache,
// instead of whole into a buffer twice its size. When every match holds one
// of `literals`, only the lines holding one are decoded and searched. A
// large text's second half is counted on a thread of its own with
// `second`, set up as `engine` is. Throws RegexError from either engine.
std::optional<qsizetype> CountLineByLine(RegExp& engine, RegExp& second, QByteArrayView utf8,
                                         const std::vector<ByteFinder>& literals);

} // namespace pattaro::cli
