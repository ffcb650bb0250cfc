#pragma once

#include "core/regex/translator.h"

#include <QStringView>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

struct pcre2_real_code_16;
struct pcre2_real_match_data_16;
struct pcre2_real_match_context_16;
struct pcre2_callout_block_16;

namespace pattaro {

// The bodies of the look-behinds PCRE2 cannot match itself (see
// Translation::lookbehinds), each compiled on its own, anchored, with a
// callout at its end; shared by every search with the pattern.
class LookbehindBodies {
public:
    // `compile` turns a pattern with extra compile options into code, or
    // throws.
    using Compile = std::function<pcre2_real_code_16*(const QString& pattern, uint32_t options)>;
    // The JIT is used where the translation says it is safe.
    LookbehindBodies(const Translation& translation, const Compile& compile);
    ~LookbehindBodies();
    LookbehindBodies(const LookbehindBodies&) = delete;
    LookbehindBodies& operator=(const LookbehindBodies&) = delete;

    void limitHeap(uint32_t kibibytes);

private:
    friend class LookbehindChecker;
    // A body, and which units can begin a match of it when PCRE2 knows.
    struct Body {
        pcre2_real_code_16* code = nullptr;
        bool jit = false;
        int firstUnit = -1;
        char16_t firstLower = 0;
        char16_t firstUpper = 0;
        const uint8_t* startBits = nullptr; // PCRE2's map of the units below 256, the last for all above

        // The first position in from..end - 1 where a match may begin, or `end`.
        qsizetype nextStart(const char16_t* text, qsizetype from, qsizetype end) const;
    };
    const Translation& m_translation;
    std::vector<Body> m_bodies;
    // One context for trying a body towards a given end, one for listing
    // every end it can reach; they differ in their step limits.
    pcre2_real_match_context_16* m_tryContext = nullptr;
    pcre2_real_match_context_16* m_listContext = nullptr;

    void compileBodies(const Compile& compile);
    void release();
};

// Decides the look-behinds of one search on one subject. Each start where a
// body may begin is run once, listing every position where a match of it can
// end, so a search going forward pays about once per unit; a start whose
// listing needs too many steps is instead tried at each check, nearest first.
class LookbehindChecker {
public:
    // Runs share the search's clock and deadline.
    LookbehindChecker(LookbehindBodies& bodies, QStringView subject, std::int64_t (*clock)(), std::int64_t deadline);
    ~LookbehindChecker();
    LookbehindChecker(const LookbehindChecker&) = delete;
    LookbehindChecker& operator=(const LookbehindChecker&) = delete;

    // Whether look-behind `index` holds at `position`: 0 lets the match go
    // on, 1 makes it backtrack, a negative PCRE2 code stops it.
    int check(size_t index, size_t position);

private:
    // By look-behind: the starts from..to have been run, and `reached` holds
    // every position where a match of the body from one of them can end
    // (within `most` units); `unsettled` the starts that took too many steps
    // to tell, in order.
    struct Ends {
        qint64 most = 0;
        qsizetype from = 0;
        qsizetype to = -1;
        std::vector<bool> reached;
        std::deque<qsizetype> unsettled;
    };

    LookbehindBodies& m_bodies;
    QStringView m_subject;
    const char16_t* m_text;
    std::int64_t (*m_clock)();
    std::int64_t m_deadline;
    std::vector<Ends> m_ends;
    pcre2_real_match_data_16* m_data = nullptr;
    int64_t m_runs = 0;
    // Where the body being tried must end.
    size_t m_end = 0;
    // While listing where a body can end: whose ends, and the farthest that counts.
    Ends* m_listing = nullptr;
    size_t m_listingLimit = 0;

    int listEnds(size_t index, qsizetype start);
    int tryAt(size_t index, qsizetype start, size_t end);
    int run(size_t index, qsizetype start, pcre2_real_match_context_16* context);
    static int onEnd(pcre2_callout_block_16* block, void* checker);
};

} // namespace pattaro
