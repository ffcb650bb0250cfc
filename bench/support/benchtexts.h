#pragma once

#include <QString>

namespace pattaro::bench {

// The engine's benchmark texts, the same in every run: 10M code units of
// random words (English, numbers, e-mail addresses, Chinese), a line break
// about every twelve words.
const QString& wordText();
// The same words with prices and tags among them, for the look-behinds.
const QString& taggedText();
// Lines of English, Chinese, numbers, dates, e-mail and IP addresses, URLs
// and code, broken by LF alone (which every line-oriented tool reads alike).
const QString& mixedText();

} // namespace pattaro::bench
