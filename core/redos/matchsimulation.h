#pragma once

#include "core/redos/automaton.h"

#include <QStringView>

namespace pattaro {

// Whether a search over `text` would find a match, by running the automaton
// on every path at once (so in time proportional to the text): what an
// attack text must avoid, or the matcher stops at its first match.
// Look-arounds hold and back-references match any text, as the automaton has
// them: where it is approximate, "no match" is sure and "a match" is not.
bool automatonFindsMatch(const Automaton& automaton, bool multiline, QStringView text);

} // namespace pattaro
