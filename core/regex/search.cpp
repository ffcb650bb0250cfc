#include "core/regex/search.h"

#include "core/regex/regexp.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <time.h>

#include <algorithm>
#include <emmintrin.h>

namespace pattaro {
namespace {

// Start positions covered by one call, and the step limits: a small one for
// a whole window, a large one for a single start position. A call's work
// stays in the order of milliseconds either way.
constexpr qsizetype kJitWindow = 1024;
constexpr qsizetype kInterpreterWindow = 1024;
constexpr uint32_t kJitWindowLimit = 20000;
constexpr uint32_t kInterpreterWindowLimit = 5000;
// A step scans at most the text a call sees, so a call that sees more text
// gets fewer steps: a window's steps times its length stays the same. An
// attempt that needs to see more than the longest stretch that still
// leaves it kLeastStretchLimit steps is tried under the guards instead.
constexpr uint32_t kLeastStretchLimit = 64;
constexpr uint32_t kJitPositionLimit = 20000000;
constexpr uint32_t kInterpreterPositionLimit = 2000000;
// Patterns whose attempts examine at most this many units search longer
// stretches per call, each start position under a tighter limit.
constexpr qint64 kShortReach = 256;
constexpr qsizetype kShortReachStretch = 4096;
constexpr uint32_t kShortReachLimit = 1000;
// Read the clock once every few cheap calls; reading it costs more than a
// short search does.
constexpr int kCallsPerClockCheck = 4;
// A short-reach call does far less at worst (a few hundred units per step
// under a tight limit), so more of them fit between two looks.
constexpr int kShortReachCallsPerClockCheck = 32;
// Within one attempt on its own, look at the clock every so many callouts.
constexpr int64_t kCalloutsPerClockCheck = 1024;

constexpr PCRE2_SIZE kJitStackStart = 32 * 1024;
// Memory one match may use (the JIT's stack, or the interpreter's heap):
// long repeats of groups keep a record per repetition, so it grows with the
// text, from the floor to the ceiling.
constexpr size_t kMatchMemoryPerUnit = 512;
constexpr size_t kMatchMemoryFloor = size_t(64) << 20;
constexpr size_t kMatchMemoryCeiling = size_t(1) << 30;
constexpr uint32_t kParensNestLimit = 1000;


bool isDecimal(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads a number in a callout's string (PCRE2 ends it with a zero) and the
// comma after it, if any.
size_t readNumber(const char16_t*& p)
{
    size_t n = 0;
    while (isDecimal(*p))
        n = n * 10 + size_t(*p++ - u'0');
    if (*p == u',')
        ++p;
    return n;
}

size_t matchMemoryFor(qsizetype length)
{
    return std::clamp(size_t(length) * kMatchMemoryPerUnit, kMatchMemoryFloor, kMatchMemoryCeiling);
}

pcre2_code_16* compile(const Translation& t, const QString& pattern, uint32_t extraOptions)
{
    pcre2_compile_context_16* context = pcre2_compile_context_create_16(nullptr);
    pcre2_set_parens_nest_limit_16(context, kParensNestLimit);
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code_16* code = pcre2_compile_16(reinterpret_cast<PCRE2_SPTR16>(pattern.utf16()),
                                           PCRE2_SIZE(pattern.size()), t.compileOptions | extraOptions,
                                           &error, &offset, context);
    pcre2_compile_context_free_16(context);
    if (!code)
        throw RegexError::compileFailed(error, t.sourceOffset(qsizetype(offset)));
    return code;
}

} // namespace

CompiledPattern::CompiledPattern(Translation translation) : m_translation(std::move(translation))
{
    // First, so that nothing else is left to free when a body is refused.
    if (!m_translation.lookbehinds.empty())
        m_lookbehinds = std::make_unique<LookbehindBodies>(m_translation, [this](const QString& body, uint32_t options) {
            return compile(m_translation, body, options);
        });
    m_shortReach = m_translation.maxReach >= 0 && m_translation.maxReach <= kShortReach;
    m_code = compile(m_translation, m_translation.pattern, m_shortReach ? PCRE2_USE_OFFSET_LIMIT : 0);
    if (m_translation.jitSafe)
        m_jit = pcre2_jit_compile_16(m_code, m_shortReach ? PCRE2_JIT_COMPLETE
                                                          : PCRE2_JIT_COMPLETE | PCRE2_JIT_PARTIAL_HARD) == 0;
    uint32_t hasRequired = 0;
    pcre2_pattern_info_16(m_code, PCRE2_INFO_LASTCODETYPE, &hasRequired);
    if (hasRequired) {
        uint32_t unit = 0;
        pcre2_pattern_info_16(m_code, PCRE2_INFO_LASTCODEUNIT, &unit);
        // PCRE2 does not say whether the unit is caseless, and it can be
        // without the caseless option (a class of a letter and its other
        // case), so either case of it counts.
        m_requiredUnit = int(unit);
        m_requiredLower = QChar::toLower(char16_t(unit));
        m_requiredUpper = QChar::toUpper(char16_t(unit));
    }
    m_windowContext = pcre2_match_context_create_16(nullptr);
    m_positionContext = pcre2_match_context_create_16(nullptr);
    m_windowLimit = m_shortReach ? kShortReachLimit : m_jit ? kJitWindowLimit : kInterpreterWindowLimit;
    pcre2_set_match_limit_16(m_positionContext, m_jit ? kJitPositionLimit : kInterpreterPositionLimit);
}

void CompiledPattern::limitHeap(size_t bytes)
{
    if (bytes == m_heapLimit)
        return;
    m_heapLimit = bytes;
    pcre2_set_heap_limit_16(m_windowContext, uint32_t(bytes / 1024));
    pcre2_set_heap_limit_16(m_positionContext, uint32_t(bytes / 1024));
    if (m_lookbehinds)
        m_lookbehinds->limitHeap(uint32_t(bytes / 1024));
}

// The whole of a JIT stack's room is reserved up front, so there is none
// until a match outgrows the JIT's own 32 KiB, and it doubles only as needed.
bool CompiledPattern::growJitStack(size_t budget)
{
    if (m_jitStackSize >= budget)
        return false;
    const size_t size = std::min(std::max(m_jitStackSize * 2, kMatchMemoryFloor), budget);
    pcre2_jit_stack_16* stack = pcre2_jit_stack_create_16(kJitStackStart, size, nullptr);
    if (!stack)
        return false;
    pcre2_jit_stack_free_16(m_jitStack);
    m_jitStack = stack;
    m_jitStackSize = size;
    pcre2_jit_stack_assign_16(m_windowContext, nullptr, m_jitStack);
    pcre2_jit_stack_assign_16(m_positionContext, nullptr, m_jitStack);
    return true;
}

CompiledPattern::~CompiledPattern()
{
    pcre2_jit_stack_free_16(m_jitStack);
    pcre2_match_context_free_16(m_positionContext);
    pcre2_match_context_free_16(m_windowContext);
    pcre2_code_free_16(m_anchored);
    pcre2_code_free_16(m_anchoredPlain);
    pcre2_code_free_16(m_code);
}

pcre2_code_16* CompiledPattern::anchoredPlain()
{
    if (!m_anchoredPlain) {
        m_anchoredPlain = compile(m_translation, m_translation.pattern, PCRE2_ANCHORED);
        if (m_jit)
            pcre2_jit_compile_16(m_anchoredPlain, PCRE2_JIT_COMPLETE | PCRE2_JIT_PARTIAL_HARD);
    }
    return m_anchoredPlain;
}

pcre2_code_16* CompiledPattern::anchored()
{
    if (!m_anchored) {
        m_anchored = compile(m_translation, m_translation.guardedPattern, PCRE2_ANCHORED);
        if (m_jit)
            pcre2_jit_compile_16(m_anchored, PCRE2_JIT_COMPLETE);
    }
    return m_anchored;
}

std::int64_t MonotonicNanoseconds()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

Searcher::Searcher(CompiledPattern& pattern, QStringView subject, std::chrono::milliseconds budget,
                   std::int64_t (*clock)())
    : m_pattern(pattern), m_subject(subject), m_text(subject.isEmpty() ? u"" : subject.utf16()),
      m_data(pcre2_match_data_create_from_pattern_16(pattern.m_code, nullptr)),
      m_clock(clock), m_deadline(clock() + int64_t(budget.count()) * 1000000)
{
    m_offsets = pcre2_get_ovector_pointer_16(m_data);
    m_matchMemory = matchMemoryFor(subject.size());
    pattern.limitHeap(m_matchMemory);
    pcre2_set_callout_16(m_pattern.m_positionContext, &Searcher::onCallout, this);
    m_groupOffsets.resize(pattern.translation().groupNumbers.size() * 2);
    m_positions.resize(size_t(pattern.translation().positionSlots));
    if (pattern.m_lookbehinds)
        m_lookbehinds = std::make_unique<LookbehindChecker>(*pattern.m_lookbehinds, subject, clock, m_deadline);
    // Windows are searched without callouts where the pattern needs none.
    if (!m_groupOffsets.empty() || !m_positions.empty() || m_lookbehinds)
        pcre2_set_callout_16(m_pattern.m_windowContext, &Searcher::onCallout, this);
    m_hasActions = !pattern.translation().actions.empty();
    m_slots.assign(size_t(pattern.translation().slotCount), 0);
    m_reported = m_groupOffsets.empty() ? m_offsets : m_groupOffsets.data();
    m_lastStart = m_pattern.m_requiredUnit < 0 ? subject.size() : lastRequired();
    m_doubledStart = pattern.translation().doubledStart;
    m_lineStart = pattern.translation().lineStart;
    if (LiteralScan::usable(pattern.translation().innerLiteral))
        m_literal = std::make_unique<LiteralScan>(pattern.translation().innerLiteral, subject);
    m_code = pattern.m_code;
    m_context = pattern.m_windowContext;
    m_jit = pattern.m_jit;
    m_shortReach = pattern.m_shortReach;
    m_window = !m_jit ? kInterpreterWindow : m_shortReach ? kShortReachStretch : kJitWindow;
    // Short-reach attempts may see the whole subject: they look no further
    // than a few hundred units anyway.
    m_firstReach = m_shortReach ? subject.size() : m_window;
    m_reach = m_firstReach;
    m_windowLimit = pattern.m_windowLimit;
    m_stepsTimesReach = qint64(m_windowLimit) * m_window;
    m_longestReach = m_stepsTimesReach / kLeastStretchLimit;
    m_stepLimit = m_windowLimit;
    pcre2_set_match_limit_16(m_context, m_stepLimit);
    m_callsPerClockCheck = m_shortReach ? kShortReachCallsPerClockCheck : kCallsPerClockCheck;
}

Searcher::~Searcher()
{
    pcre2_match_data_free_16(m_data);
}

// Each call sees the subject cut a reach past its first start position, with
// hard partial matching: an attempt that would look past the cut stops at
// once and is reported, so no attempt can wander far. The reach is a window
// until one attempt needs more (see tryAt); the longer reach then stays for
// the calls that follow, whose attempts tend to need it too, until their
// fewer steps run out. Short-reach patterns see the whole subject instead;
// an offset limit keeps each call to start positions from..end, and no
// attempt can wander far. That limit stays put while it still leaves half a
// stretch ahead. One call per match is the common case, so this path stays
// in one function.
//
// With an inner literal, each call begins where the next occurrence of the
// literal lets a match begin at the earliest; a short-reach call then stops
// at the occurrence, as later starts belong to later occurrences.
bool Searcher::find(qsizetype from)
{
    const qsizetype n = m_subject.size();
    while (from <= m_lastStart) {
        if (m_doubledStart && (from = nextDoubled(from)) < 0)
            return false;
        if (m_lineStart && (from = nextLineStart(from)) < 0)
            return false;
        qsizetype literalAt = -1;
        if (m_literal) {
            const qsizetype start = m_literal->earliestStart(from, &literalAt);
            if (start < 0)
                return false;
            if (start != from) {
                from = start;
                continue;
            }
        }
        if (++m_callsSinceCheck >= m_callsPerClockCheck)
            checkClock();
        // The last start position the call tries.
        qsizetype last;
        int rc;
        if (m_shortReach) {
            if (literalAt >= 0 && m_stretchEnd != literalAt) {
                m_stretchEnd = literalAt;
                pcre2_set_offset_limit_16(m_context, PCRE2_SIZE(m_stretchEnd));
            } else if (literalAt < 0 && m_stretchEnd - from < kShortReachStretch / 2) {
                m_stretchEnd = std::min(from + m_window, n);
                pcre2_set_offset_limit_16(m_context, PCRE2_SIZE(m_stretchEnd));
            }
            last = m_stretchEnd;
            rc = match(m_code, from, n, m_windowLimit);
        } else {
            last = std::min(from + m_reach, n);
            rc = matchWithin(m_code, from, last);
        }
        if (rc >= 0)
            return true;
        switch (rc) {
        case PCRE2_ERROR_NOMATCH:
            if (last == n)
                return false;
            // Every start position up to `last` failed; a cut window's last
            // one is tried again, as its attempt saw nothing.
            from = m_shortReach ? last + 1 : last;
            break;
        case PCRE2_ERROR_PARTIAL: {
            // An attempt needed text beyond the cut. Every start before it
            // failed, so a call that begins with it can settle it; an attempt
            // that outgrows a whole window is tried on its own.
            const qsizetype position = qsizetype(m_offsets[0]);
            if (position > from) {
                from = position;
                break;
            }
            if (tryAt(position))
                return true;
            from = position + 1;
            break;
        }
        case PCRE2_ERROR_MATCHLIMIT:
            if (tryEach(from, last))
                return true;
            // A shorter reach allows more steps.
            m_reach = m_firstReach;
            from = last + 1;
            break;
        case PCRE2_ERROR_JIT_STACKLIMIT:
            // Try the same start positions again with more room.
            if (!m_pattern.growJitStack(m_matchMemory))
                gaveUp(rc);
            break;
        default:
            gaveUp(rc);
        }
    }
    return false;
}

// One call from `from` on the subject cut at `end`, with as many steps as
// its reach allows.
int Searcher::matchWithin(pcre2_code_16* code, qsizetype from, qsizetype end)
{
    const qint64 steps = m_stepsTimesReach / std::max<qsizetype>(end - from, 1);
    return match(code, from, end, uint32_t(std::clamp<qint64>(steps, kLeastStretchLimit, m_windowLimit)));
}

int Searcher::match(pcre2_code_16* code, qsizetype from, qsizetype end, uint32_t steps)
{
    if (m_hasActions)
        forgetActions();
    if (steps != m_stepLimit) {
        m_stepLimit = steps;
        pcre2_set_match_limit_16(m_context, steps);
    }
    const auto text = reinterpret_cast<PCRE2_SPTR16>(m_text);
    const uint32_t options = end < m_subject.size() ? PCRE2_PARTIAL_HARD : 0;
    return m_jit ? pcre2_jit_match_16(code, text, PCRE2_SIZE(end), PCRE2_SIZE(from), options, m_data, m_context)
                 : pcre2_match_16(code, text, PCRE2_SIZE(end), PCRE2_SIZE(from), options, m_data, m_context);
}

void Searcher::reportGroups()
{
    const std::vector<int>& numbers = m_pattern.translation().groupNumbers;
    for (size_t group = 0; group < numbers.size(); ++group) {
        const bool cleared = group < m_slots.size() && m_slots[group] != 0;
        m_groupOffsets[2 * group] = cleared ? PCRE2_UNSET : m_offsets[2 * size_t(numbers[group])];
        m_groupOffsets[2 * group + 1] = cleared ? PCRE2_UNSET : m_offsets[2 * size_t(numbers[group]) + 1];
    }
}

// PCRE2 skips hopeless start positions by looking for a unit every match
// needs, but a window hides the units beyond it; so look once for the last
// such unit in the whole subject. Returns -1 when there is none.
qsizetype Searcher::lastRequired() const
{
    const int unit = m_pattern.m_requiredUnit;
    const char16_t lower = m_pattern.m_requiredLower;
    const char16_t upper = m_pattern.m_requiredUpper;
    for (qsizetype i = m_subject.size() - 1; i >= 0; --i) {
        const char16_t c = m_subject[i].unicode();
        if (c == unit || c == lower || c == upper)
            return i;
    }
    return -1;
}

// The first unit at or after `from` that the next one repeats, or -1. Most
// blocks hold none, and the test of a whole block compiles to a few vector
// instructions.
// The first position at or after `from` where a line starts: the
// subject's start, or past LF, CR, U+2028 or U+2029; -1 when there is none.
qsizetype Searcher::nextLineStart(qsizetype from) const
{
    if (from == 0)
        return 0;
    const char16_t* t = m_text;
    const qsizetype n = m_subject.size();
    const auto ends = [](char16_t u) { return u == u'\n' || u == u'\r' || (u & 0xFFFE) == 0x2028; };
    // Eight units at a time, from the one before `from`.
    const __m128i lf = _mm_set1_epi16(u'\n');
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i separators = _mm_set1_epi16(0x2028);
    const __m128i lastBitOff = _mm_set1_epi16(short(0xFFFE));
    qsizetype i = from - 1;
    for (; i + 8 <= n; i += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i));
        const __m128i found = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(units, lf), _mm_cmpeq_epi16(units, cr)),
                                           _mm_cmpeq_epi16(_mm_and_si128(units, lastBitOff), separators));
        if (const int bits = _mm_movemask_epi8(found))
            return i + __builtin_ctz(unsigned(bits)) / 2 + 1;
    }
    for (; i < n; ++i) {
        if (ends(t[i]))
            return i + 1;
    }
    return -1;
}

