// Counting and replacing on a 10M-code-unit text: the engine against a bare
// PCRE2 JIT loop over the same translated pattern, then the ratio of each.
// Then the time to take in (or refuse) very long patterns.
#include "core/regex/regexp.h"
#include "core/regex/translator.h"
#include "bench/support/benchtexts.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

using namespace pattaro;

namespace {

const QString& text() { return bench::wordText(); }
const QString& taggedText() { return bench::taggedText(); }

struct Case {
    const char* name;
    const char16_t* pattern;
    bool ignoreCase;
};

const Case kCases[] = {
    {"digits", uR"(\d+)", false},
    {"email", uR"(\w+@\w+\.\w+)", false},
    {"literal", u"jumps", false},
    {"doubled", uR"((.)\1)", false},
    {"chinese", uR"([\u4e00-\u9fa5]+)", false},
    {"caseless", u"brown", true},
};

// Look-behinds, each against the same search without it.
struct Lookbehind {
    const char* name;
    const char16_t* with;
    const char16_t* without;
};

const Lookbehind kLookbehinds[] = {
    {"dollar", uR"((?<=\$\s*)\d+)", uR"(\d+)"},
    {"hashtag", uR"((?<=^|\s)#\w+)", uR"(#\w+)"},
};

// Long patterns, most of them beyond what PCRE2 can hold: each piece
// repeated `times` times.
struct LongPattern {
    const char* name;
    const char16_t* piece;
    int times;
    bool ignoreCase;
};

const LongPattern kLongPatterns[] = {
    {"digits-25k", uR"(\d)", 25000, false},
    {"digits-60k", uR"(\d)", 60000, false},
    {"caseless-e-30k", u"\u00e9", 30000, true},
    {"caseless-class-16k", uR"([\W])", 16000, true},
    {"dots-64k", u".", 65536, false},
    {"digits-fit-3800", uR"(\d)", 3800, false},
};

// The bare loop: the engine's own translation, compiled and JIT-compiled
// once, run over the whole text with JavaScript's empty-match step.
class Bare {
public:
    explicit Bare(const Case& c)
    {
        const Translation t = translatePattern(QString::fromUtf16(c.pattern), c.ignoreCase, true);
        int error = 0;
        PCRE2_SIZE offset = 0;
        m_code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(t.pattern.utf16()), t.pattern.size(),
                               t.compileOptions, &error, &offset, nullptr);
        m_jit = t.jitSafe && pcre2_jit_compile(m_code, PCRE2_JIT_COMPLETE) == 0;
        m_data = pcre2_match_data_create_from_pattern(m_code, nullptr);
    }
    ~Bare()
    {
        pcre2_match_data_free(m_data);
        pcre2_code_free(m_code);
    }
    int match(PCRE2_SPTR subject, PCRE2_SIZE length, PCRE2_SIZE from)
    {
        return m_jit ? pcre2_jit_match(m_code, subject, length, from, 0, m_data, nullptr)
                     : pcre2_match(m_code, subject, length, from, 0, m_data, nullptr);
    }
    template <class F> void each(const QString& s, F f)
    {
        const auto subject = reinterpret_cast<PCRE2_SPTR>(s.utf16());
        PCRE2_SIZE from = 0;
        while (from <= PCRE2_SIZE(s.size()) && match(subject, s.size(), from) >= 0) {
            const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(m_data);
            f(ov);
            from = ov[1] + (ov[1] == ov[0] ? 1 : 0);
        }
    }

private:
    pcre2_code* m_code = nullptr;
    bool m_jit = false;
    pcre2_match_data* m_data = nullptr;
};

void engineCount(benchmark::State& state, const Case& c)
{
    RegExp re;
    re.Global(true);
    re.Multiline(true);
    re.IgnoreCase(c.ignoreCase);
    re.Pattern(QString::fromUtf16(c.pattern));
    qsizetype count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(count = re.Execute(text()).Count());
    state.counters["matches"] = double(count);
}

void bareCount(benchmark::State& state, const Case& c)
{
    Bare bare(c);
    qsizetype count = 0;
    for (auto _ : state) {
        std::vector<MatchCollection::Span> spans;
        bare.each(text(), [&](const PCRE2_SIZE* ov) { spans.push_back({qsizetype(ov[0]), qsizetype(ov[1] - ov[0])}); });
        benchmark::DoNotOptimize(count = qsizetype(spans.size()));
    }
    state.counters["matches"] = double(count);
}

