#include "core/regex/translator.h"

#include "core/regex/casefold.h"
#include "core/regex/charset.h"
#include "core/regex/extent.h"
#include "core/regex/regexp.h"
#include "core/regex/syntaxsink.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <QScopeGuard>
#include <QSet>

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <utility>

namespace pattaro {
namespace {

// Deeper nesting than this is refused rather than risking the stack.
constexpr int kMaxNesting = 250;
// PCRE2 counts repeats in 16 bits.
constexpr qint64 kMaxRepeat = 65535;
constexpr qint64 kUnbounded = -1;
// Groups written twice over (see LoopCheck) double the translation at each
// level of nesting; a translation this long is refused before it explodes.
constexpr qsizetype kMaxWrittenTwice = qsizetype(1) << 20;
// A look-behind with capturing groups is written once per length it can
// have, so only a few lengths are taken.
constexpr qint64 kMaxLookbehindLengths = 16;

const QString& dotAtom()
{
    static const QString s = CharSet::lineTerminators().inverted().toPcre();
    return s;
}

// Line starts and ends as JavaScript sees them with the m flag: next to any
// of LF, CR, U+2028, U+2029, so also between the CR and LF of a CR LF.
const QString& lineStartAtom()
{
    static const QString s = QStringLiteral("(?<!") + dotAtom() + u')';
    return s;
}

const QString& lineEndAtom()
{
    static const QString s = QStringLiteral("(?!") + dotAtom() + u')';
    return s;
}

// \b and \B spelt out over ASCII word characters, for when Unicode
// properties are switched on and PCRE2's own \b would widen.
const QString& asciiBoundary(bool negated)
{
    static const QString w = CharSet::wordChars().toPcre();
    static const QString boundary = QStringLiteral("(?:(?<=%1)(?!%1)|(?<!%1)(?=%1))").arg(w);
    static const QString inside = QStringLiteral("(?:(?<=%1)(?=%1)|(?<!%1)(?!%1))").arg(w);
    return negated ? inside : boundary;
}

constexpr QStringView kClassEscapes = u"dDwWsS";

// The set of \d, \D, \w, \W, \s or \S; nothing for any other letter.
std::optional<CharSet> classEscape(int c)
{
    switch (c) {
    case 'd': return CharSet::digits();
    case 'D': return CharSet::digits().inverted();
    case 'w': return CharSet::wordChars();
    case 'W': return CharSet::wordChars().inverted();
    case 's': return CharSet::whiteSpace();
    case 'S': return CharSet::whiteSpace().inverted();
    default: return std::nullopt;
    }
}

// The same escape as a PCRE2 atom, built once: a pattern may repeat it
// thousands of times.
const QString& classEscapeAtom(int c)
{
    static const auto atoms = [] {
        std::array<QString, kClassEscapes.size()> a;
        for (qsizetype i = 0; i < kClassEscapes.size(); ++i)
            a[size_t(i)] = classEscape(kClassEscapes[i].unicode())->toPcre();
        return a;
    }();
    return atoms[size_t(kClassEscapes.indexOf(QChar(c)))];
}

bool isDecimal(int c) { return c >= '0' && c <= '9'; }
bool isOctal(int c) { return c >= '0' && c <= '7'; }
bool isAsciiLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

int hexValue(int c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isIdStart(char32_t c)
{
    if (c == '$' || c == '_')
        return true;
    switch (QChar::category(c)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Number_Letter:
        return true;
    default:
        return false;
    }
}

bool isIdPart(char32_t c)
{
    if (isIdStart(c) || c == 0x200C || c == 0x200D)
        return true;
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Number_DecimalDigit:
    case QChar::Punctuation_Connector:
        return true;
    default:
        return false;
    }
}

// What a quantifier repeats, where that changes how it is written.
enum class AtomKind { Plain, Lookahead, Backreference, Group };

struct Quantifier {
    qint64 least = 0;
    qint64 most = 0; // kUnbounded for no upper bound
    bool lazy = false;
};

// How a repeated group that can match the empty text is written so that,
// as in JavaScript, an iteration beyond the minimum fails when it ends where
// it began. A callout at the end of the iteration compares the position with
// the start of the iteration, held in a hidden capture: captures are undone
// on backtracking, so it is always the current iteration's own start.
enum class LoopCheck {
    // Minimum 0: every iteration is checked.
    EveryIteration,
    // Minimum n > 0 on a group without captures: n unchecked copies, then
    // checked ones (PCRE2 would stop after an empty first iteration, where
    // JavaScript goes on).
    BeyondMinimum,
    // A greedy minimum of 1 with no maximum on a group with captures.
    FirstUnchecked,
    // A greedy minimum n ≥ 2 with no maximum on a group with captures: PCRE2
    // would not go on after an empty n-th iteration, so the first n − 1 are
    // written apart, their captures hidden (JavaScript reports only the last
    // iteration's groups, which is never among them), then the rest as for
    // FirstUnchecked.
    FirstUncheckedAfter,
    // Any other minimum n > 0 on a group with captures: a counter tells the
    // check which iterations are beyond the minimum.
    Counted,
};

// What a first pass over a pattern found that the translation must handle.
struct Plan {
    // Groups that need checks, by the offset of their parenthesis.
    QHash<qsizetype, LoopCheck> loopChecks;
    // Repeated groups whose iterations clear groups, by the offset of their
    // parenthesis: the first and last group cleared.
    QHash<qsizetype, std::pair<int, int>> clearing;
    // By group number: whether some iteration may clear it.
    std::vector<bool> cleared;
    // Look-arounds holding such groups, by the offset of their parenthesis.
    QSet<qsizetype> marked;

    bool needed() const { return !loopChecks.isEmpty() || !clearing.isEmpty(); }
};

// One item inside a character class: a single unit or a whole set (\d …).
struct ClassAtom {
    std::optional<CharSet> set;
    char16_t unit = 0;
    CharacterReading reading = CharacterReading::AsWritten;
};

class Translator {
public:
    // `plan` comes from a first pass over the same source.
    Translator(const QString& source, bool ignoreCase, bool multiline, Plan plan = {})
        : m_src(source), m_ignoreCase(ignoreCase), m_multiline(multiline), m_plan(std::move(plan)),
          m_checking(m_plan.needed()), m_innerLiteral(ignoreCase)
    {
    }

    // Tells `sink` of every piece read; for the first pass only, which reads
    // each piece once.
    void tell(SyntaxSink* sink) { m_sink = sink; }
    void allow(RepeatShortcuts shortcuts) { m_shortcuts = shortcuts == RepeatShortcuts::Taken; }

    // After run(): what a second pass has to handle.
    Plan plan() const
    {
        Plan p;
        p.loopChecks = m_loopsToCheck;
        p.clearing = m_clearing;
        p.cleared.assign(size_t(m_result.groupCount) + 1, false);
        for (const auto& [first, last] : m_clearing) {
            for (int g = first; g <= last; ++g)
                p.cleared[size_t(g)] = true;
        }
        for (const auto& [start, end] : m_lookarounds) {
            for (int g = 1; g <= m_result.groupCount; ++g) {
                const qsizetype at = m_groupStarts[size_t(g)];
                if (p.cleared[size_t(g)] && at > start && at < end)
                    p.marked.insert(start);
            }
        }
        return p;
    }