qsizetype Searcher::nextDoubled(qsizetype from) const
{
    constexpr qsizetype kBlock = 32;
    const char16_t* t = m_text;
    const qsizetype last = m_subject.size() - 1;
    qsizetype i = from;
    for (; i + kBlock <= last; i += kBlock) {
        bool any = false;
        for (qsizetype k = 0; k < kBlock; ++k)
            any |= t[i + k] == t[i + k + 1];
        if (any)
            break;
    }
    for (; i < last; ++i) {
        if (t[i] == t[i + 1])
            return i;
    }
    return -1;
}

// Some start position in the window needs more steps than a window allows;
// give each its own allowance.
bool Searcher::tryEach(qsizetype first, qsizetype last)
{
    for (qsizetype p = first; p <= last; ++p) {
        if (++m_callsSinceCheck >= m_callsPerClockCheck)
            checkClock();
        if (tryAt(p))
            return true;
    }
    return false;
}

// First on its own under the plain pattern, seeing twice as much text each
// time it needs more; then, when its steps run out or it needs more than the
// longest reach, under the guards on the whole subject, where its steps are
// many and the clock is read between them.
bool Searcher::tryAt(qsizetype position)
{
    const qsizetype n = m_subject.size();
    for (;;) {
        const int rc = matchWithin(m_pattern.anchoredPlain(), position, std::min(position + m_reach, n));
        if (rc >= 0)
            return true;
        if (rc == PCRE2_ERROR_NOMATCH)
            return false;
        if (rc == PCRE2_ERROR_PARTIAL && m_reach < m_longestReach) {
            m_reach = std::min(m_reach * 2, m_longestReach);
            checkClock();
        } else if (rc != PCRE2_ERROR_JIT_STACKLIMIT || !m_pattern.growJitStack(m_matchMemory)) {
            break;
        }
    }
    return tryGuarded(position);
}

