// The engine searches long texts in windows; whatever the windows, it must
// find exactly what one plain PCRE2 pass over the whole text finds.
#include "search_reference.h"

#include "core/regex/regexp.h"
#include "core/regex/translator.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace pattaro;
using namespace pattaro::test;

namespace {

// Lines, words and runs of many lengths, some far longer than a window.
QString mixedText(quint32 seed)
{
    QRandomGenerator rng(seed);
    const QString pieces[] = {"a", "b", "ab", "ba", " ", "\r\n", "\n", "\r", "x", "1", "A", "B", "é", "中"};
    QString text;
    while (text.size() < 60000) {
        const auto& piece = pieces[rng.bounded(int(std::size(pieces)))];
        text += rng.bounded(200) == 0 ? piece.repeated(rng.bounded(2000, 9000)) : piece;
    }
    return text;
}

} // namespace

TEST(Search, WindowedSearchFindsWhatOnePassFinds)
{
    const QStringList patterns = {
        "a+b", "a(?=b)", uR"(\b\w+\b)"_qs, "^a.*$", "(?<=b)a+", uR"(\s+)"_qs, "[ab]{3,7}", "x*", "a|",
        uR"((a)\1)"_qs, ".{100}", "[^\\n]{5000,}", uR"(a[\s\S]{3000,6000}?b)"_qs, "$", "^", uR"(\B)"_qs,
        "(?:ab)+$", "b(?!a)", "[aA]{2,}", "中+", uR"((?<=\r)\n)"_qs,
        // Bounded reach, near and above half a window.
        "ab$", uR"(\bab\b)"_qs, "(?<=a)b{1,3}(?!b)", "a.{2000}b", "a[^x]{2100}", uR"((a|b)\1{1,500}$)"_qs,
        // Repeats before a line's end, which may not give units back: only
        // those of one unit that is never a line terminator, and greedy.
        uR"(\w+$)"_qs, "a*$", ".{2,}$", "[^b]+$", uR"([\s\S]+$)"_qs, "(ab)+$", "a+?$", "[^\r]{1,3}$", uR"(\D*$)"_qs,
    };
    for (quint32 seed : {1u, 2u, 3u}) {
        const QString text = mixedText(seed);
        for (const QString& p : patterns) {
            SCOPED_TRACE(QStringLiteral("%1 with seed %2").arg(p).arg(seed).toStdString());
            EXPECT_EQ(engineSearch(p, false, text), plainSearch(p, false, text));
        }
    }
}

TEST(Search, EitherCaseOfARequiredLetterWillDo)
{
    // PCRE2's required unit may match either case: with IgnoreCase (letters
    // become classes of both cases beside a back-reference) and for a class
    // of a letter and its other case. Every case of the text must agree.
    const QStringList caseless = {"ab", "[a-b]+", "É", uR"((a)\1*b)"_qs, uR"((b)a\1)"_qs, uR"((\w)\1ba)"_qs};
    const QStringList caseSensitive = {"a[Bb]", uR"(\w[Éé])"_qs};
    for (quint32 seed : {1u, 2u}) {
        const QString mixed = mixedText(seed);
        for (const QString& text : {mixed, mixed.toUpper(), mixed.toLower()}) {
            for (const QString& p : caseless) {
                SCOPED_TRACE(QStringLiteral("%1 ignoring case with seed %2").arg(p).arg(seed).toStdString());
                EXPECT_EQ(engineSearch(p, true, text), plainSearch(p, true, text));
            }
            for (const QString& p : caseSensitive) {
                SCOPED_TRACE(QStringLiteral("%1 with seed %2").arg(p).arg(seed).toStdString());
                EXPECT_EQ(engineSearch(p, false, text), plainSearch(p, false, text));
            }
        }
    }
}

TEST(Search, AMatchIsFoundWhereverItStarts)
{
    // One match alone in a long text, at every offset in turn: no start
    // position may fall between two windows.
    for (const QString& pattern : {QStringLiteral("z"), QStringLiteral("z+"), QStringLiteral("z(?=a|$)")}) {
        RegExp re;
        re.TimeLimit(kPatientLimit);
        re.Pattern(pattern);
        QString text(40000, u'a');
        qsizetype misses = 0;
        for (qsizetype p = 0; p < text.size(); ++p) {
            text[p] = u'z';
            const MatchCollection m = re.Execute(text);
            if (m.Count() != 1 || m.Item(0).FirstIndex() != p)
                ++misses;
            text[p] = u'a';
        }
        EXPECT_EQ(misses, 0) << pattern.toStdString();
    }
}