    Translation run()
    {
        prescan();
        // Case-insensitive back-references need PCRE2's Unicode case folding;
        // everything else folds case in the translation itself.
        m_explicitCase = findBackreferences() && m_ignoreCase;
        m_groupStarts.assign(size_t(m_result.groupCount) + 1, 0);
        m_result.slotCount = m_result.groupCount + 1;
        const Extent extent = parseDisjunction(0);
        m_result.maxReach = extent.reach;
        // Case-insensitive back-references fold case as PCRE2 does, which
        // the literal's case variants do not follow.
        if (!m_explicitCase)
            m_result.innerLiteral = m_innerLiteral.result();
        m_result.requiredLiteral = m_innerLiteral.required();
        if (m_pos < m_src.size())
            fail(RegexErrorCode::UnmatchedParenthesis, m_pos);

        m_result.guardedPattern = withGuards();
        m_result.pattern = std::move(m_out);
        m_result.compileOptions = PCRE2_NEVER_UTF | PCRE2_NEVER_BACKSLASH_C | PCRE2_MATCH_UNSET_BACKREF;
        if (m_ignoreCase && !m_explicitCase)
            m_result.compileOptions |= PCRE2_CASELESS;
        if (m_explicitCase)
            m_result.compileOptions |= PCRE2_UCP;
        // The callout that ends a look-behind's body must be able to make
        // a repeat just before it give units back.
        if (m_result.positionSlots > 0)
            m_result.compileOptions |= PCRE2_NO_AUTO_POSSESS;
        if (m_zeroRepeatedGroup)
            m_result.compileOptions |= PCRE2_NO_START_OPTIMIZE;
        m_result.jitSafe = !m_explicitCase && !m_repeatedBackreference;
        if (m_checking)
            m_result.groupNumbers.insert(m_result.groupNumbers.begin(), 0);
        return std::move(m_result);
    }

private:
    const QString& m_src;
    const bool m_ignoreCase;
    const bool m_multiline;
    const Plan m_plan;
    // Hidden captures shift PCRE2's group numbers, so this pass names every
    // group for its back-references.
    const bool m_checking;
    QHash<qsizetype, LoopCheck> m_loopsToCheck;
    QHash<qsizetype, std::pair<int, int>> m_clearing;
    // Inside a part of the pattern written apart with hidden captures: PCRE2's
    // numbers for the groups opened in it so far.
    int m_hiddenCopies = 0;
    QHash<int, int> m_hiddenNumbers;
    // By group number: the offsets of the back-references to it, in order.
    std::vector<std::vector<qsizetype>> m_references;
    // By group number: the offset of its parenthesis.
    std::vector<qsizetype> m_groupStarts;
    // Each look-around's parenthesis and the offset past its end.
    std::vector<std::pair<qsizetype, qsizetype>> m_lookarounds;
    int m_pcreGroups = 0;
    bool m_explicitCase = false;
    bool m_repeatedBackreference = false;
    bool m_zeroRepeatedGroup = false;
    bool m_hasNamedGroups = false;
    // The look-arounds being read, innermost last: where each begins, whether
    // it looks behind, and how many groups were opened before it.
    struct OpenLookaround {
        qsizetype start;
        bool behind;
        int groupsBefore;
    };
    std::vector<OpenLookaround> m_open;
    // Back-references inside a look-around to a group not yet opened: the
    // group and the level in m_open of the innermost look-around around both.
    std::vector<std::pair<int, size_t>> m_laterReferences;
    // Reading the body of a look-behind checked by a callout.
    bool m_calloutBody = false;
    // Repeats written so far whose count can vary.
    int m_varyingRepeats = 0;
    qsizetype m_pos = 0;
    int m_groupsOpened = 0;
    // The extent of each group closed so far, by number; for back-references.
    QHash<int, Extent> m_groupExtents;
    InnerLiteralCollector m_innerLiteral;
    // Set by parseTerm for a top-level term: its unit when it is a single
    // literal unit without a quantifier, else -1; and the units it can
    // consume, when it is a class or a repeated literal.
    int m_termLiteral = -1;
    std::optional<CharSet> m_termUnits;
    // The unit emitLiteral wrote last.
    int m_lastLiteral = -1;
    bool m_shortcuts = true;
    QString m_out;
    // Where the guarded twin calls back: offsets into m_out, in order.
    std::vector<qsizetype> m_guards;
    Translation m_result;
    SyntaxSink* m_sink = nullptr;

    int at(qsizetype i) const { return i >= 0 && i < m_src.size() ? m_src.at(i).unicode() : -1; }

    SyntaxEvent event(SyntaxKind kind, qsizetype start) const
    {
        SyntaxEvent e;
        e.kind = kind;
        e.start = start;
        e.end = m_pos;
        return e;
    }

    void tellOpen(const SyntaxEvent& e)
    {
        if (m_sink)
            m_sink->open(e);
    }

    void tellClose()
    {
        if (m_sink)
            m_sink->close(m_pos);
    }

    void tellPiece(const SyntaxEvent& e)
    {
        if (m_sink)
            m_sink->piece(e);
    }

    void tellCharacter(qsizetype start, char16_t unit, CharacterReading reading)
    {
        SyntaxEvent e = event(SyntaxKind::Character, start);
        e.unit = unit;
        e.reading = reading;
        tellPiece(e);
    }

    [[noreturn]] void fail(RegexErrorCode code, qsizetype offset) const { throw RegexError(code, offset); }

    // --- Prescan: group count and names decide how escapes read. ---------

    void prescan()
    {
        bool inClass = false;
        for (qsizetype i = 0; i < m_src.size(); ++i) {
            const char16_t c = m_src.at(i).unicode();
            if (c == '\\') {
                ++i;
            } else if (inClass) {
                inClass = c != ']';
            } else if (c == '[') {
                inClass = true;
            } else if (c == '(') {
                if (at(i + 1) != '?') {
                    ++m_result.groupCount;
                } else if (at(i + 2) == '<' && at(i + 3) != '=' && at(i + 3) != '!') {
                    const int number = ++m_result.groupCount;
                    m_hasNamedGroups = true;
                    qsizetype end = 0;
                    const QString name = parseGroupName(i + 3, &end);
                    if (m_result.groupNames.contains(name))
                        fail(RegexErrorCode::DuplicateGroupName, i + 3);
                    m_result.groupNames.insert(name, number);
                }
            }
        }
    }

    // Whether the pattern has back-references; fills m_references.
    bool findBackreferences()
    {
        m_references.assign(size_t(m_result.groupCount) + 1, {});
        bool any = false;
        bool inClass = false;
        for (qsizetype i = 0; i < m_src.size(); ++i) {
            const char16_t c = m_src.at(i).unicode();
            if (c == '\\') {
                if (!inClass && m_hasNamedGroups && at(i + 1) == 'k') {
                    any = true;
                    noteNamedReference(i);
                }
                if (!inClass && at(i + 1) >= '1' && at(i + 1) <= '9') {
                    qsizetype j = i + 1;
                    const qint64 n = decimalAt(j);
                    if (n <= m_result.groupCount) {
                        any = true;
                        m_references[size_t(n)].push_back(i);
                    }
                }
                ++i;
            } else if (inClass) {
                inClass = c != ']';
            } else if (c == '[') {
                inClass = true;
            }
        }
        return any;
    }

    // `\k<name>` is at `i`; a malformed one is refused later, when the parse
    // gets there.
    void noteNamedReference(qsizetype i)
    {
        if (at(i + 2) != '<')
            return;
        try {
            qsizetype end = 0;
            const auto it = m_result.groupNames.constFind(parseGroupName(i + 3, &end));
            if (it != m_result.groupNames.cend())
                m_references[size_t(it.value())].push_back(i);
        } catch (const RegexError&) {
        }
    }

    // Reads decimal digits at i (advancing it); saturates instead of overflowing.
    qint64 decimalAt(qsizetype& i) const
    {
        qint64 v = 0;
        while (isDecimal(at(i))) {
            v = std::min<qint64>(v * 10 + (at(i) - '0'), qint64(1) << 53);
            ++i;
        }
        return v;
    }

    // The value of the four hex digits at `i` of a group name begun at `start`.
    char32_t fourHexDigits(qsizetype i, qsizetype start) const
    {
        char32_t c = 0;
        for (int k = 0; k < 4; ++k) {
            if (hexValue(at(i + k)) < 0)
                fail(RegexErrorCode::InvalidGroupName, start);
            c = c * 16 + char32_t(hexValue(at(i + k)));
        }
        return c;
    }