bool Searcher::tryGuarded(qsizetype position)
{
    int rc;
    do {
        if (m_hasActions)
            forgetActions();
        rc = pcre2_match_16(m_pattern.anchored(), reinterpret_cast<PCRE2_SPTR16>(m_text),
                            PCRE2_SIZE(m_subject.size()), PCRE2_SIZE(position), 0, m_data,
                            m_pattern.m_positionContext);
        checkClock();
    } while (rc == PCRE2_ERROR_JIT_STACKLIMIT && m_pattern.growJitStack(m_matchMemory));
    if (rc >= 0)
        return true;
    if (rc == PCRE2_ERROR_NOMATCH)
        return false;
    gaveUp(rc);
}

// A callout whose string is a number ends an iteration of a group that can
// match the empty text: the number names the hidden capture that holds where
// the iteration began, and an iteration that has not moved fails. A string
// that starts with a letter is one of the pattern's actions.
// The others let a single attempt that takes long without running out of
// steps (each step may scan far) be stopped from inside once the time is up.
int Searcher::onCallout(pcre2_callout_block_16* block, void* searcher)
{
    if (block->callout_string_length != 0) {
        const auto* s = reinterpret_cast<const char16_t*>(block->callout_string);
        if (!isDecimal(s[0]))
            return static_cast<Searcher*>(searcher)->onAction(s[0], s + 1, block->offset_vector,
                                                             block->current_position);
        const char16_t* p = s;
        const size_t capture = readNumber(p);
        return block->offset_vector[2 * capture] == block->current_position ? 1 : 0;
    }
    auto* self = static_cast<Searcher*>(searcher);
    if (++self->m_callouts % kCalloutsPerClockCheck != 0 || self->m_clock() <= self->m_deadline)
        return 0;
    return PCRE2_ERROR_CALLOUT;
}

