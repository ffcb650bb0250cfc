#include "search_reference.h"

#include "core/regex/regexp.h"
#include "core/regex/translator.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <gtest/gtest.h>

namespace pattaro::test {

Spans plainSearch(const QString& pattern, bool ignoreCase, const QString& text)
{
    const Translation t = translatePattern(pattern, ignoreCase, true, nullptr, RepeatShortcuts::Left);
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(t.pattern.utf16()), t.pattern.size(),
                                     t.compileOptions, &error, &offset, nullptr);
    if (t.jitSafe)
        pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
    pcre2_jit_stack* stack = pcre2_jit_stack_create(32 * 1024, 256 * 1024 * 1024, nullptr);
    pcre2_match_context* context = pcre2_match_context_create(nullptr);
    pcre2_jit_stack_assign(context, nullptr, stack);
    pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
    Spans spans;
    PCRE2_SIZE from = 0;
    int rc = 0;
    while (from <= PCRE2_SIZE(text.size())
           && (rc = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(text.utf16()), text.size(), from, 0, data, context)) >= 0) {
        const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(data);
        spans.emplace_back(qsizetype(ov[0]), qsizetype(ov[1] - ov[0]));
        from = ov[1] + (ov[1] == ov[0] ? 1 : 0);
    }
    EXPECT_TRUE(rc >= 0 || rc == PCRE2_ERROR_NOMATCH) << "reference search failed: " << rc;
    pcre2_match_data_free(data);
    pcre2_match_context_free(context);
    pcre2_jit_stack_free(stack);
    pcre2_code_free(code);
    return spans;
}

Spans engineSearch(const QString& pattern, bool ignoreCase, const QString& text)
{
    RegExp re;
    re.TimeLimit(kPatientLimit);
    re.Global(true);
    re.Multiline(true);
    re.IgnoreCase(ignoreCase);
    re.Pattern(pattern);
    const MatchCollection found = re.Execute(text);
    Spans spans;
    for (const auto& s : found.spans())
        spans.emplace_back(s.firstIndex, s.length);
    return spans;
}

} // namespace pattaro::test