    // A group name starts at `i` and runs to '>'; *end is set past the '>'.
    QString parseGroupName(qsizetype i, qsizetype* end) const
    {
        const qsizetype start = i;
        QString name;
        while (at(i) != '>') {
            if (at(i) < 0)
                fail(RegexErrorCode::InvalidGroupName, start);
            char32_t c = char32_t(at(i));
            if (c == '\\') {
                if (at(i + 1) != 'u')
                    fail(RegexErrorCode::InvalidGroupName, start);
                i += 2;
                c = 0;
                if (at(i) == '{') {
                    ++i;
                    int digits = 0;
                    while (hexValue(at(i)) >= 0 && c <= 0x10FFFF) {
                        c = c * 16 + char32_t(hexValue(at(i++)));
                        ++digits;
                    }
                    if (digits == 0 || at(i) != '}' || c > 0x10FFFF)
                        fail(RegexErrorCode::InvalidGroupName, start);
                    ++i;
                } else {
                    c = fourHexDigits(i, start);
                    i += 4;
                    // An astral letter may be written as its two halves.
                    if (QChar::isHighSurrogate(c) && at(i) == '\\' && at(i + 1) == 'u') {
                        const char32_t low = fourHexDigits(i + 2, start);
                        if (QChar::isLowSurrogate(low)) {
                            c = QChar::surrogateToUcs4(char16_t(c), char16_t(low));
                            i += 6;
                        }
                    }
                }
            } else if (QChar::isHighSurrogate(c) && QChar::isLowSurrogate(char32_t(std::max(at(i + 1), 0)))) {
                c = QChar::surrogateToUcs4(char16_t(c), char16_t(at(i + 1)));
                i += 2;
            } else {
                ++i;
            }
            if (!(name.isEmpty() ? isIdStart(c) : isIdPart(c)))
                fail(RegexErrorCode::InvalidGroupName, start);
            if (QChar::requiresSurrogates(c)) {
                name += QChar(QChar::highSurrogate(c));
                name += QChar(QChar::lowSurrogate(c));
            } else {
                name += QChar(char16_t(c));
            }
        }
        if (name.isEmpty())
            fail(RegexErrorCode::InvalidGroupName, start);
        *end = i + 1;
        return name;
    }

    // --- Pattern structure. ----------------------------------------------

    // *eachFixed, when given, says whether every alternative has one length.
    Extent parseDisjunction(int depth, bool* eachFixed = nullptr)
    {
        if (depth > kMaxNesting)
            fail(RegexErrorCode::GroupsNestedTooDeeply, m_pos);
        if (depth > 0)
            m_guards.push_back(m_out.size());
        tellOpen(event(SyntaxKind::Alternative, m_pos));
        Extent extent = parseAlternative(depth);
        tellClose();
        bool fixed = extent.fixed();
        if (depth == 0 && at(m_pos) == '|') {
            m_result.doubledStart = false;
            m_result.lineStart = false;
            m_innerLiteral.abandon();
        }
        while (at(m_pos) == '|') {
            m_out += u'|';
            if (depth > 0)
                m_guards.push_back(m_out.size());
            ++m_pos;
            if (depth == 0)
                m_innerLiteral.nextAlternative();
            tellOpen(event(SyntaxKind::Alternative, m_pos));
            const Extent alternative = parseAlternative(depth);
            tellClose();
            fixed = fixed && alternative.fixed();
            extent = extent.orElse(alternative);
        }
        if (eachFixed)
            *eachFixed = fixed;
        return extent;
    }

    Extent parseAlternative(int depth)
    {
        // Only the pattern's first alternative can begin with its first group.
        const bool first = depth == 0 && m_pos == 0;
        Extent extent;
        int terms = 0;
        while (m_pos < m_src.size() && at(m_pos) != '|' && at(m_pos) != ')') {
            const qsizetype start = m_pos;
            const Extent term = parseTerm(depth);
            if (depth == 0)
                m_innerLiteral.addTerm(term, m_termLiteral, m_termUnits ? &*m_termUnits : nullptr);
            if (first && terms == 0) {
                m_result.doubledStart = !m_ignoreCase && capturesOneUnit(start, term);
                m_result.lineStart = m_multiline && at(start) == '^';
            }
            else if (first && terms == 1)
                m_result.doubledStart = m_result.doubledStart && refersToFirstGroup(start);
            extent = extent.then(term);
            ++terms;
        }
        if (first && terms < 2)
            m_result.doubledStart = false;
        return extent;
    }

    // A plain capturing group (the first one, being the first term) that
    // always takes exactly one unit.
    bool capturesOneUnit(qsizetype start, const Extent& term) const
    {
        return at(start) == '(' && at(start + 1) != '?' && term.fixed() && term.length == 1;
    }

    // \1, \1+ or \1+?, just read.
    bool refersToFirstGroup(qsizetype start) const
    {
        const QStringView term = QStringView(m_src).mid(start, m_pos - start);
        return term == u"\\1" || term == u"\\1+" || term == u"\\1+?";
    }

    void checkpoint() { m_result.checkpoints.push_back({m_out.size(), m_pos}); }

    Extent parseTerm(int depth)
    {
        checkpoint();
        const int c = at(m_pos);
        Extent atom = Extent::unit();
        AtomKind kind = AtomKind::Plain;
        const bool topLevel = depth == 0;
        const bool noteUnits = topLevel && m_innerLiteral.wantsUnits();
        m_lastLiteral = -1;
        if (topLevel) {
            m_termLiteral = -1;
            m_termUnits.reset();
        }
        // The atom is one unit that is never a line terminator.
        bool keepsToLine = false;
        switch (c) {
        case '^':
            ++m_pos;
            tellPiece(event(SyntaxKind::LineStart, m_pos - 1));
            m_out += m_multiline ? lineStartAtom() : QStringLiteral("^");
            rejectQuantifier();
            return {};
        case '$':
            ++m_pos;
            tellPiece(event(SyntaxKind::LineEnd, m_pos - 1));
            m_out += m_multiline ? lineEndAtom() : QStringLiteral("\\z");
            rejectQuantifier();
            return Extent::peek(1);
        case '\\':
            if (at(m_pos + 1) == 'b' || at(m_pos + 1) == 'B') {
                const bool negated = at(m_pos + 1) == 'B';
                m_pos += 2;
                tellPiece(event(negated ? SyntaxKind::NotWordBoundary : SyntaxKind::WordBoundary, m_pos - 2));
                if (m_explicitCase)
                    m_out += asciiBoundary(negated);
                else
                    m_out += negated ? QStringLiteral("\\B") : QStringLiteral("\\b");
                rejectQuantifier();
                return Extent::peek(1);
            }
            if (kClassEscapes.contains(QChar(at(m_pos + 1)))) {
                std::optional<CharSet> units = classEscape(at(m_pos + 1));
                keepsToLine = !units->holdsLineTerminator();
                if (noteUnits)
                    m_termUnits = std::move(units);
            }
            atom = parseAtomEscape(&kind);
            break;
        case '(': {
            bool complete = false;
            atom = parseGroup(depth, &complete);
            if (complete)
                return atom;
            kind = AtomKind::Group;
            break;
        }
        case '[': {
            CharSet units = parseClass();
            keepsToLine = !units.holdsLineTerminator();
            if (noteUnits)
                m_termUnits = std::move(units);
            break;
        }
        case '.':
            ++m_pos;
            tellPiece(event(SyntaxKind::AnyCharacter, m_pos - 1));
            m_out += dotAtom();
            keepsToLine = true;
            if (noteUnits)
                m_termUnits = CharSet::lineTerminators().inverted();
            break;
        case '*':
        case '+':
        case '?':
            fail(RegexErrorCode::NothingToRepeat, m_pos);
        case '{': {
            qint64 lo = 0, hi = 0;
            qsizetype end = 0;
            if (bracedQuantifierAt(m_pos, &lo, &hi, &end))
                fail(RegexErrorCode::NothingToRepeat, m_pos);
            ++m_pos;
            tellCharacter(m_pos - 1, u'{', CharacterReading::PlainPunctuation);
            emitLiteral(u'{');
            break;
        }
        default:
            ++m_pos;
            tellCharacter(m_pos - 1, char16_t(c),
                          c == '}' || c == ']' ? CharacterReading::PlainPunctuation : CharacterReading::AsWritten);
            emitLiteral(char16_t(c));
            break;
        }
        // A group's last literal is not the group.
        if (c != '(' && m_lastLiteral >= 0)
            keepsToLine = !CharSet::isLineTerminator(char16_t(m_lastLiteral));
        if (!topLevel || c == '(')
            return parseQuantifier(kind, atom, keepsToLine);
        const qsizetype atomEnd = m_pos;
        const Extent term = parseQuantifier(kind, atom, keepsToLine);
        if (m_pos == atomEnd)
            m_termLiteral = m_lastLiteral;
        else if (noteUnits && m_lastLiteral >= 0)
            m_termUnits = literalUnits(char16_t(m_lastLiteral), m_ignoreCase);
        return term;
    }

