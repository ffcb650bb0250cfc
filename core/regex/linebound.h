#pragma once

#include <QString>

namespace pattaro {

// Whether no match of the pattern, nor any look-around it makes, can take
// in a line feed, and ^ and $ mean line starts and ends: a text's matches
// are then the matches of its lines searched one by one, or of any run of
// its lines. Throws RegexError for a pattern the engine refuses.
bool MatchesStayWithinLines(const QString& pattern, bool ignoreCase, bool multiline);

} // namespace pattaro