// The letters are those the translator writes: b checks a look-behind; a
// notes where one is checked and z lets its body end only there; d and u
// apply and undo an action; n is an empty-iteration check that counts
// (hidden capture, counter, minimum); s and c let a back-reference through
// when its group is not cleared, or cleared.
int Searcher::onAction(char16_t kind, const char16_t* arguments, const size_t* ovector, size_t position)
{
    const char16_t* p = arguments;
    const size_t first = readNumber(p);
    switch (kind) {
    case u'n': {
        const size_t counter = readNumber(p);
        const int least = int(readNumber(p));
        return ovector[2 * first] == position && m_slots[counter] > least ? 1 : 0;
    }
    case u'b': return m_lookbehinds->check(first, position);
    case u'a': m_positions[first] = position; return 0;
    case u'z': return m_positions[first] == position ? 0 : 1;
    case u's': return m_slots[first] == 0 ? 0 : 1;
    case u'c': return m_slots[first] != 0 ? 0 : 1;
    case u'd':
        // Every step of an attempt may apply one, so they share its memory.
        if ((m_changes.size() + m_applied.size()) * sizeof(m_applied[0]) > m_matchMemory)
            return PCRE2_ERROR_HEAPLIMIT;
        try {
            m_applied.emplace_back(int(first), m_changes.size());
            apply(m_pattern.translation().actions[first]);
        } catch (const std::bad_alloc&) {
            return PCRE2_ERROR_NOMEMORY;
        }
        return 0;
    default:
        // Undo: actions applied inside a decided assertion were never undone
        // one by one, so everything back to this one's goes.
        while (!m_applied.empty()) {
            const auto [id, changesBefore] = m_applied.back();
            m_applied.pop_back();
            if (size_t(id) != first)
                continue;
            while (m_changes.size() > changesBefore) {
                m_slots[size_t(m_changes.back().first)] = m_changes.back().second;
                m_changes.pop_back();
            }
            break;
        }
        return 1;
    }
}