    // Sets *complete when the term needs no quantifier parsed after it (an
    // assertion, which has dealt with its own).
    Extent parseGroup(int depth, bool* complete)
    {
        const qsizetype start = m_pos;
        bool capturing = true;
        QString name;
        if (at(m_pos + 1) != '?') {
            m_pos += 1;
        } else {
            const int kind = at(m_pos + 2);
            if (kind == '=' || kind == '!') {
                m_pos += 3;
                tellOpen(event(kind == '=' ? SyntaxKind::Lookahead : SyntaxKind::NegativeLookahead, start));
                markLookaround(start);
                m_out += kind == '=' ? QStringLiteral("(?=") : QStringLiteral("(?!");
                m_open.push_back({start, false, m_groupsOpened});
                const Extent inner = closeGroup(depth, start);
                closeLookaround();
                tellClose();
                m_lookarounds.emplace_back(start, m_pos);
                *complete = true;
                return parseQuantifier(AtomKind::Lookahead, Extent::peek(inner.reach));
            }
            if (kind == '<' && (at(m_pos + 3) == '=' || at(m_pos + 3) == '!')) {
                markLookaround(start);
                const Extent inner = parseLookbehind(depth, start);
                m_lookarounds.emplace_back(start, m_pos);
                if (quantifierAt(m_pos))
                    fail(RegexErrorCode::InvalidQuantifier, m_pos);
                *complete = true;
                return Extent::peek(inner.reach);
            }
            if (kind == ':') {
                m_pos += 3;
                capturing = false;
            } else if (kind == '<') {
                qsizetype end = 0;
                name = parseGroupName(m_pos + 3, &end);
                m_pos = end;
            } else {
                fail(RegexErrorCode::InvalidGroup, m_pos);
            }
        }
        const auto check = m_plan.loopChecks.constFind(start);
        if (check != m_plan.loopChecks.cend() && !m_calloutBody) {
            *complete = true;
            switch (*check) {
            case LoopCheck::EveryIteration: return parseCheckedGroup(depth, start, capturing);
            case LoopCheck::FirstUnchecked: return parseBranchedGroup(depth, start, capturing);
            case LoopCheck::BeyondMinimum: return parseUnrolledGroup(depth, start);
            case LoopCheck::FirstUncheckedAfter: return parseSplitGroup(depth, start, capturing);
            case LoopCheck::Counted: return parseCountedGroup(depth, start, capturing);
            }
        }
        const int groupsBefore = m_groupsOpened;
        const int number = openGroup(capturing);
        SyntaxEvent group = event(!capturing       ? SyntaxKind::NonCapturingGroup
                                  : name.isEmpty() ? SyntaxKind::CapturingGroup
                                                   : SyntaxKind::NamedGroup,
                                  start);
        group.number = number;
        group.name = name;
        tellOpen(group);
        Extent inner;
        if (m_plan.clearing.contains(start) || isCleared(number)) {
            emitIterationStart(start);
            m_out += QStringLiteral("(?:");
            inner = closeGroup(depth, start);
            emitCaptured(number);
            m_out += u')';
        } else {
            inner = closeGroup(depth, start);
        }
        tellClose();
        if (number)
            m_groupExtents.insert(number, inner);
        if (m_calloutBody)
            return inner;
        if (const std::optional<LoopCheck> needed = loopCheckFor(inner, m_groupsOpened > groupsBefore))
            m_loopsToCheck.insert(start, *needed);
        noteClearing(start, groupsBefore, number);
        return inner;
    }

    // m_pos is on the look-behind's parenthesis; reads it up to and with its
    // ')'. One whose alternatives each have a fixed length is PCRE2's own;
    // any other is read again as a body of its own, checked by a callout.
    Extent parseLookbehind(int depth, qsizetype start)
    {
        const bool negative = at(m_pos + 3) == '!';
        const Rewind before = rewindPoint();
        const int varyingBefore = m_varyingRepeats;
        m_out += negative ? QStringLiteral("(?<!") : QStringLiteral("(?<=");
        m_pos += 4;
        const qsizetype bodyStart = m_pos;
        m_open.push_back({start, true, m_groupsOpened});
        tellOpen(event(negative ? SyntaxKind::NegativeLookbehind : SyntaxKind::Lookbehind, start));
        bool eachFixed = true;
        Extent inner = closeGroup(depth, start, &eachFixed);
        closeLookaround();
        tellClose();
        // What follows reads the body again, to write it another way.
        const auto silence = std::exchange(m_sink, nullptr);
        const auto restoreSink = qScopeGuard([&] { m_sink = silence; });
        // PCRE2 takes any repeat of a varying count for a varying length,
        // even of something that consumes nothing.
        if (eachFixed && m_varyingRepeats == varyingBefore)
            return Extent::peek(inner.reach);
        if (m_calloutBody)
            fail(RegexErrorCode::VaryingLookbehindInLookbehind, start);
        if (m_groupsOpened > before.groups)
            return parseCapturingLookbehind(depth, start, bodyStart, inner, negative, before);
        // What the first reading noted about repeats inside concerns the
        // body alone now; it is matched without PCRE2's group bookkeeping.
        const qsizetype end = m_pos;
        const auto inside = [&](qsizetype at) { return at > start && at < end; };
        m_loopsToCheck.removeIf([&](const auto& it) { return inside(it.key()); });
        m_clearing.removeIf([&](const auto& it) { return inside(it.key()); });
        rewindTo(before);
        QString outer = std::exchange(m_out, QString());
        m_pos = bodyStart;
        m_calloutBody = true;
        inner = closeGroup(depth, start);
        m_calloutBody = false;
        m_out.chop(1);
        Translation::Lookbehind lookbehind{std::exchange(m_out, std::move(outer)), negative, inner.least,
                                           inner.bounded() ? inner.length : kUnbounded};
        // The body's guards and checkpoints were counted in a text of its own.
        m_guards.resize(before.guards);
        m_result.checkpoints.resize(before.checkpoints);
        m_out += QStringLiteral("(?C{b%1})").arg(m_result.lookbehinds.size());
        m_result.lookbehinds.push_back(std::move(lookbehind));
        return Extent::peek(inner.reach);
    }

    // What was written and counted before a piece of pattern, to go back to.
    struct Rewind {
        qsizetype out;
        size_t guards;
        size_t checkpoints;
        int groups;
        int pcreGroups;
        size_t numbers;
    };

    Rewind rewindPoint() const
    {
        return {m_out.size(), m_guards.size(), m_result.checkpoints.size(), m_groupsOpened, m_pcreGroups,
                m_result.groupNumbers.size()};
    }

    void rewindTo(const Rewind& r)
    {
        m_out.truncate(r.out);
        m_guards.resize(r.guards);
        m_result.checkpoints.resize(r.checkpoints);
        m_groupsOpened = r.groups;
        m_pcreGroups = r.pcreGroups;
        m_result.groupNumbers.resize(r.numbers);
    }

