// The step count is what every verification stands on: it must count the
// work of a search for every match, as the window searches, and grow with
// the backtracking a plain matcher does, whatever PCRE2's own shortcuts
// would save.
#include "core/redos/stepmeter.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

std::int64_t stepsOf(const QString& pattern, const QString& text)
{
    StepMeter meter(pattern, false, true);
    return meter.steps(text, 1'000'000'000).value_or(-1);
}

} // namespace

TEST(StepMeter, GrowsAsTheBacktrackingDoes)
{
    struct Case {
        const char16_t* pattern;
        const char16_t* pump;
        const char16_t* before;
        const char16_t* after;
        double leastRatio; // steps at 2n over steps at n, at least
        double mostRatio;
    };
    const Case cases[] = {
        // Linear: a match is found at once, or each start fails at once.
        {u"^\\d+$", u"1", u"", u"!", 1.5, 2.5},
        // PCRE2 alone would skip every start, as no "@" is in the text.
        {u"\\w+@", u"a", u"", u"", 3.5, 4.5},
        // Every match is searched for: the first, empty, one at the start
        // does not end the search.
        {u"^\\s*|\\s*$", u" ", u"!", u"!", 3.5, 4.5},
        // PCRE2 alone would make the first repeat possessive.
        {u"^a*b", u"a", u"", u"", 1.5, 2.5},
        {u"^a*a*b", u"a", u"", u"", 3.5, 4.5},
    };
    for (const Case& c : cases) {
        const QString pump = QString::fromUtf16(c.pump);
        auto text = [&](int n) { return QString::fromUtf16(c.before) + pump.repeated(n) + QString::fromUtf16(c.after); };
        const double ratio = double(stepsOf(QString::fromUtf16(c.pattern), text(400)))
                             / double(stepsOf(QString::fromUtf16(c.pattern), text(200)));
        EXPECT_GE(ratio, c.leastRatio) << QString::fromUtf16(c.pattern).toStdString();
        EXPECT_LE(ratio, c.mostRatio) << QString::fromUtf16(c.pattern).toStdString();
    }
}

TEST(StepMeter, StopsAtTheCap)
{
    StepMeter meter(QStringLiteral("^(a+)+$"), false, true);
    EXPECT_FALSE(meter.steps(QString(30, u'a') + u'!', 100000));
    EXPECT_TRUE(meter.steps(QString(3, u'a') + u'!', 100000));
}
