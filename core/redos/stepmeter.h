#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

struct pcre2_real_code_16;
struct pcre2_real_match_data_16;
struct pcre2_real_match_context_16;

namespace pattaro {

// Counts the steps a plain backtracking search takes: the engine's own
// translation of the expression, run by PCRE2's interpreter with its
// shortcuts off (no skipping to a unit every match needs, no repeats made
// possessive), which leaves the work a matcher without them does, as
// JavaScript's does. A step is one item of the expression tried at one
// place of the text; the count does not depend on the machine.
class StepMeter {
public:
    // Throws RegexError when the engine refuses the expression.
    StepMeter(const QString& source, bool ignoreCase, bool multiline);
    ~StepMeter();
    StepMeter(const StepMeter&) = delete;
    StepMeter& operator=(const StepMeter&) = delete;

    // The steps of a search for every match in `text`, as the window and
    // pattaro-cli search, or none when they pass `cap` (the search is
    // stopped there) or the search fails for want of memory.
    std::optional<std::int64_t> steps(QStringView text, std::int64_t cap);

private:
    pcre2_real_code_16* m_code = nullptr;
    pcre2_real_match_data_16* m_data = nullptr;
    pcre2_real_match_context_16* m_context = nullptr;
};

} // namespace pattaro