    // A look-behind of varying length whose groups must show in the match:
    // for each length it can have, longest first, a fixed-length look-behind
    // goes back that far and a look-ahead there runs the body, which a
    // callout lets end only where the look-behind began. A branch reset gives
    // the groups the same numbers in every copy.
    Extent parseCapturingLookbehind(int depth, qsizetype start, qsizetype bodyStart, const Extent& inner,
                                    bool negative, const Rewind& before)
    {
        if (!inner.bounded() || inner.length - inner.least >= kMaxLookbehindLengths)
            fail(RegexErrorCode::GroupInUnboundedLookbehind, start);
        rewindTo(before);
        const int slot = m_result.positionSlots++;
        m_out += QStringLiteral("(?C{a%1})").arg(slot);
        m_out += negative ? QStringLiteral("(?!(?|") : QStringLiteral("(?>(?|");
        const Rewind branch = rewindPoint();
        for (qint64 length = inner.length; length >= inner.least; --length) {
            m_groupsOpened = branch.groups;
            m_pcreGroups = branch.pcreGroups;
            m_result.groupNumbers.resize(branch.numbers);
            if (length < inner.length)
                m_out += u'|';
            m_out += QStringLiteral("(?<=(?=");
            m_pos = bodyStart;
            m_open.push_back({start, true, branch.groups});
            closeGroup(depth, start);
            closeLookaround();
            m_out.chop(1);
            m_out += QStringLiteral("(?C{z%1}))[\\s\\S]{%2})").arg(slot).arg(length);
            refuseIfTooLong(start);
        }
        m_out += QStringLiteral("))");
        return Extent::peek(inner.reach);
    }

    // JavaScript clears the groups inside a repeated group, and the group
    // itself, at each iteration. Only what can show is recorded: groups
    // inside, and the group itself when a back-reference inside names it.
    void noteClearing(qsizetype start, int groupsBefore, int number)
    {
        const std::optional<Quantifier> q = peekQuantifier();
        if (!q || (q->most != kUnbounded && q->most < 2))
            return;
        bool selfReferenced = false;
        if (number) {
            const std::vector<qsizetype>& references = m_references[size_t(number)];
            const auto next = std::upper_bound(references.begin(), references.end(), start);
            selfReferenced = next != references.end() && *next < m_pos;
        }
        if (m_groupsOpened > groupsBefore + (number ? 1 : 0) || selfReferenced)
            m_clearing.insert(start, {groupsBefore + 1, m_groupsOpened});
    }

    bool isCleared(int group) const
    {
        return group > 0 && size_t(group) < m_plan.cleared.size() && m_plan.cleared[size_t(group)];
    }

    // A pair of callouts that matches the empty text: the first applies the
    // action as matching goes forward, the second undoes it and fails when
    // matching backtracks into the pair.
    void emitAction(const Translation::Action& action)
    {
        const int id = int(m_result.actions.size());
        m_result.actions.push_back(action);
        m_out += QStringLiteral("(?:(?C{d%1})|(?C{u%1}))").arg(id);
    }

    // A look-around holding cleared groups is marked, so that backtracking
    // through it drops what it set, which its own pairs could not undo:
    // PCRE2 forgets the inside of an assertion once it is decided.
    void markLookaround(qsizetype start)
    {
        if (m_plan.marked.contains(start))
            emitAction({});
    }

    // At the start of an iteration of the group at `start`: counts it on
    // `counter` (unless -1) and clears the groups it clears.
    void emitIterationStart(qsizetype start, int counter = -1)
    {
        const auto it = m_plan.clearing.constFind(start);
        if (it == m_plan.clearing.cend() && counter < 0)
            return;
        Translation::Action action{Translation::Action::Kind::Iterate, counter, 1, 0};
        if (it != m_plan.clearing.cend())
            std::tie(action.first, action.last) = *it;
        emitAction(action);
    }

    // At the end of group `number` (0 for none): it is set.
    void emitCaptured(int number)
    {
        if (isCleared(number))
            emitAction({Translation::Action::Kind::Capture, -1, number, number});
    }

    // Whether the quantifier at m_pos, if any, needs a group with this body
    // checked for empty iterations, and how.
    std::optional<LoopCheck> loopCheckFor(const Extent& body, bool hasCaptures) const
    {
        const std::optional<Quantifier> q = peekQuantifier();
        if (!q || !body.canBeEmpty || q->most == 0 || q->most == q->least)
            return std::nullopt;
        if (q->least == 0)
            return LoopCheck::EveryIteration;
        if (!hasCaptures)
            return LoopCheck::BeyondMinimum;
        if (q->least == 1 && q->most == kUnbounded && !q->lazy)
            return LoopCheck::FirstUnchecked;
        if (q->most == kUnbounded && !q->lazy)
            return LoopCheck::FirstUncheckedAfter;
        return LoopCheck::Counted;
    }

    // Emits a group's opening parenthesis; returns its number, or 0 for a
    // group that does not capture.
    int openGroup(bool capturing)
    {
        if (!capturing) {
            m_out += QStringLiteral("(?:");
            return 0;
        }
        const int number = ++m_groupsOpened;
        m_groupStarts[size_t(number)] = m_pos;
        if (m_hiddenCopies > 0) {
            m_hiddenNumbers.insert(number, ++m_pcreGroups);
            m_out += u'(';
            return number;
        }
        ++m_pcreGroups;
        if (m_checking) {
            m_result.groupNumbers.push_back(m_pcreGroups);
            m_out += QStringLiteral("(?<p%1>").arg(number);
        } else {
            m_out += u'(';
        }
        return number;
    }

    // The group's body, up to and with its ')', as one iteration that fails
    // when it ends where it began; with a counter, only when the iteration
    // is beyond the minimum of the quantifier that follows.
    Extent emitCheckedIteration(int depth, qsizetype start, int counter = -1)
    {
        const int startCapture = ++m_pcreGroups;
        m_out += QStringLiteral("()(?:");
        const Extent inner = closeGroup(depth, start);
        if (counter < 0)
            m_out += QStringLiteral("(?C{%1})").arg(startCapture);
        else
            m_out += QStringLiteral("(?C{n%1,%2,%3})").arg(startCapture).arg(counter).arg(peekQuantifier()->least);
        return inner;
    }

    // A group with captures whose minimum is above zero, other than a greedy
    // (X)+, counts its iterations from where it is entered, so that only
    // those beyond the minimum are checked; it is written once.
    Extent parseCountedGroup(int depth, qsizetype start, bool capturing)
    {
        const int counter = m_result.slotCount++;
        emitAction({Translation::Action::Kind::Enter, counter});
        const int number = openGroup(capturing);
        emitIterationStart(start, counter);
        const Extent inner = emitCheckedIteration(depth, start, counter);
        emitCaptured(number);
        m_out += u')';
        if (number)
            m_groupExtents.insert(number, inner);
        return parseQuantifier(AtomKind::Group, inner);
    }

    Extent parseCheckedGroup(int depth, qsizetype start, bool capturing)
    {
        const int number = openGroup(capturing);
        emitIterationStart(start);
        const Extent inner = emitCheckedIteration(depth, start);
        emitCaptured(number);
        m_out += u')';
        if (number)
            m_groupExtents.insert(number, inner);
        return parseQuantifier(AtomKind::Group, inner);
    }


    // (?:X){n,m} as (?:X){n}(?:X checked){0,m-n}; X holds no captures, so
    // writing it twice leaves the group numbers alone.
    Extent parseUnrolledGroup(int depth, qsizetype start)
    {
        const qsizetype bodyStart = m_pos;
        m_out += QStringLiteral("(?:");
        const Extent inner = closeGroup(depth, start);
        const Quantifier q = readQuantifier(AtomKind::Group).value();
        const qsizetype afterQuantifier = m_pos;
        emitRepeat({q.least, q.least, false});
        m_pos = bodyStart;
        m_out += QStringLiteral("(?:");
        emitCheckedIteration(depth, start);
        m_out += u')';
        refuseIfTooLong(start);
        m_pos = afterQuantifier;
        emitRepeat({0, q.most == kUnbounded ? kUnbounded : q.most - q.least, q.lazy});
        m_guards.push_back(m_out.size());
        return inner.repeated(q.least, q.most);
    }

