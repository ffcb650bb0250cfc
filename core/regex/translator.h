#pragma once

#include "core/regex/innerliteral.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

namespace pattaro {

// A pattern in the window's dialect (JavaScript without the u flag, plus the
// escapes the help text promises) rewritten for PCRE2's 16-bit library.
struct Translation {
    QString pattern;
    // The same with a callout at the start of every alternative of every
    // group and after every repeat, so that a long attempt can be stopped.
    QString guardedPattern;
    uint32_t compileOptions = 0;
    // PCRE2 10.42's JIT compares case-insensitive back-references to
    // non-ASCII text wrongly in this mode, and never matches a repeated
    // back-reference to an unset group, so such patterns use the interpreter.
    bool jitSafe = true;
    int groupCount = 0;
    // PCRE2's number for each group, by the group's own number (0 is the
    // match); empty when they are the same. They differ when the pattern
    // holds hidden captures, which mark where the iterations of a group that
    // can match the empty text begin.
    std::vector<int> groupNumbers;
    // Bookkeeping done by callouts in pairs, one applying an action as
    // matching goes forward and the other undoing it when matching backtracks
    // through: it clears the groups inside a repeated group at each
    // iteration, as JavaScript does, and counts iterations where the
    // empty-iteration check depends on the count. Empty when the pattern
    // needs none.
    struct Action {
        enum class Kind : std::uint8_t {
            Mark,    // nothing; lets the undo drop what an assertion left behind
            Enter,   // a counted group is entered: its counter starts at 0
            Iterate, // an iteration begins: counts, then clears groups first … last
            Capture, // group `first` has just been set
        };
        Kind kind = Kind::Mark;
        int counter = -1; // the counter's slot, or -1
        int first = 1;
        int last = 0;
    };
    std::vector<Action> actions;
    // Slots 1 … groupCount say whether a group is cleared; counters follow.
    int slotCount = 0;
    // Group numbers by name; empty when the pattern names no group.
    QHash<QString, int> groupNames;
    // How many code units from its start an attempt can examine, or -1 when
    // that has no bound.
    qint64 maxReach = -1;
    // Every match begins with a unit followed by the same unit: the pattern
    // begins with a group capturing one unit and a back-reference to it, as
    // in (.)\1, and letters keep their case. The search then tries only
    // starts where the text doubles a unit.
    bool doubledStart = false;
    // Every match begins at a line start: the pattern is one alternative
    // whose first term is ^ with the m flag. The search then tries only
    // starts after a line terminator.
    bool lineStart = false;
    // Units every match holds past its start, for the search to look for
    // first; see InnerLiteral.
    InnerLiteral innerLiteral;
    // Units every match holds, case as written; see RequiredLiteral.
    RequiredLiteral requiredLiteral;
    // Look-behinds whose alternatives differ in length, which PCRE2 10.42
    // cannot match: each is written as the callout (?C{bN}), N its index
    // here, and checked by running its body on its own (see Searcher), once
    // from each start where a match could begin, nearest first. Such a body
    // holds no capturing group and no back-reference.
    struct Lookbehind {
        QString body;
        bool negative = false;
        qint64 least = 0; // fewest units the body consumes
        qint64 most = 0;  // most units, or -1 when only the reach bounds it
    };
    std::vector<Lookbehind> lookbehinds;
    // Look-behinds of varying length with capturing groups are run forward
    // from each distance they can start at: (?C{aN}) notes in slot N where
    // the look-behind is checked, and (?C{zN}) lets its body end only there.
    int positionSlots = 0;

    // Maps an offset into `pattern` (as PCRE2 reports it) back to the source.
    qsizetype sourceOffset(qsizetype translatedOffset) const;

    struct Checkpoint {
        qsizetype translated;
        qsizetype source;
    };
    std::vector<Checkpoint> checkpoints;
};

// Longer patterns are refused before any work: PCRE2 could hold almost
// none of them (its compiled form is limited to 65,535 code units), and
// translating and compiling one must stay well within a second.
constexpr qsizetype kMaxPatternLength = 65536;

// How far back a look-behind of unbounded length looks: its match may begin
// at most this many code units before the position it is checked at.
constexpr qint64 kLookbehindReach = 1000;

class SyntaxSink;

// Whether a repeat that cannot give a unit back and still match is written
// possessive, which finds the same matches without trying to. Measuring the
// backtracking of an engine that reads patterns as written leaves them be.
enum class RepeatShortcuts { Taken, Left };

// Throws RegexError(InvalidPattern) where JavaScript would reject the
// pattern, or where it is longer than kMaxPatternLength. `sink`, when given,
// is told of every piece of the pattern as it is read.
Translation translatePattern(const QString& source, bool ignoreCase, bool multiline, SyntaxSink* sink = nullptr,
                             RepeatShortcuts shortcuts = RepeatShortcuts::Taken);

} // namespace pattaro
