// Whether a pattern's matches stay within lines decides whether a count may
// search a text a few lines at a time; a pattern that can take a line feed
// anywhere must say so.
#include "core/regex/linebound.h"

#include <gtest/gtest.h>

using namespace pattaro;

TEST(LineBound, ToldApartByEveryWayOfWritingALineFeed)
{
    const struct {
        const char16_t* pattern;
        bool staysWithin;
        bool multiline = true;
    } cases[] = {
        {u"", true},
        {uR"(\w+@\w+\.\w+)", true},
        {u".+", true},
        {uR"(\r)", true}, // lines are cut at line feeds only
        {uR"(\S\d)", true},
        {uR"([^\n]+)", true},
        {uR"([^\s])", true},
        {uR"((a)\1)", true},
        {uR"(\bfn\(\w+,)", true},
        {u"[]", true},
        {u"^a$", true},
        {u"^a$", false, false},
        {u"a$", false, false},
        {uR"(a\nb)", false},
        {uR"(\cJ)", false},
        {uR"(\x0A)", false},
        {uR"(\u000a)", false},
        {uR"(\12)", false},
        {uR"(\s)", false},
        {uR"(\D)", false},
        {uR"(\W)", false},
        {uR"([\n])", false},
        {uR"([\0-\x1f])", false},
        {uR"([\w-\n])", false},
        {u"[^a]", false},
        {uR"([^\S])", false},
        {u"[^]", false},
        {uR"(a(?=\s))", false},
        {uR"((?<![\s\S])a)", false},
    };
    for (const auto& c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern);
        EXPECT_EQ(MatchesStayWithinLines(pattern, false, c.multiline), c.staysWithin) << pattern.toStdString();
        EXPECT_EQ(MatchesStayWithinLines(pattern, true, c.multiline), c.staysWithin) << pattern.toStdString();
    }
}