    // A greedy (X)+ whose first iteration may be empty: JavaScript then goes
    // on with checked iterations, so it first tries every way to start with
    // a checked one, and only then an empty X alone. A branch reset gives X
    // the same group numbers in both ways; the second starts with an unused
    // capture so that its numbers line up with the first's hidden one.
    Extent parseBranchedGroup(int depth, qsizetype start, bool capturing)
    {
        const qsizetype bodyStart = m_pos;
        const int groupsBefore = m_groupsOpened;
        const int pcreGroupsBefore = m_pcreGroups;
        const size_t numbersBefore = m_result.groupNumbers.size();
        m_out += QStringLiteral("(?|(?:");
        const int number = openGroup(capturing);
        emitIterationStart(start);
        const Extent inner = emitCheckedIteration(depth, start);
        emitCaptured(number);
        m_out += QStringLiteral("))+");
        ++m_varyingRepeats;
        readQuantifier(AtomKind::Group);
        const qsizetype afterQuantifier = m_pos;
        m_out += u'|';
        m_pos = bodyStart;
        m_groupsOpened = groupsBefore;
        m_pcreGroups = pcreGroupsBefore;
        m_result.groupNumbers.resize(numbersBefore);
        openGroup(capturing);
        emitIterationStart(start);
        ++m_pcreGroups;
        m_out += QStringLiteral("()(?:");
        closeGroup(depth, start);
        emitCaptured(number);
        m_out += QStringLiteral("))");
        refuseIfTooLong(start);
        m_pos = afterQuantifier;
        m_guards.push_back(m_out.size());
        if (number)
            m_groupExtents.insert(number, inner);
        return inner.repeated(1, kUnbounded);
    }

    // (X){n,} as (?:(X)){n-1} then (X)+ as parseBranchedGroup writes it. The
    // first part's captures are hidden: a back-reference inside it names its
    // own, all others the second part's.
    Extent parseSplitGroup(int depth, qsizetype start, bool capturing)
    {
        const qsizetype bodyStart = m_pos;
        const int groupsBefore = m_groupsOpened;
        const QHash<int, int> outerHidden = m_hiddenNumbers;
        ++m_hiddenCopies;
        m_out += QStringLiteral("(?:");
        const int number = openGroup(capturing);
        emitIterationStart(start);
        m_out += QStringLiteral("(?:");
        closeGroup(depth, start);
        emitCaptured(number);
        m_out += QStringLiteral("))");
        --m_hiddenCopies;
        m_hiddenNumbers = outerHidden;
        m_out += QStringLiteral("{%1}").arg(peekQuantifier()->least - 1);
        m_pos = bodyStart;
        m_groupsOpened = groupsBefore;
        return parseBranchedGroup(depth, start, capturing);
    }

    void refuseIfTooLong(qsizetype start) const
    {
        if (m_out.size() > kMaxWrittenTwice)
            fail(RegexErrorCode::ExpressionTooLarge, start);
    }

    Extent closeGroup(int depth, qsizetype start, bool* eachFixed = nullptr)
    {
        const Extent inner = parseDisjunction(depth + 1, eachFixed);
        if (at(m_pos) != ')')
            fail(RegexErrorCode::UnterminatedGroup, start);
        ++m_pos;
        m_out += u')';
        return inner;
    }

    void rejectQuantifier()
    {
        if (quantifierAt(m_pos))
            fail(RegexErrorCode::NothingToRepeat, m_pos);
    }

    bool quantifierAt(qsizetype i) const
    {
        const int c = at(i);
        if (c == '*' || c == '+' || c == '?')
            return true;
        qint64 lo = 0, hi = 0;
        qsizetype end = 0;
        return c == '{' && bracedQuantifierAt(i, &lo, &hi, &end);
    }

    // {n}, {n,} or {n,m}; anything else is literal text.
    bool bracedQuantifierAt(qsizetype i, qint64* lo, qint64* hi, qsizetype* end) const
    {
        if (at(i) != '{' || !isDecimal(at(i + 1)))
            return false;
        ++i;
        *lo = decimalAt(i);
        *hi = *lo;
        if (at(i) == ',') {
            ++i;
            *hi = isDecimal(at(i)) ? decimalAt(i) : kUnbounded;
        }
        if (at(i) != '}')
            return false;
        *end = i + 1;
        return true;
    }

    std::optional<Quantifier> peekQuantifier() const
    {
        qint64 lo = 0, hi = 0;
        qsizetype end = 0;
        switch (at(m_pos)) {
        case '*': return Quantifier{0, kUnbounded, at(m_pos + 1) == '?'};
        case '+': return Quantifier{1, kUnbounded, at(m_pos + 1) == '?'};
        case '?': return Quantifier{0, 1, at(m_pos + 1) == '?'};
        case '{':
            if (bracedQuantifierAt(m_pos, &lo, &hi, &end))
                return Quantifier{lo, hi > kMaxRepeat ? kUnbounded : hi, at(end) == '?'};
            return std::nullopt;
        default: return std::nullopt;
        }
    }

    // Reads the quantifier at m_pos, if any, rejecting what JavaScript or
    // PCRE2 cannot take.
    std::optional<Quantifier> readQuantifier(AtomKind kind)
    {
        const qsizetype quantStart = m_pos;
        qint64 lo = 0, hi = 0;
        switch (at(m_pos)) {
        case '*':
            lo = 0, hi = kUnbounded, ++m_pos;
            break;
        case '+':
            lo = 1, hi = kUnbounded, ++m_pos;
            break;
        case '?':
            lo = 0, hi = 1, ++m_pos;
            break;
        case '{': {
            qsizetype end = 0;
            if (!bracedQuantifierAt(m_pos, &lo, &hi, &end))
                return std::nullopt;
            m_pos = end;
            break;
        }
        default:
            return std::nullopt;
        }
        const bool lazy = at(m_pos) == '?';
        if (lazy)
            ++m_pos;
        if (hi != kUnbounded && lo > hi)
            fail(RegexErrorCode::QuantifierOutOfOrder, quantStart);
        if (kind != AtomKind::Lookahead && lo > kMaxRepeat)
            fail(RegexErrorCode::RepeatCountTooLarge, quantStart);
        if (m_sink) {
            SyntaxEvent quantifier = event(SyntaxKind::Quantifier, quantStart);
            quantifier.least = lo;
            quantifier.most = hi;
            quantifier.lazy = lazy;
            m_sink->quantify(quantifier);
        }
        return Quantifier{lo, hi > kMaxRepeat ? kUnbounded : hi, lazy};
    }

    // `keepsToLine`: the atom is one unit that is never a line terminator.
    Extent parseQuantifier(AtomKind kind, const Extent& atom, bool keepsToLine = false)
    {
        const std::optional<Quantifier> q = readQuantifier(kind);
        if (!q)
            return atom;
        const qint64 lo = q->least;
        if (kind == AtomKind::Lookahead) {
            // A repeated look-ahead either runs once or, when it may run
            // zero times, never holds on to anything (its empty iteration
            // is rejected), so it is kept only for its group numbering:
            // PCRE2 never obeys an assertion repeated {0} times.
            if (lo == 0) {
                m_out += QStringLiteral("{0}");
                return {};
            }
            return atom;
        }
        // PCRE2 10.42's JIT never matches a back-reference repeated at least
        // once when its group is unset, though it stands for empty text.
        if (kind == AtomKind::Backreference && lo >= 1)
            m_repeatedBackreference = true;
        // PCRE2 refuses to look behind over a group whose alternatives
        // differ in length even when it is repeated {0} times.
        if (q->most == 0 && !atom.fixed())
            ++m_varyingRepeats;
        // Before a line's end such a repeat cannot give a unit back and still
        // match, as the unit would then follow it: made possessive, it is not
        // asked to, which takes the backtracking out of \w+$ at every start.
        emitRepeat(*q, m_shortcuts && keepsToLine && m_multiline && !q->lazy && at(m_pos) == '$');
        // A repeat may scan far each time it is entered or gives a unit back.
        m_guards.push_back(m_out.size());
        return atom.repeated(q->least, q->most);
    }

