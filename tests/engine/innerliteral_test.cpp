// Patterns with a literal past their start are searched from the literal's
// occurrences; they must find exactly what one plain pass finds.
#include "search_reference.h"

#include "core/regex/translator.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace pattaro;
using namespace pattaro::test;

namespace {

// Words of letters and digits, some far longer than a window, between the
// units the patterns look for, single and doubled.
QString literalText(quint32 seed)
{
    QRandomGenerator rng(seed);
    const QString pieces[] = {"a", "b", "ab", "A", "B", "1", "12", "é", "É", "中", " ", "\n", "\r\n",
                              "@", "@@", ".", "-", "://", ":", "/", "x", "X"};
    QString text;
    while (text.size() < 60000) {
        const auto& piece = pieces[rng.bounded(int(std::size(pieces)))];
        text += rng.bounded(300) == 0 ? QString(rng.bounded(900, 9000), u'a') : piece;
    }
    return text;
}

// Occurrences just before, at and after the ends of the windows and
// stretches the search cuts the text into, after runs of prefix units.
QString edgeText()
{
    QString text;
    for (qsizetype run : {1022, 1023, 1024, 1025, 2047, 4095, 4096, 4097}) {
        text += QString(run, u'a') + QStringLiteral("@b.a ");
        text += QString(run - 3, u'1') + QStringLiteral("-12@@b ");
    }
    return text;
}

} // namespace

