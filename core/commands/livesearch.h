#pragma once

#include "core/regex/regexp.h"

#include <QString>
#include <atomic>
#include <optional>

namespace pattaro {

// What the live preview searches: a snapshot of the window's text and
// settings, so that the search can run away from the window's thread.
struct LiveSearchRequest {
    QString text;
    QString pattern;
    QString replacement;
    bool ignoreCase = false;
};

// The two results the preview shows: the matches the check colours and the
// text the replace puts in the result pane; or why the engine failed.
struct LiveSearchResult {
    MatchCollection matches;
    QString replaced;
    std::optional<RegexError> fault;
};

// Runs the match check and the replace on an engine of its own, set up as
// the window sets its engine, with the engine's own limits. Setting
// `cancelled` from another thread makes a running search give up soon
// afterwards, as if out of time; its result is then meaningless.
LiveSearchResult RunLiveSearch(const LiveSearchRequest& request, const std::atomic<bool>& cancelled);

} // namespace pattaro
