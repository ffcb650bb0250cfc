#pragma once

#include "core/regex/literalscan.h"
#include "core/regex/lookbehind.h"
#include "core/regex/translator.h"

#include <QStringView>
#include <chrono>
#include <memory>
#include <vector>

struct pcre2_real_code_16;
struct pcre2_real_match_data_16;
struct pcre2_real_match_context_16;
struct pcre2_real_jit_stack_16;
struct pcre2_callout_block_16;

namespace pattaro {

// Nanoseconds on a coarse monotonic clock: cheap enough to read often.
std::int64_t MonotonicNanoseconds();

// A translated pattern compiled by PCRE2 (JIT where it is safe), plus
// anchored twins built on first need for trying single start positions: one
// plain, one that calls back between its steps so that one long attempt can
// be stopped.
class CompiledPattern {
public:
    // Throws RegexError(InvalidPattern) when PCRE2 refuses the translation.
    explicit CompiledPattern(Translation translation);
    ~CompiledPattern();
    CompiledPattern(const CompiledPattern&) = delete;
    CompiledPattern& operator=(const CompiledPattern&) = delete;

    const Translation& translation() const { return m_translation; }

private:
    friend class Searcher;
    Translation m_translation;
    pcre2_real_code_16* m_code = nullptr;
    pcre2_real_code_16* m_anchored = nullptr;
    // The same anchored, without the guards.
    pcre2_real_code_16* m_anchoredPlain = nullptr;
    // Attempts examine a short, bounded stretch of text (see Searcher).
    bool m_shortReach = false;
    bool m_jit = false;
    // Steps a call over one window may take.
    uint32_t m_windowLimit = 0;
    // One context per way of calling, so no call has to change a limit.
    pcre2_real_match_context_16* m_windowContext = nullptr;
    pcre2_real_match_context_16* m_positionContext = nullptr;
    pcre2_real_jit_stack_16* m_jitStack = nullptr;
    size_t m_jitStackSize = 0;
    size_t m_heapLimit = 0;
    // A unit every match must contain after its start, or -1; and the units
    // of its other cases, which may stand in for it.
    int m_requiredUnit = -1;
    char16_t m_requiredLower = 0;
    char16_t m_requiredUpper = 0;

    std::unique_ptr<LookbehindBodies> m_lookbehinds;

    pcre2_real_code_16* anchored();
    pcre2_real_code_16* anchoredPlain();
    // Lets one interpreted match use this many bytes of heap.
    void limitHeap(size_t bytes);
    // Makes the JIT's stack larger, up to `budget` bytes; false when it
    // cannot grow.
    bool growJitStack(size_t budget);
};

// Finds successive leftmost matches in one subject. Every call to next()
// shares one time budget, and the work between two looks at the clock stays
// small: each PCRE2 call covers a window of start positions under a small
// step limit, and a start position that needs more is tried on its own
// under a larger one.
class Searcher {
public:
    Searcher(CompiledPattern& pattern, QStringView subject, std::chrono::milliseconds budget,
             std::int64_t (*clock)() = MonotonicNanoseconds);
    ~Searcher();
    Searcher(const Searcher&) = delete;
    Searcher& operator=(const Searcher&) = delete;

    // Looks for a match starting at or after `from`. Throws RegexError(GaveUp).
    bool next(qsizetype from)
    {
        if (!find(from))
            return false;
        if (!m_groupOffsets.empty())
            reportGroups();
        return true;
    }
    // Start/end pairs for the match and each group; unset groups hold SIZE_MAX.
    const size_t* offsets() const { return m_reported; }

private:
    CompiledPattern& m_pattern;
    QStringView m_subject;
    const char16_t* m_text;
    pcre2_real_match_data_16* m_data = nullptr;
    const size_t* m_offsets = nullptr;
    // The groups' offsets without the hidden captures and with the cleared
    // groups unset, when the pattern has either.
    std::vector<size_t> m_groupOffsets;
    // The state the pattern's actions keep (see Translation::actions): by
    // group, whether it is cleared, then the counters; each change with the
    // value it replaced;
    // and for each action applied, its number and the changes before it.
    bool m_hasActions;
    std::vector<int> m_slots;
    std::vector<std::pair<int, int>> m_changes;
    std::vector<std::pair<int, size_t>> m_applied;
    const size_t* m_reported = nullptr;
    std::int64_t (*m_clock)();
    int64_t m_deadline;
    // Memory one match may use on this subject.
    size_t m_matchMemory;
    int m_callsSinceCheck = 0;
    // No match can start after this position (see lastRequired()).
    qsizetype m_lastStart;
    // Matches start only where the text doubles a unit.
    bool m_doubledStart;
    bool m_lineStart;
    // The last start position the offset limit currently allows, or -1.
    qsizetype m_stretchEnd = -1;

    int64_t m_callouts = 0;
    std::unique_ptr<LookbehindChecker> m_lookbehinds;
    // Looks for the pattern's inner literal, when it has one.
    std::unique_ptr<LiteralScan> m_literal;
    // By slot: where a look-behind with groups is being checked.
    std::vector<size_t> m_positions;

    // Copied from the pattern: the per-match path reads them on every call.
    pcre2_real_code_16* m_code;
    pcre2_real_match_context_16* m_context;
    bool m_jit;
    bool m_shortReach;
    qsizetype m_window;
    int m_callsPerClockCheck;
    // How far past its first start position a call sees the subject, and
    // the most it may grow to; see find().
    qsizetype m_firstReach;
    qsizetype m_reach;
    qsizetype m_longestReach;
    // A call's steps times its reach: the work one call may do.
    qint64 m_stepsTimesReach;
    uint32_t m_windowLimit;
    uint32_t m_stepLimit;

    static int onCallout(pcre2_callout_block_16* block, void* searcher);
    int onAction(char16_t kind, const char16_t* arguments, const size_t* ovector, size_t position);
    void apply(const Translation::Action& action);
    void change(int slot, int value);
    void forgetActions();
    bool find(qsizetype from);
    void reportGroups();
    qsizetype lastRequired() const;
    qsizetype nextDoubled(qsizetype from) const;
    qsizetype nextLineStart(qsizetype from) const;
    bool tryEach(qsizetype first, qsizetype last);
    bool tryAt(qsizetype position);
    bool tryGuarded(qsizetype position);
    int matchWithin(pcre2_real_code_16* code, qsizetype from, qsizetype end);
    int match(pcre2_real_code_16* code, qsizetype from, qsizetype end, uint32_t steps);
    void checkClock();
    [[noreturn]] void gaveUp(int code);
};

} // namespace pattaro