TEST(Search, AttemptsThatLookFarAreSettledExactly)
{
    // Attempts that need more text than a window: one that needs the rest
    // of the text from every start, long ones among short ones (the reach
    // grows, then cheap starts follow), lengths around each doubling of the
    // reach and around the longest reach before the guarded attempt takes
    // over (320,000 units), and starts that run out of steps once the reach
    // is long.
    const QString fewWords = QStringLiteral("ab cd 42 ").repeated(1400);
    const auto run = [](qsizetype length) { return u'a' + QString(length, u'c') + u'b'; };
    const QString longThenShort = u'a' + QString(5000, u'c') + QStringLiteral("b\n") + QStringLiteral("acb\n").repeated(3000);
    struct Case {
        const char* pattern;
        QString text;
    } cases[] = {
        {"(?![^A]*x)", QString(3000, u'a')},
        {R"(\w+(?=[\s\S]*x))", fewWords},
        {R"(\w+(?=[\s\S]*x))", fewWords + u'x'},
        {R"(\w+(?=[\s\S]*\d$))", fewWords + u'4'},
        {"a[^\\n]*b", longThenShort},
        {"a(?![^\\n]*z)", longThenShort},
        {"a[\\s\\S]*b", run(1022)},
        {"a[\\s\\S]*b", run(1023)},
        {"a[\\s\\S]*b", run(2047)},
        {"a[\\s\\S]*b", run(4096)},
        {"a[\\s\\S]*z", run(4096)},
        {"a[\\s\\S]*b", run(319998)},
        {"a[\\s\\S]*b", run(319999)},
        {"a[\\s\\S]*b", run(320000)},
        {"a[\\s\\S]*z", run(320001)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 on %2 units").arg(c.pattern).arg(c.text.size()).toStdString());
        EXPECT_EQ(engineSearch(c.pattern, false, c.text), plainSearch(c.pattern, false, c.text));
    }
}

TEST(Search, OnlyDoubledUnitsAreTriedWhereEveryMatchBeginsWithOne)
{
    // Doubles everywhere, of letters in either case, of line breaks, and at
    // the very end; the patterns that read as a group of one unit and its
    // back-reference skip to doubled units, the others must not.
    const QString text = QStringLiteral("aa aA bb\r\r\n\nxyzz 1122 ab  ab").repeated(300) + QStringLiteral("qq");
    struct Case {
        const char* pattern;
        bool ignoreCase;
        bool skips;
    } cases[] = {
        {R"((.)\1)", false, true},
        {R"((.)\1+)", false, true},
        {R"((\w)\1+?b)", false, true},
        {R"((a|b)\1)", false, true},
        {R"(([\s\S])\1)", false, true},
        {R"((.)\1)", true, false},
        {R"((.)\1|x)", false, false},
        {R"((.)\1?)", false, false},
        {R"((.)\1*)", false, false},
        {R"((.)\10)", false, false},
        {R"((..)\1)", false, false},
        {R"((?:(.))\1)", false, false},
        {R"((.))", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(translatePattern(c.pattern, c.ignoreCase, true).doubledStart, c.skips);
        EXPECT_EQ(engineSearch(c.pattern, c.ignoreCase, text), plainSearch(c.pattern, c.ignoreCase, text));
    }
}

TEST(Search, OnlyLineStartsAreTriedWhereEveryMatchBeginsAtOne)
{
    // Every line terminator, CR LF between them, empty lines, lines across
    // the ends of windows, and a terminator at the very end.
    QString text;
    for (qsizetype length : {0, 1, 7, 8, 9, 1021, 1022, 1023, 1024, 1025, 4095, 4096, 4097}) {
        for (const char16_t* end : {u"\n", u"\r\n", u"\r", u"\u2028", u"\u2029", u"\n\n"})
            text += QString(length, u'w') + QStringLiteral(" x") + QString::fromUtf16(end);
    }
    text += QStringLiteral("last\n");
    struct Case {
        const char* pattern;
        bool ignoreCase;
        bool skips;
    } cases[] = {
        {R"(^\w+)", false, true},
        {"^", false, true},
        {"^$", false, true},
        {R"(^\s*)", false, true},
        {R"(^[\s\S]{1,3})", false, true},
        {R"(^W+ X)", true, true},
        {R"(^(?=w)\w{2})", false, true},
        {R"(^\w+$)", false, true},
        {"^w|x", false, false},
        {"(?:^w)", false, false},
        {R"(\b^w)", false, false},
        {"x^", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(translatePattern(c.pattern, c.ignoreCase, true).lineStart, c.skips);
        EXPECT_FALSE(translatePattern(c.pattern, c.ignoreCase, false).lineStart);
        EXPECT_EQ(engineSearch(c.pattern, c.ignoreCase, text), plainSearch(c.pattern, c.ignoreCase, text));
    }
}
