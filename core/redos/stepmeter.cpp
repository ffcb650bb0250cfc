#include "core/redos/stepmeter.h"

#include "core/regex/regexerror.h"
#include "core/regex/translator.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace pattaro {
namespace {

struct Count {
    std::int64_t steps = 0;
    std::int64_t cap = 0;
};

// The translation's own callouts keep their meaning where it is cheap: an
// iteration of a repeat that read nothing fails; an undo fails through, as
// it must to stay out of the way. The rest (look-behinds checked apart,
// clearing of groups) let matching go on, which may only make it try more.
int onCallout(pcre2_callout_block_16* block, void* data)
{
    auto* count = static_cast<Count*>(data);
    if (block->callout_string_length != 0) {
        const auto* s = reinterpret_cast<const char16_t*>(block->callout_string);
        if (s[0] >= u'0' && s[0] <= u'9') {
            size_t capture = 0;
            for (; *s >= u'0' && *s <= u'9'; ++s)
                capture = capture * 10 + size_t(*s - u'0');
            return block->offset_vector[2 * capture] == block->current_position ? 1 : 0;
        }
        return s[0] == u'u' ? 1 : 0;
    }
    return ++count->steps > count->cap ? PCRE2_ERROR_CALLOUT : 0;
}

} // namespace

StepMeter::StepMeter(const QString& source, bool ignoreCase, bool multiline)
{
    const Translation t = translatePattern(source, ignoreCase, multiline, nullptr, RepeatShortcuts::Left);
    int error = 0;
    PCRE2_SIZE offset = 0;
    const uint32_t options = t.compileOptions | PCRE2_AUTO_CALLOUT | PCRE2_NO_START_OPTIMIZE | PCRE2_NO_AUTO_POSSESS
                             | PCRE2_NO_DOTSTAR_ANCHOR;
    m_code = pcre2_compile_16(reinterpret_cast<PCRE2_SPTR16>(t.pattern.utf16()), PCRE2_SIZE(t.pattern.size()),
                              options, &error, &offset, nullptr);
    if (!m_code)
        throw RegexError::compileFailed(error, t.sourceOffset(qsizetype(offset)));
    m_data = pcre2_match_data_create_from_pattern_16(m_code, nullptr);
    m_context = pcre2_match_context_create_16(nullptr);
    pcre2_set_match_limit_16(m_context, UINT32_MAX);
}

StepMeter::~StepMeter()
{
    pcre2_match_context_free_16(m_context);
    pcre2_match_data_free_16(m_data);
    pcre2_code_free_16(m_code);
}

std::optional<std::int64_t> StepMeter::steps(QStringView text, std::int64_t cap)
{
    Count count{0, cap};
    pcre2_set_callout_16(m_context, &onCallout, &count);
    const auto subject = reinterpret_cast<PCRE2_SPTR16>(text.isEmpty() ? u"" : text.utf16());
    const PCRE2_SIZE length = PCRE2_SIZE(text.size());
    const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer_16(m_data);
    for (PCRE2_SIZE from = 0; from <= length;) {
        const int rc = pcre2_match_16(m_code, subject, length, from, 0, m_data, m_context);
        if (rc == PCRE2_ERROR_NOMATCH)
            break;
        if (rc < 0 || count.steps > cap)
            return std::nullopt;
        // An empty match moves the search on by one unit, as JavaScript's does.
        from = offsets[1] > offsets[0] ? offsets[1] : offsets[1] + 1;
    }
    return count.steps;
}

} // namespace pattaro
