#include "core/regex/innerliteral.h"

#include "core/regex/casefold.h"

namespace pattaro {
namespace {

// A literal is looked for among a pattern's first few top-level terms only:
// one further in gains little, and each term before it costs a set of all
// units.
constexpr int kMaxPrefixTerms = 16;

} // namespace

CharSet literalUnits(char16_t unit, bool ignoreCase)
{
    CharSet units;
    units.add(unit);
    if (ignoreCase) {
        for (char16_t v : caseVariants(unit))
            units.add(v);
    }
    return units;
}

void InnerLiteralCollector::addTerm(const Extent& extent, int literal, const CharSet* units)
{
    if (m_leadingOpen && literal >= 0)
        m_leading += QChar(char16_t(literal));
    else
        m_leadingOpen = false;
    switch (m_state) {
    case State::Done:
        return;
    case State::Literal:
        if (literal >= 0)
            m_result.units += QChar(char16_t(literal));
        else
            m_state = State::Done;
        return;
    case State::Prefix:
        break;
    }
    // A literal right after a prefix that consumes nothing is the first
    // thing a match holds, which PCRE2 looks for on its own; so is the rest
    // of its run.
    const bool startsRun = literal >= 0 && !m_afterLiteral;
    m_afterLiteral = literal >= 0;
    if (startsRun && m_prefix.length != 0) {
        if (!m_prefix.bounded() && !m_prefixUnits) {
            m_state = State::Done;
            return;
        }
        m_state = State::Literal;
        m_result.units = QString(QChar(char16_t(literal)));
        m_result.longestPrefix = m_prefix.bounded() ? m_prefix.length : -1;
        m_result.shortestPrefix = m_prefix.bounded() ? m_prefix.least : 0;
        if (m_prefixUnits && m_result.ignoreCase)
            m_result.prefixUnits = std::make_shared<CharSet>(m_prefixUnits->caseClosed());
        else
            m_result.prefixUnits = m_prefixUnits;
        return;
    }
    if (takesRange(extent, units))
        return;
    if (++m_prefixTerms > kMaxPrefixTerms) {
        m_state = State::Done;
        return;
    }
    addToPrefix(extent, literal, units);
}

// A term of one unit from a run of units, after a bounded prefix of one
// unit or more whose units it cannot be, in a pattern that does not begin
// with a literal (PCRE2 looks for that one on its own). Case counts.
bool InnerLiteralCollector::takesRange(const Extent& extent, const CharSet* units)
{
    if (!units || !extent.fixed() || extent.length != 1 || m_result.ignoreCase || !m_leading.isEmpty()
        || !m_prefix.bounded() || m_prefix.least < 1 || !m_prefixUnits || m_prefixUnits->sharesAny(*units))
        return false;
    const auto range = units->oneRange();
    if (!range)
        return false;
    m_state = State::Done;
    m_result.inRange = true;
    m_result.rangeFirst = range->first;
    m_result.rangeLast = range->second;
    m_result.longestPrefix = m_prefix.length;
    m_result.shortestPrefix = m_prefix.least;
    m_result.prefixUnits = m_prefixUnits;
    return true;
}

void InnerLiteralCollector::addToPrefix(const Extent& extent, int literal, const CharSet* units)
{
    m_prefix = m_prefix.then(extent);
    if (!m_prefixUnits || extent.length == 0)
        return;
    if (literal >= 0) {
        m_prefixUnits->add(literalUnits(char16_t(literal), m_result.ignoreCase));
    } else if (units) {
        m_prefixUnits->add(*units);
    } else {
        m_prefixUnits.reset();
    }
}

void InnerLiteralCollector::abandon()
{
    m_state = State::Done;
    m_result.units.clear();
    m_result.inRange = false;
}

void InnerLiteralCollector::nextAlternative()
{
    m_earlierLeading.push_back(m_leading);
    m_earlierOpen = m_earlierOpen && m_leadingOpen;
    m_leading.clear();
    m_leadingOpen = true;
}

RequiredLiteral InnerLiteralCollector::required() const
{
    if (m_result.ignoreCase)
        return {};
    // Of the inner literal and the run the only alternative begins with,
    // the longer is likely the rarer.
    if (!m_result.units.isEmpty() && m_leading.size() <= m_result.units.size())
        return {{m_result.units}, false};
    RequiredLiteral literal{m_earlierLeading, m_earlierOpen && m_leadingOpen};
    literal.alternatives.push_back(m_leading);
    for (const QString& units : literal.alternatives) {
        if (units.isEmpty())
            return {};
    }
    return literal;
}

} // namespace pattaro
