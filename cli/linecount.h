#pragma once

#include "core/regex/regexp.h"
#include "core/text/bytefinder.h"

#include <QByteArrayView>
#include <vector>

namespace pattaro::cli {

// count for a pattern whose matches stay within lines, over valid UTF-8:
// the text is decoded a few lines at a time into one small buffer, which
// the search reads while it is still in the processor's cache, instead of
// whole into a buffer twice its size. When every match holds one of
// `literals`, only the lines holding one are decoded and searched. A large
// text's second half is counted on a thread of its own with `second`, set
// up as `engine` is. Throws RegexError from either engine.
qsizetype CountLineByLine(RegExp& engine, RegExp& second, QByteArrayView utf8,
                          const std::vector<ByteFinder>& literals);

} // namespace pattaro::cli