void taggedCount(benchmark::State& state, const char16_t* pattern)
{
    RegExp re;
    re.Global(true);
    re.Multiline(true);
    re.Pattern(QString::fromUtf16(pattern));
    qsizetype count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(count = re.Execute(taggedText()).Count());
    state.counters["matches"] = double(count);
}

void compileLong(benchmark::State& state, const LongPattern& p)
{
    const QString pattern = QString::fromUtf16(p.piece).repeated(p.times);
    QString outcome;
    for (auto _ : state) {
        RegExp re;
        re.IgnoreCase(p.ignoreCase);
        re.Pattern(pattern);
        try {
            outcome = re.Test(QStringLiteral("a")) ? QStringLiteral("matched") : QStringLiteral("no match");
        } catch (const RegexError& e) {
            outcome = e.message();
        }
    }
    state.SetLabel(outcome.left(48).toStdString());
}

void engineReplace(benchmark::State& state, const Case& c)
{
    RegExp re;
    re.Global(true);
    re.Multiline(true);
    re.IgnoreCase(c.ignoreCase);
    re.Pattern(QString::fromUtf16(c.pattern));
    for (auto _ : state)
        benchmark::DoNotOptimize(re.Replace(text(), "[$&]").size());
}

void bareReplace(benchmark::State& state, const Case& c)
{
    Bare bare(c);
    const QString& s = text();
    for (auto _ : state) {
        QString out;
        out.reserve(s.size());
        qsizetype kept = 0;
        bare.each(s, [&](const PCRE2_SIZE* ov) {
            out += QStringView(s).mid(kept, qsizetype(ov[0]) - kept);
            out += u'[';
            out += QStringView(s).mid(qsizetype(ov[0]), qsizetype(ov[1] - ov[0]));
            out += u']';
            kept = qsizetype(ov[1]);
        });
        out += QStringView(s).mid(kept);
        benchmark::DoNotOptimize(out.size());
    }
}

// Prints as usual and keeps each benchmark's fastest CPU time (the one least
// disturbed by whatever else the machine runs) for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> times;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Aggregate || r.aggregate_name == "min")
                times[r.run_name.function_name] = r.GetAdjustedCPUTime();
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    for (const Case& c : kCases) {
        const std::string n = c.name;
        for (auto* b : {benchmark::RegisterBenchmark(("count/bare/" + n).c_str(), bareCount, c),
                        benchmark::RegisterBenchmark(("count/engine/" + n).c_str(), engineCount, c),
                        benchmark::RegisterBenchmark(("replace/bare/" + n).c_str(), bareReplace, c),
                        benchmark::RegisterBenchmark(("replace/engine/" + n).c_str(), engineReplace, c)})
            b->Unit(benchmark::kMillisecond)
                ->Repetitions(5)
                ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
                ->ReportAggregatesOnly(true);
    }
    for (const Lookbehind& l : kLookbehinds) {
        const std::string n = l.name;
        for (auto* b : {benchmark::RegisterBenchmark(("lookbehind/without/" + n).c_str(), taggedCount, l.without),
                        benchmark::RegisterBenchmark(("lookbehind/with/" + n).c_str(), taggedCount, l.with)})
            b->Unit(benchmark::kMillisecond)
                ->Repetitions(5)
                ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
                ->ReportAggregatesOnly(true);
    }
    for (const LongPattern& p : kLongPatterns)
        benchmark::RegisterBenchmark((std::string("compile/") + p.name).c_str(), compileLong, p)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    benchmark::Initialize(&argc, argv);
    text();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-10s %-9s %10s %10s %7s\n", "task", "pattern", "bare ms", "engine ms", "ratio");
    for (const char* task : {"count", "replace"}) {
        for (const Case& c : kCases) {
            const auto bare = reporter.times.find(std::string(task) + "/bare/" + c.name);
            const auto engine = reporter.times.find(std::string(task) + "/engine/" + c.name);
            if (bare == reporter.times.end() || engine == reporter.times.end())
                continue;
            std::printf("%-10s %-9s %10.2f %10.2f %7.3f\n", task, c.name, bare->second, engine->second,
                        engine->second / bare->second);
        }
    }
    std::printf("\n%-10s %10s %10s %7s\n", "look-behind", "without ms", "with ms", "ratio");
    for (const Lookbehind& l : kLookbehinds) {
        const auto without = reporter.times.find(std::string("lookbehind/without/") + l.name);
        const auto with = reporter.times.find(std::string("lookbehind/with/") + l.name);
        if (without == reporter.times.end() || with == reporter.times.end())
            continue;
        std::printf("%-11s %10.2f %10.2f %7.3f\n", l.name, without->second, with->second,
                    with->second / without->second);
    }
    benchmark::Shutdown();
    return 0;
}