    void emitRepeat(const Quantifier& q, bool possessive = false)
    {
        const qint64 lo = q.least, hi = q.most;
        if (lo != hi)
            ++m_varyingRepeats;
        // PCRE2 10.42 derives where a match may start from a group repeated
        // {0} times as if a look-ahead in its later alternative had to hold.
        if (hi == 0 && m_out.endsWith(u')'))
            m_zeroRepeatedGroup = true;
        if (lo == 0 && hi == kUnbounded)
            m_out += u'*';
        else if (lo == 1 && hi == kUnbounded)
            m_out += u'+';
        else if (lo == 0 && hi == 1)
            m_out += u'?';
        else if (lo == hi)
            m_out += QStringLiteral("{%1}").arg(lo);
        else if (hi == kUnbounded)
            m_out += QStringLiteral("{%1,}").arg(lo);
        else
            m_out += QStringLiteral("{%1,%2}").arg(lo).arg(hi);
        if (q.lazy)
            m_out += u'?';
        else if (possessive)
            m_out += u'+';
    }

    // The translation with a callout at each guard; built from the one pass,
    // as translating twice would double the cost of a long pattern.
    QString withGuards() const
    {
        const QStringView callout = u"(?C)";
        QString guarded;
        guarded.reserve(m_out.size() + qsizetype(m_guards.size()) * callout.size());
        qsizetype copied = 0;
        for (qsizetype at : m_guards) {
            guarded += QStringView(m_out).mid(copied, at - copied);
            guarded += callout;
            copied = at;
        }
        guarded += QStringView(m_out).mid(copied);
        return guarded;
    }

    // --- Atoms. ----------------------------------------------------------

    void emitLiteral(char16_t unit)
    {
        m_lastLiteral = unit;
        if (m_ignoreCase) {
            const auto variants = caseVariants(unit);
            if (variants.size() > 1) {
                if (unit < 128 && !m_explicitCase) {
                    m_out += QChar(unit); // an ASCII letter; PCRE2 folds those
                } else {
                    CharSet set;
                    for (char16_t v : variants)
                        set.add(v);
                    m_out += set.toPcre();
                }
                return;
            }
        }
        if (unit < 128) {
            if (isAsciiLetter(unit) || isDecimal(unit))
                m_out += QChar(unit);
            else
                m_out += QStringLiteral("\\x{%1}").arg(uint(unit), 0, 16);
        } else {
            m_out += QChar(unit);
        }
    }

    // JavaScript reads a look-behind from right to left: a back-reference
    // there sees the groups of the same look-behind on its right, and those
    // on its left (or around it) not yet, so it matches the empty text.
    // Returns whether the reference is such an empty one; one to a group on
    // its right is noted, to be refused once the look-behind is read.
    bool emptyInLookbehind(int group)
    {
        if (group > m_groupsOpened && !m_open.empty())
            m_laterReferences.emplace_back(group, m_open.size() - 1);
        for (auto it = m_open.rbegin(); it != m_open.rend(); ++it) {
            if (group <= it->groupsBefore)
                continue; // opened before this look-around: outside it
            if (!it->behind)
                return false;
            return group <= m_groupsOpened;
        }
        return false;
    }

    // The innermost look-around ends. A back-reference inside it to a group
    // opened later in it is refused in a look-behind, where JavaScript would
    // see the group's value and PCRE2 would not; one to a group further on
    // is settled by the look-around around this one.
    void closeLookaround()
    {
        const OpenLookaround closing = m_open.back();
        m_open.pop_back();
        for (auto it = m_laterReferences.begin(); it != m_laterReferences.end();) {
            if (it->second != m_open.size()) {
                ++it;
            } else if (it->first > m_groupsOpened && !m_open.empty()) {
                --it->second;
                ++it;
            } else if (it->first > m_groupsOpened) {
                it = m_laterReferences.erase(it);
            } else if (closing.behind) {
                fail(RegexErrorCode::ReferenceRightwardInLookbehind, closing.start);
            } else {
                it = m_laterReferences.erase(it);
            }
        }
    }

    Extent emitBackreference(int group)
    {
        if (emptyInLookbehind(group)) {
            m_out += QStringLiteral("(?:)");
            return {};
        }
        if (m_calloutBody)
            fail(RegexErrorCode::ReferenceOutOfVaryingLookbehind,
                 m_pos);
        const auto hidden = m_hiddenNumbers.constFind(group);
        const QString reference = hidden != m_hiddenNumbers.cend() ? QStringLiteral("\\g{%1}").arg(*hidden)
                                  : m_checking                     ? QStringLiteral("\\k<p%1>").arg(group)
                                                                   : QStringLiteral("\\g{%1}").arg(group);
        const QString caseless = m_explicitCase ? QStringLiteral("(?i:%1)").arg(reference) : reference;
        // A cleared group stands for the empty text.
        if (isCleared(group))
            m_out += QStringLiteral("(?:(?C{s%1})%2|(?C{c%1}))").arg(group).arg(caseless);
        else
            m_out += caseless;
        // A group not closed yet matches nothing here, or its last value.
        const auto it = m_groupExtents.constFind(group);
        if (it == m_groupExtents.cend() || !it->bounded())
            return Extent::unbounded();
        return {it->length, it->length};
    }

    // m_pos is on a backslash outside a class. Sets *kind for a back-reference.
    Extent parseAtomEscape(AtomKind* kind)
    {
        const qsizetype start = m_pos;
        const int e = at(m_pos + 1);
        if (e < 0)
            fail(RegexErrorCode::BackslashAtEnd, start);
        if (kClassEscapes.contains(QChar(e))) {
            m_pos += 2;
            tellClassEscape(start, e);
            m_out += classEscapeAtom(e);
            return Extent::unit();
        }
        if (e >= '1' && e <= '9') {
            qsizetype i = m_pos + 1;
            const qint64 n = decimalAt(i);
            if (n <= m_result.groupCount) {
                m_pos = i;
                *kind = AtomKind::Backreference;
                SyntaxEvent reference = event(SyntaxKind::Backreference, start);
                reference.number = int(n);
                tellPiece(reference);
                return emitBackreference(int(n));
            }
        }
        if (e == 'k' && m_hasNamedGroups) {
            if (at(m_pos + 2) != '<')
                fail(RegexErrorCode::InvalidNamedReference, start);
            qsizetype end = 0;
            const QString name = parseGroupName(m_pos + 3, &end);
            const auto it = m_result.groupNames.constFind(name);
            if (it == m_result.groupNames.cend())
                fail(RegexErrorCode::UnknownGroupName, start);
            m_pos = end;
            *kind = AtomKind::Backreference;
            SyntaxEvent reference = event(SyntaxKind::NamedBackreference, start);
            reference.number = it.value();
            reference.name = name;
            tellPiece(reference);
            return emitBackreference(it.value());
        }
        if (e == 'c' && !isAsciiLetter(at(m_pos + 2))) {
            // A \c without a control letter is a plain backslash; the c
            // that follows is read as itself.
            ++m_pos;
            tellCharacter(start, u'\\', CharacterReading::BackslashOfLoneC);
            emitLiteral(u'\\');
            return Extent::unit();
        }
        CharacterReading reading = CharacterReading::IdentityEscape;
        const char16_t unit = parseCharacterEscape(&reading);
        if (e == 'k')
            reading = CharacterReading::KWithoutNames;
        tellCharacter(start, unit, reading);
        emitLiteral(unit);
        return Extent::unit();
    }

