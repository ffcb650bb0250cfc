#pragma once

#include "core/regex/charset.h"
#include "core/regex/extent.h"

#include <QString>
#include <memory>
#include <vector>

namespace pattaro {

// Units every match holds one after another at one place that is not its
// start, as in \w+@ or \d{4}-\d\d: a search can look for them first, much
// faster than trying a match everywhere, and begin matching no earlier than
// the prefix before them allows.
struct InnerLiteral {
    // Empty when the pattern has no such units.
    QString units;
    // Where there are none: one unit from rangeFirst … rangeLast that every
    // match holds past a bounded prefix that cannot hold it, as the digit
    // in [a-z]{2,8}\d. Such units are common, but few follow enough units
    // of the prefix.
    bool inRange = false;
    char16_t rangeFirst = 0;
    char16_t rangeLast = 0;
    // Fewest units a match has before them.
    qint64 shortestPrefix = 0;
    // Any case variant of a unit stands for it.
    bool ignoreCase = false;
    // Most units a match can have before them, or -1 when unbounded.
    qint64 longestPrefix = -1;
    // Every unit a match can have before them; null when not known.
    std::shared_ptr<const CharSet> prefixUnits;
};

// Units a match holds one after another somewhere, case as written, for
// looking through a text before it is searched, even before it is decoded:
// where none of them occurs, nothing matches.
struct RequiredLiteral {
    // One string for each of the pattern's top-level alternatives, which
    // its matches hold. Empty when some alternative has none, or when the
    // pattern ignores case.
    std::vector<QString> alternatives;
    // Each alternative is its string and nothing else: a match is the first
    // of them, in the pattern's order, found at the leftmost place.
    bool wholeMatch = false;
};

// What a literal unit can consume: itself, and its case variants when case
// is ignored.
CharSet literalUnits(char16_t unit, bool ignoreCase);

// Finds the InnerLiteral of a pattern's only alternative from its top-level
// terms, read in order. It takes the first run of single literal units, none
// repeated, that the terms before can put anything in front of.
class InnerLiteralCollector {
public:
    explicit InnerLiteralCollector(bool ignoreCase) { m_result.ignoreCase = ignoreCase; }

    // The next term: what it can consume; `literal` is its unit when it is
    // one literal unit without a quantifier, else -1; `units` what it can
    // consume when known (a literal's own unit counts as known).
    void addTerm(const Extent& extent, int literal, const CharSet* units);
    // The pattern has several alternatives at its top level.
    void abandon();
    // The terms that follow belong to the next top-level alternative.
    void nextAlternative();
    // Whether the units of the next term still count: each costs a set of
    // all units, and a pattern may have thousands of terms.
    bool wantsUnits() const { return m_state == State::Prefix && m_prefixUnits; }
    InnerLiteral result() const { return m_result; }
    // The inner literal, or the run of literal units each alternative
    // begins with when there is none or that run is longer; empty when case
    // is ignored.
    RequiredLiteral required() const;

private:
    enum class State { Prefix, Literal, Done };
    State m_state = State::Prefix;
    int m_prefixTerms = 0;
    bool m_afterLiteral = false;
    Extent m_prefix;
    // Null once some prefix term's units are unknown.
    std::shared_ptr<CharSet> m_prefixUnits = std::make_shared<CharSet>();
    InnerLiteral m_result;
    // The literal units the current alternative begins with, up to its
    // first other term; m_leadingOpen while no other term has come.
    QString m_leading;
    bool m_leadingOpen = true;
    // The same for the alternatives before, and whether each was open to
    // its end.
    std::vector<QString> m_earlierLeading;
    bool m_earlierOpen = true;

    void addToPrefix(const Extent& extent, int literal, const CharSet* units);
    bool takesRange(const Extent& extent, const CharSet* units);
};

} // namespace pattaro