void Searcher::apply(const Translation::Action& action)
{
    using Kind = Translation::Action::Kind;
    switch (action.kind) {
    case Kind::Mark:
        break;
    case Kind::Enter:
        change(action.counter, 0);
        break;
    case Kind::Iterate:
        if (action.counter >= 0)
            change(action.counter, m_slots[size_t(action.counter)] + 1);
        for (int group = action.first; group <= action.last; ++group)
            change(group, 1);
        break;
    case Kind::Capture:
        change(action.first, 0);
        break;
    }
}

void Searcher::change(int slot, int value)
{
    int& current = m_slots[size_t(slot)];
    if (current == value)
        return;
    m_changes.emplace_back(slot, current);
    current = value;
}

void Searcher::forgetActions()
{
    std::fill(m_slots.begin(), m_slots.end(), 0);
    m_changes.clear();
    m_applied.clear();
}

void Searcher::checkClock()
{
    m_callsSinceCheck = 0;
    if (m_clock() > m_deadline)
        gaveUp(PCRE2_ERROR_CALLOUT);
}

void Searcher::gaveUp(int code)
{
    switch (code) {
    case PCRE2_ERROR_CALLOUT:
        throw RegexError(RegexErrorCode::TookTooLong);
    case PCRE2_ERROR_MATCHLIMIT:
        throw RegexError(RegexErrorCode::BacktracksWithoutEnd);
    case PCRE2_ERROR_JIT_STACKLIMIT:
    case PCRE2_ERROR_HEAPLIMIT:
    case PCRE2_ERROR_DEPTHLIMIT:
    case PCRE2_ERROR_NOMEMORY:
        throw RegexError(RegexErrorCode::NeedsTooMuchMemory);
    default:
        throw RegexError::searchFailed(code);
    }
}

} // namespace pattaro
