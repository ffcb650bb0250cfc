#pragma once

#include <QString>
#include <chrono>
#include <utility>
#include <vector>

namespace pattaro::test {

// Long enough for any search of the tests to finish: a busy machine may be
// slow, not wrong.
constexpr std::chrono::minutes kPatientLimit{5};

// Each match's start and length.
using Spans = std::vector<std::pair<qsizetype, qsizetype>>;

// All matches by one unwindowed PCRE2 loop over the translated pattern,
// multiline, without the translator's shortcuts, as the engine's reference.
Spans plainSearch(const QString& pattern, bool ignoreCase, const QString& text);
// All matches by the engine, global and multiline.
Spans engineSearch(const QString& pattern, bool ignoreCase, const QString& text);

} // namespace pattaro::test