    // m_pos is on a backslash; reads an escape that stands for one unit.
    // *reading is left alone for an escape standing for its own character.
    char16_t parseCharacterEscape(CharacterReading* reading)
    {
        using enum CharacterReading;
        const int e = at(m_pos + 1);
        m_pos += 2;
        switch (e) {
        case 'f': *reading = ControlEscape; return 0x0C;
        case 'n': *reading = ControlEscape; return 0x0A;
        case 'r': *reading = ControlEscape; return 0x0D;
        case 't': *reading = ControlEscape; return 0x09;
        case 'v': *reading = ControlEscape; return 0x0B;
        case 'c': {
            *reading = ControlLetter;
            const int letter = at(m_pos++);
            return char16_t(letter % 32);
        }
        case 'x':
            if (hexValue(at(m_pos)) >= 0 && hexValue(at(m_pos + 1)) >= 0) {
                const int v = hexValue(at(m_pos)) * 16 + hexValue(at(m_pos + 1));
                m_pos += 2;
                *reading = HexEscape;
                return char16_t(v);
            }
            *reading = LoneX;
            return u'x';
        case 'u':
            if (hexValue(at(m_pos)) >= 0 && hexValue(at(m_pos + 1)) >= 0 && hexValue(at(m_pos + 2)) >= 0
                && hexValue(at(m_pos + 3)) >= 0) {
                int v = 0;
                for (int k = 0; k < 4; ++k)
                    v = v * 16 + hexValue(at(m_pos++));
                *reading = UnicodeEscape;
                return char16_t(v);
            }
            *reading = LoneU;
            return u'u';
        case 'o':
            // \oNNN: octal, up to three digits and below 256.
            if (isOctal(at(m_pos))) {
                int v = 0;
                for (int k = 0; k < 3 && isOctal(at(m_pos)) && v * 8 + (at(m_pos) - '0') <= 0xFF; ++k)
                    v = v * 8 + (at(m_pos++) - '0');
                *reading = OctalEscape;
                return char16_t(v);
            }
            *reading = LoneO;
            return u'o';
        case '0':
            if (!isDecimal(at(m_pos))) {
                *reading = Nul;
                return 0;
            }
            --m_pos;
            *reading = LegacyOctal;
            return legacyOctal();
        case '8':
        case '9':
            *reading = EightOrNine;
            return char16_t(e);
        default:
            if (e >= '1' && e <= '7') {
                --m_pos;
                *reading = LegacyOctal;
                return legacyOctal();
            }
            return char16_t(e);
        }
    }

    void tellClassEscape(qsizetype start, int letter)
    {
        SyntaxEvent e = event(SyntaxKind::ClassEscape, start);
        e.unit = char16_t(letter);
        tellPiece(e);
    }

    // Up to three octal digits at m_pos, never above 0377.
    char16_t legacyOctal()
    {
        const int first = at(m_pos++) - '0';
        int v = first;
        const int more = first <= 3 ? 2 : 1;
        for (int k = 0; k < more && isOctal(at(m_pos)); ++k)
            v = v * 8 + (at(m_pos++) - '0');
        return char16_t(v);
    }

    // --- Character classes. ----------------------------------------------

    // Returns the units the class matches.
    CharSet parseClass()
    {
        const qsizetype start = m_pos;
        ++m_pos;
        const bool negated = at(m_pos) == '^';
        if (negated)
            ++m_pos;
        SyntaxEvent opened = event(SyntaxKind::Class, start);
        opened.negated = negated;
        tellOpen(opened);
        CharSet set;
        for (;;) {
            if (m_pos >= m_src.size())
                fail(RegexErrorCode::UnterminatedClass, start);
            if (at(m_pos) == ']') {
                ++m_pos;
                tellClose();
                break;
            }
            const qsizetype atomPos = m_pos;
            ClassAtom first = parseClassAtom();
            if (at(m_pos) == '-' && at(m_pos + 1) >= 0 && at(m_pos + 1) != ']') {
                const qsizetype hyphen = m_pos;
                ++m_pos;
                ClassAtom last = parseClassAtom();
                if (first.set || last.set) {
                    if (m_sink) {
                        tellClassAtom(atomPos, hyphen, first);
                        SyntaxEvent dash = event(SyntaxKind::Character, hyphen);
                        dash.end = hyphen + 1;
                        dash.unit = u'-';
                        dash.reading = CharacterReading::PlainPunctuation;
                        tellPiece(dash);
                        tellClassAtom(hyphen + 1, m_pos, last);
                    }
                    // A range with a class escape at either end is a union.
                    addAtom(set, first);
                    set.add(u'-');
                    addAtom(set, last);
                } else if (first.unit > last.unit) {
                    fail(RegexErrorCode::ClassRangeOutOfOrder, atomPos);
                } else {
                    SyntaxEvent range = event(SyntaxKind::ClassRange, atomPos);
                    range.unit = first.unit;
                    range.last = last.unit;
                    tellPiece(range);
                    set.addRange(first.unit, last.unit);
                }
            } else {
                if (m_sink)
                    tellClassAtom(atomPos, m_pos, first);
                addAtom(set, first);
            }
        }
        if (m_ignoreCase)
            set = set.caseClosed();
        CharSet units = negated ? set.inverted() : set;
        m_out += units.toPcre();
        return units;
    }

    void tellClassAtom(qsizetype start, qsizetype end, const ClassAtom& atom)
    {
        SyntaxEvent e = event(atom.set ? SyntaxKind::ClassEscape : SyntaxKind::Character, start);
        e.end = end;
        e.unit = atom.set ? m_src.at(start + 1).unicode() : atom.unit;
        e.reading = atom.reading;
        tellPiece(e);
    }

    static void addAtom(CharSet& set, const ClassAtom& atom)
    {
        if (atom.set)
            set.add(*atom.set);
        else
            set.add(atom.unit);
    }

    ClassAtom parseClassAtom()
    {
        ClassAtom atom;
        const int c = at(m_pos);
        if (c != '\\') {
            ++m_pos;
            atom.unit = char16_t(c);
            if (c == '[' || c == '-')
                atom.reading = CharacterReading::PlainPunctuation;
            return atom;
        }
        const int e = at(m_pos + 1);
        if (e < 0)
            fail(RegexErrorCode::BackslashAtEnd, m_pos);
        if ((atom.set = classEscape(e))) {
            m_pos += 2;
            return atom;
        }
        switch (e) {
        case 'b':
            m_pos += 2;
            atom.unit = 0x08;
            atom.reading = CharacterReading::Backspace;
            return atom;
        case 'c': {
            const int next = at(m_pos + 2);
            if (isAsciiLetter(next) || isDecimal(next) || next == '_') {
                m_pos += 3;
                atom.unit = char16_t(next % 32);
                atom.reading = CharacterReading::ControlLetter;
            } else {
                ++m_pos;
                atom.unit = u'\\';
                atom.reading = CharacterReading::BackslashOfLoneC;
            }
            return atom;
        }
        case 'k':
            if (m_hasNamedGroups)
                fail(RegexErrorCode::InvalidEscape, m_pos);
            atom.reading = CharacterReading::KWithoutNames;
            break;
        default:
            atom.reading = CharacterReading::IdentityEscape;
            break;
        }
        atom.unit = parseCharacterEscape(&atom.reading);
        return atom;
    }
};

} // namespace

qsizetype Translation::sourceOffset(qsizetype translatedOffset) const
{
    qsizetype source = 0;
    for (const Checkpoint& c : checkpoints) {
        if (c.translated > translatedOffset)
            break;
        source = c.source;
    }
    return source;
}

Translation translatePattern(const QString& source, bool ignoreCase, bool multiline, SyntaxSink* sink,
                             RepeatShortcuts shortcuts)
{
    if (source.size() > kMaxPatternLength)
        throw RegexError(RegexErrorCode::ExpressionTooLong, kMaxPatternLength, {source.size(), kMaxPatternLength});
    Translator plain(source, ignoreCase, multiline);
    plain.tell(sink);
    plain.allow(shortcuts);
    Translation t = plain.run();
    Plan plan = plain.plan();
    if (!plan.needed())
        return t;
    Translator checking(source, ignoreCase, multiline, std::move(plan));
    checking.allow(shortcuts);
    return checking.run();
}

} // namespace pattaro