TEST(InnerLiteral, FoundPastThePatternsStartOnly)
{
    struct Case {
        const char* pattern;
        bool ignoreCase;
        const char16_t* units;
        qint64 longestPrefix;
        bool prefixUnitsKnown;
    } cases[] = {
        {R"(\w+@\w+\.\w+)", false, u"@", -1, true},
        {R"(\d{4}-\d\d)", false, u"-", 4, true},
        {"https?://", false, u"://", 5, true},
        {"(a)b@", false, u"b@", 1, false},
        {"ab+cd", false, u"cd", -1, true},
        {R"(^\b.*x)", false, u"x", -1, true},
        {R"((?=a)\w{2}@)", false, u"@", 2, true},
        {R"((\w+)@)", false, u"", -1, false},
        {"the", false, u"", -1, false},
        {R"(\bthe)", false, u"", -1, false},
        {"a+@|b", false, u"", -1, false},
        {"a+x{2}", false, u"", -1, false},
        {"a+x?y", false, u"y", -1, true},
        {"a+Bc", true, u"Bc", -1, true},
        {R"((a)\1+B)", true, u"", -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        const InnerLiteral literal = translatePattern(c.pattern, c.ignoreCase, true).innerLiteral;
        EXPECT_EQ(literal.units, QString::fromUtf16(c.units));
        if (literal.units.isEmpty())
            continue;
        EXPECT_EQ(literal.longestPrefix, c.longestPrefix);
        EXPECT_EQ(literal.prefixUnits != nullptr, c.prefixUnitsKnown);
    }
}

TEST(InnerLiteral, RequiredLiteralIsWhatEachAlternativeHoldsAsWritten)
{
    const struct {
        const char* pattern;
        bool ignoreCase;
        QStringList alternatives;
        bool wholeMatch;
    } cases[] = {
        {"bookkeeper", false, {"bookkeeper"}, true},
        {"北京", false, {"北京"}, true},
        {R"(a\.b)", false, {"a.b"}, true},
        {R"(\d+zq)", false, {"zq"}, false},
        {R"(\w+@\w+)", false, {"@"}, false},
        {"ab+", false, {"a"}, false},
        {"a(?=b)", false, {"a"}, false},
        {"ab*c", false, {"c"}, false},
        {R"(fn\(\w+,)", false, {"fn("}, false},
        {R"(https?://\w)", false, {"http"}, false},
        {R"(a\d+bc)", false, {"bc"}, false},
        {"fox|dog|river", false, {"fox", "dog", "river"}, true},
        {"fox|do+g", false, {"fox", "d"}, false},
        {"(?:fox|dog)", false, {}, false},
        {"fox|", false, {}, false},
        {"fox|^dog", false, {}, false},
        {"the", true, {}, false},
        {"^ab", false, {}, false},
        {R"(\bthe)", false, {}, false},
        {"x*y?", false, {}, false},
        {"", false, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        const RequiredLiteral literal = translatePattern(c.pattern, c.ignoreCase, true).requiredLiteral;
        EXPECT_EQ(QStringList(literal.alternatives.begin(), literal.alternatives.end()), c.alternatives);
        if (!c.alternatives.isEmpty()) {
            EXPECT_EQ(literal.wholeMatch, c.wholeMatch);
        }
    }
}

TEST(InnerLiteral, OneUnitOfARangeAfterABoundedPrefixThatCannotHoldIt)
{
    const struct {
        const char* pattern;
        bool ignoreCase;
        bool inRange;
        char16_t first = 0;
        char16_t last = 0;
        qint64 shortestPrefix = 0;
    } cases[] = {
        {R"([a-z]{2,8}\d)", false, true, u'0', u'9', 2},
        {R"([a-z]\d\w+)", false, true, u'0', u'9', 1},
        {R"((?=a)[a-c]{1,2}[x-z])", false, true, u'x', u'z', 1},
        {R"([a-z]{2,8}\d)", true, false},
        {R"(\w{2}\d)", false, false},
        {R"([a-z]+\d)", false, false},
        {R"([a-z]{0,3}\d)", false, false},
        {R"(a[b-c]\d)", false, false},
        {R"([a-z]{2}[0-9x])", false, false},
        {R"([a-z]{2}\d+)", false, false},
        {R"([a-z]{2}\d|x)", false, false},
        {R"([a-z]{2}@\d)", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        const InnerLiteral literal = translatePattern(c.pattern, c.ignoreCase, true).innerLiteral;
        EXPECT_EQ(literal.inRange, c.inRange);
        if (!literal.inRange)
            continue;
        EXPECT_EQ(literal.rangeFirst, c.first);
        EXPECT_EQ(literal.rangeLast, c.last);
        EXPECT_EQ(literal.shortestPrefix, c.shortestPrefix);
    }
}

TEST(InnerLiteral, SearchFindsWhatOnePassFinds)
{
    // Unbounded and bounded prefixes, prefixes whose units include the
    // literal's, repeated candidates, look-arounds before the literal, a
    // prefix of groups (bounded only), short and long reach.
    const QStringList patterns = {
        uR"(\w+@\w+\.\w+)"_qs, uR"(\w+@)"_qs, "a+@", "[ab]{2,5}@b", uR"(\d{1,3}\.\d)"_qs, "x*@", "(a|b)@",
        ".+@", uR"((?<=a)b+@)"_qs, uR"(\w+@@)"_qs, uR"(b\w*:\/\/)"_qs, uR"(^\w+@)"_qs, uR"((a)\1@)"_qs,
        "a*a@a", uR"([^@]+@)"_qs, uR"(\d+-\d+@)"_qs, uR"(a{0,3}\.)"_qs, uR"(\w+(?=@)@b)"_qs,
        uR"([\s\S]*x)"_qs, "é+中", uR"([a-z]{2,8}\d)"_qs, uR"([ab]\d)"_qs, uR"([ab]{2}\d{2})"_qs,
    };
    // The last one has a match at its very start.
    const QString texts[] = {literalText(1), literalText(2), edgeText(), QStringLiteral("b1ab12a@b.a 1")};
    for (const QString& text : texts) {
        for (const QString& p : patterns) {
            SCOPED_TRACE(QStringLiteral("%1 on %2 units").arg(p).arg(text.size()).toStdString());
            EXPECT_EQ(engineSearch(p, false, text), plainSearch(p, false, text));
        }
    }
}

TEST(InnerLiteral, AnyCaseOfTheLiteralWillDo)
{
    const QStringList patterns = {uR"(\w+@A)"_qs, "b+xA", "[a-b]{1,4}É", uR"(\w+\.X)"_qs};
    for (const QString& mixed : {literalText(3), edgeText()}) {
        for (const QString& text : {mixed, mixed.toUpper(), mixed.toLower()}) {
            for (const QString& p : patterns) {
                SCOPED_TRACE(QStringLiteral("%1 ignoring case").arg(p).toStdString());
                EXPECT_EQ(engineSearch(p, true, text), plainSearch(p, true, text));
            }
        }
    }
}

TEST(InnerLiteral, PatternsBuiltFromRiskyPiecesFindWhatOnePassFinds)
{
    // Prefixes of every kind the search bounds a start by (units, lengths,
    // neither), literals that the prefix's units include, and endings that
    // let a later occurrence decide; each joined with each, both cases.
    const QStringList prefixes = {uR"(\w+)"_qs, "a*", "[ab]{1,3}", ".", "(a|bc)", "(?=a)\\w", "\\ba+", "^b*",
                                  "(a)\\1", "x?a", "(?<=[@a])b+", "[^b]*", "[ab]{2,3}", "[A-Za-z]{1,2}", "[é中1]{2}"};
    // Some of one unit from a range, looked for as a literal after a
    // bounded prefix that cannot hold it.
    const QStringList literals = {"@", "@@", "a", "b@", "://", "É", uR"(\d)"_qs, "[@-A]", "[.-/]"};
    const QStringList endings = {"", uR"(\w*)"_qs, "b", "$", "(?!a)", "a+?b"};
    // Short, so that the quadratic attempts some of these make stay cheap.
    const QString text = literalText(4).left(4000);
    for (const QString& prefix : prefixes) {
        for (const QString& literal : literals) {
            for (const QString& ending : endings) {
                const QString p = prefix + literal + ending;
                for (bool ignoreCase : {false, true}) {
                    SCOPED_TRACE(QStringLiteral("%1 ignoring case: %2").arg(p).arg(ignoreCase).toStdString());
                    EXPECT_EQ(engineSearch(p, ignoreCase, text), plainSearch(p, ignoreCase, text));
                }
            }
        }
    }
}
