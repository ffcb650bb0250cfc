#include "core/regex/lookbehind.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <algorithm>

namespace pattaro {
namespace {

// Listing where a body can end from one start stops early, leaving that start
// to be tried at each check; a try must settle within a few milliseconds, and
// so many of them fit between two looks at the clock.
constexpr uint32_t kListLimit = 2000;
constexpr uint32_t kJitTryLimit = 1000000;
constexpr uint32_t kInterpreterTryLimit = 200000;
constexpr int64_t kRunsPerClockCheck = 16;

} // namespace

LookbehindBodies::LookbehindBodies(const Translation& translation, const Compile& compile)
    : m_translation(translation)
{
    m_tryContext = pcre2_match_context_create_16(nullptr);
    pcre2_set_match_limit_16(m_tryContext, translation.jitSafe ? kJitTryLimit : kInterpreterTryLimit);
    m_listContext = pcre2_match_context_create_16(nullptr);
    pcre2_set_match_limit_16(m_listContext, kListLimit);
    try {
        compileBodies(compile);
    } catch (...) {
        release();
        throw;
    }
}

void LookbehindBodies::compileBodies(const Compile& compile)
{
    const bool jit = m_translation.jitSafe;
    for (const Translation::Lookbehind& lookbehind : m_translation.lookbehinds) {
        Body& b = m_bodies.emplace_back();
        // A repeat at the end of the body must still give back units when
        // the match ends too far on.
        b.code = compile(QStringLiteral("(?:%1)(?C1)").arg(lookbehind.body), PCRE2_ANCHORED | PCRE2_NO_AUTO_POSSESS);
        b.jit = jit && pcre2_jit_compile_16(b.code, PCRE2_JIT_COMPLETE) == 0;
        uint32_t type = 0;
        pcre2_pattern_info_16(b.code, PCRE2_INFO_FIRSTCODETYPE, &type);
        if (type == 1) {
            uint32_t unit = 0;
            pcre2_pattern_info_16(b.code, PCRE2_INFO_FIRSTCODEUNIT, &unit);
            b.firstUnit = int(unit);
            b.firstLower = QChar::toLower(char16_t(unit));
            b.firstUpper = QChar::toUpper(char16_t(unit));
        } else {
            pcre2_pattern_info_16(b.code, PCRE2_INFO_FIRSTBITMAP, &b.startBits);
        }
    }
}

LookbehindBodies::~LookbehindBodies()
{
    release();
}

void LookbehindBodies::release()
{
    for (const Body& b : m_bodies)
        pcre2_code_free_16(b.code);
    pcre2_match_context_free_16(m_listContext);
    pcre2_match_context_free_16(m_tryContext);
}

void LookbehindBodies::limitHeap(uint32_t kibibytes)
{
    pcre2_set_heap_limit_16(m_tryContext, kibibytes);
    pcre2_set_heap_limit_16(m_listContext, kibibytes);
}

// Every unit of a long text passes through here once, so each case has a
// loop of its own.
qsizetype LookbehindBodies::Body::nextStart(const char16_t* text, qsizetype from, qsizetype end) const
{
    if (from >= end)
        return from;
    if (firstUnit >= 0 && firstLower == firstUpper)
        return std::find(text + from, text + end, char16_t(firstUnit)) - text;
    if (firstUnit >= 0) {
        while (from < end && text[from] != firstUnit && text[from] != firstLower && text[from] != firstUpper)
            ++from;
        return from;
    }
    if (!startBits)
        return from;
    for (; from < end; ++from) {
        const unsigned bit = std::min<unsigned>(text[from], 255);
        if ((startBits[bit / 8] >> (bit % 8)) & 1)
            break;
    }
    return from;
}

LookbehindChecker::LookbehindChecker(LookbehindBodies& bodies, QStringView subject, std::int64_t (*clock)(),
                                     std::int64_t deadline)
    : m_bodies(bodies), m_subject(subject), m_text(subject.isEmpty() ? u"" : subject.utf16()), m_clock(clock),
      m_deadline(deadline), m_data(pcre2_match_data_create_16(1, nullptr))
{
    pcre2_set_callout_16(bodies.m_tryContext, &LookbehindChecker::onEnd, this);
    pcre2_set_callout_16(bodies.m_listContext, &LookbehindChecker::onEnd, this);
    for (const Translation::Lookbehind& lookbehind : bodies.m_translation.lookbehinds) {
        Ends& ends = m_ends.emplace_back();
        ends.most = lookbehind.most < 0 ? kLookbehindReach : std::min(lookbehind.most, kLookbehindReach);
        ends.reached.assign(size_t(subject.size()) + 1, false);
    }
}

LookbehindChecker::~LookbehindChecker()
{
    pcre2_match_data_free_16(m_data);
}

int LookbehindChecker::check(size_t index, size_t position)
{
    const Translation::Lookbehind& lookbehind = m_bodies.m_translation.lookbehinds[index];
    const LookbehindBodies::Body& body = m_bodies.m_bodies[index];
    Ends& ends = m_ends[index];
    const qsizetype last = qsizetype(position) - qsizetype(lookbehind.least);
    const qsizetype first = std::max<qsizetype>(0, qsizetype(position) - qsizetype(ends.most));
    if (first < ends.from || first > ends.to + 1) {
        ends.from = first;
        ends.to = first - 1;
        ends.unsettled.clear();
    }
    for (qsizetype start = ends.to + 1; start <= last; ++start) {
        start = body.nextStart(m_text, start, std::min(last + 1, m_subject.size()));
        ends.to = std::min(start, last);
        if (start > last)
            break;
        const int rc = listEnds(index, start);
        if (rc == PCRE2_ERROR_MATCHLIMIT)
            ends.unsettled.push_back(start);
        else if (rc < 0)
            return rc;
    }
    const bool reached = last >= 0 && ends.reached[position];
    if (reached || ends.unsettled.empty())
        return reached != lookbehind.negative ? 0 : 1;
    bool found = false;
    const auto from = std::lower_bound(ends.unsettled.begin(), ends.unsettled.end(), first);
    for (auto it = std::upper_bound(from, ends.unsettled.end(), last); !found && it != from;) {
        const int rc = tryAt(index, *--it, position);
        if (rc < 0)
            return rc;
        found = rc > 0;
    }
    return found != lookbehind.negative ? 0 : 1;
}

// Runs body `index` from `start` through every way it can go, noting each
// position it can end at within reach.
int LookbehindChecker::listEnds(size_t index, qsizetype start)
{
    m_listing = &m_ends[index];
    m_listingLimit = size_t(start) + size_t(m_listing->most);
    const int rc = run(index, start, m_bodies.m_listContext);
    m_listing = nullptr;
    return rc == PCRE2_ERROR_NOMATCH ? 0 : rc;
}

// 1 when body `index` matches from `start` to `end`, 0 when not, or a
// negative code that stops the search.
int LookbehindChecker::tryAt(size_t index, qsizetype start, size_t end)
{
    m_end = end;
    const int rc = run(index, start, m_bodies.m_tryContext);
    return rc >= 0 ? 1 : rc == PCRE2_ERROR_NOMATCH ? 0 : rc;
}

int LookbehindChecker::run(size_t index, qsizetype start, pcre2_real_match_context_16* context)
{
    if (++m_runs % kRunsPerClockCheck == 0 && m_clock() > m_deadline)
        return PCRE2_ERROR_CALLOUT;
    const LookbehindBodies::Body& body = m_bodies.m_bodies[index];
    const auto text = reinterpret_cast<PCRE2_SPTR16>(m_text);
    const auto n = PCRE2_SIZE(m_subject.size());
    const int rc = body.jit ? pcre2_jit_match_16(body.code, text, n, PCRE2_SIZE(start), 0, m_data, context)
                            : pcre2_match_16(body.code, text, n, PCRE2_SIZE(start), 0, m_data, context);
    // The body's match runs on the JIT's small default stack; running out of
    // it is running out of memory.
    return rc == PCRE2_ERROR_JIT_STACKLIMIT ? PCRE2_ERROR_HEAPLIMIT : rc;
}

// At the end of a body: when listing, notes the position and backtracks for
// the next; otherwise lets the match end only where it must.
int LookbehindChecker::onEnd(pcre2_callout_block_16* block, void* checker)
{
    auto* self = static_cast<LookbehindChecker*>(checker);
    if (!self->m_listing)
        return block->current_position == self->m_end ? 0 : 1;
    if (block->current_position <= self->m_listingLimit)
        self->m_listing->reached[block->current_position] = true;
    return 1;
}

} // namespace pattaro
