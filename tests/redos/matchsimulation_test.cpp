// Whether a text holds a match, as the automaton sees it: this picks the
// attack texts' suffixes, so an anchor or boundary misread here sends the
// measurement after texts the engine matches at once. The engine's own
// answer is the reference.
#include "core/redos/matchsimulation.h"

#include "core/regex/regexp.h"

#include <gtest/gtest.h>

using namespace pattaro;

TEST(MatchSimulation, AgreesWithTheEngineOnAnchorsBoundariesAndRepeats)
{
    const struct {
        const char16_t* pattern;
        const char16_t* text;
    } cases[] = {
        {u"(a+)+$", u"aaaa!"},     {u"(a+)+$", u"aaaa"},      {u"(a+)+$", u"aa!\naa"},
        {u"^b", u"ab"},            {u"^b", u"a\nb"},          {u"^b", u"a\rb"},
        {u"a$", u"a\u2028"},       {u"a$", u"ab"},            {u"\\bve\\b", u"love"},
        {u"\\bve\\b", u"ve"},      {u"ve\\B", u"very"},       {u"ve\\B", u"ve!"},
        {u"\\w+@", u"abc"},        {u"\\w+@", u"abc@"},       {u"^\\d{2,3}$", u"1234"},
        {u"^\\d{2,3}$", u"123"},   {u"[^\\s@]+@", u" @"},     {u".+", u"\n\n"},
        {u"(?:a|b)*c", u"ababab"}, {u"(?:a|b)*c", u"abc"},    {u"x*", u""},
    };
    for (const auto& c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern);
        const QString text = QString::fromUtf16(c.text);
        const SyntaxTree tree = readSyntaxTree(pattern, {false, true, true});
        Automaton automaton;
        ASSERT_TRUE(buildAutomaton(tree, {}, automaton));
        RegExp engine;
        engine.Multiline(true);
        engine.Pattern(pattern);
        EXPECT_EQ(automatonFindsMatch(automaton, true, text), engine.Test(text))
            << pattern.toStdString() << " on " << text.toStdString();
    }
}

TEST(MatchSimulation, ReadsALookAroundAsHolding)
{
    // So "no match" is sure, "a match" is not.
    const SyntaxTree tree = readSyntaxTree(QStringLiteral("a(?!b)"), {false, true, true});
    Automaton automaton;
    ASSERT_TRUE(buildAutomaton(tree, {}, automaton));
    EXPECT_TRUE(automatonFindsMatch(automaton, true, QStringLiteral("ab")));
    EXPECT_FALSE(automatonFindsMatch(automaton, true, QStringLiteral("bb")));
}
