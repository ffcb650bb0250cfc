// Runaway expressions and huge or strange texts: every call ends within a
// bounded time with a result or RegexError(GaveUp), never a hang or crash.
#include "core/regex/regexp.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace pattaro;

namespace {

// Loose on purpose: catches a hang, not a slow machine.
constexpr qint64 kHangMs = 5000;

std::unique_ptr<RegExp> engine(const QString& pattern)
{
    auto re = std::make_unique<RegExp>();
    re->Global(true);
    re->Multiline(true);
    re->Pattern(pattern);
    return re;
}

// Runs f and expects it to give up (not to fail otherwise) within the bound.
template <class F> void expectGivesUp(const char* what, F f)
{
    SCOPED_TRACE(what);
    QElapsedTimer timer;
    timer.start();
    try {
        f();
        ADD_FAILURE() << "finished instead of giving up";
    } catch (const RegexError& e) {
        EXPECT_EQ(e.kind(), RegexError::Kind::GaveUp);
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_LT(timer.elapsed(), kHangMs);
}

} // namespace

TEST(Limits, CatastrophicBacktrackingGivesUp)
{
    const QString as = QString(30, u'a') + u'b';
    expectGivesUp("Execute", [&] { engine("(a+)+$")->Execute(as); });
    expectGivesUp("Test", [&] { engine("(a+)+$")->Test(as); });
    expectGivesUp("Replace", [&] { engine("(a+)+$")->Replace(as, "x"); });
    expectGivesUp("long run", [&] { engine("(x+x+)+y")->Execute(QString(50000, u'x') + "zy"); });
    // Many short runs: each start position costs much but stays below any
    // single-position limit, so only the clock can stop it.
    expectGivesUp("short runs", [&] { engine("(x+x+)+(?!z)[^x]")->Execute(QString("xxxxxxxxxxxxxxxxxxxz").repeated(20000)); });
}

TEST(Limits, ALookbehindThatBacktracksWithoutEndGivesUp)
{
    // The body is run on its own from every start within reach, under
    // limits of its own, each of which must stop the search.
    expectGivesUp("nested repeats", [&] { engine("(?<=(?:a+)+[^a])c")->Execute(QString(40, u'a') + u'c'); });
    // Each start costs much but stays below the body's limit, so only the
    // clock can stop it.
    expectGivesUp("many starts", [&] {
        engine("(?<=(?:a|aa)*[^a]\\d*)c")->Execute((QString(18, u'a') + u'c').repeated(20000));
    });
}

TEST(Limits, HopelessSearchesEndAtOnce)
{
    // Without any y after the start nothing can match, however the
    // expression would backtrack.
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(engine("(x+x+)+y")->Execute(QString(200000, u'x')).Count(), 0);
    EXPECT_EQ(engine("x*y")->Execute(QString("y") + QString(1000000, u'x')).Count(), 1);
    auto caseless = engine("x*Y");
    caseless->IgnoreCase(true);
    EXPECT_EQ(caseless->Execute(QString(100000, u'x') + u'y').Count(), 1);
    EXPECT_LT(timer.elapsed(), kHangMs);
}

TEST(Limits, QuadraticScansGiveUp)
{
    const QString xs(1000000, u'x');
    expectGivesUp("class overlap", [&] { engine("[xy]*[yz]")->Execute(xs); });
    expectGivesUp("negated class", [&] { engine(uR"(\w*[^x])"_qs)->Execute(xs); });
}

TEST(Limits, OneEndlessAttemptIsStopped)
{
    // A single attempt whose every step scans to the end of the text: few
    // steps, but quadratic work.
    expectGivesUp("look-ahead in a loop", [&] { engine("(?:(?=[xy]*$)x)*[yz]")->Execute(QString(200000, u'x')); });
    expectGivesUp("rescans after each step back", [&] { engine("[xy]*y*[pq]")->Execute(QString(1000000, u'y')); });
    // Many start positions, each with much work that stays short of any
    // window's end.
    expectGivesUp("blocks", [&] {
        engine("(?:(?=[xy]*z)x)*[pq]")->Execute((QString(4000, u'x') + u'z').repeated(10));
    });
}

// Clocks for the time limit: one that moves 10 ms at every look, one that
// never moves.
std::int64_t steppingClock()
{
    static std::int64_t now = 0;
    return now += 10'000'000;
}
std::int64_t stoppedClock() { return 0; }

TEST(Limits, TheTimeLimitIsMeasuredOnTheEnginesClock)
{
    // Every start position scans the rest of the text and finds no y or z.
    const QString text(5000, u'x');
    auto re = engine("[xy]*[yz]");
    re->TimeLimit(std::chrono::milliseconds(30));
    re->Clock(steppingClock);
    try {
        re->Execute(text);
        ADD_FAILURE() << "finished instead of giving up";
    } catch (const RegexError& e) {
        EXPECT_EQ(e.kind(), RegexError::Kind::GaveUp);
    }
    re->Clock(stoppedClock);
    EXPECT_EQ(re->Execute(text).Count(), 0) << "a clock that does not move never runs out";
}

TEST(Limits, OneTimeLimitCoversEveryPiece)
{
    // Each piece alone is searched well within the limit; all of them are not.
    auto re = engine("x+y");
    re->TimeLimit(std::chrono::milliseconds(100));
    re->Clock(steppingClock);
    int pieces = 0;
    const auto nextPiece = [&](QString& piece) {
        piece = QStringLiteral("xxxx");
        return ++pieces <= 1000;
    };
    try {
        re->CountInPieces(nextPiece);
        ADD_FAILURE() << "finished instead of giving up";
    } catch (const RegexError& e) {
        EXPECT_EQ(e.kind(), RegexError::Kind::GaveUp);
    }
    EXPECT_LT(pieces, 100);
}

TEST(Limits, DeepBacktrackingStackEndsCleanly)
{
    // Each repetition keeps a way back; either the match is found or the
    // search gives up for lack of memory, but nothing crashes.
    QElapsedTimer timer;
    timer.start();
    try {
        EXPECT_EQ(engine("(a|b)*c")->Execute(QString(3000000, u'a') + u'c').Count(), 1);
    } catch (const RegexError& e) {
        EXPECT_EQ(e.kind(), RegexError::Kind::GaveUp);
    }
    EXPECT_LT(timer.elapsed(), kHangMs);
}

TEST(Limits, LongMatchesAcrossAHugeText)
{
    // Single matches far longer than any internal search window.
    const QString abab = QString("ab").repeated(1000000);
    const MatchCollection all = engine(uR"([\s\S]*)"_qs)->Execute(abab);
    ASSERT_EQ(all.Count(), 2);
    EXPECT_EQ(all.Item(0).Length(), abab.size());
    EXPECT_EQ(all.Item(1).FirstIndex(), abab.size());

    const MatchCollection groups = engine("(?:ab)+$")->Execute(abab);
    ASSERT_EQ(groups.Count(), 1);
    EXPECT_EQ(groups.Item(0).Length(), abab.size());
}

TEST(Limits, LongRepeatedCapturesFit)
{
    // Each repetition of a group keeps a record, so the match memory grows
    // with the text. Answers from JavaScript.
    const QString abab = QString("ab").repeated(1000000);
    struct Case {
        const char* pattern;
        std::vector<std::pair<qsizetype, qsizetype>> matches;
    };
    const Case cases[] = {
        {"(.)*", {{0, abab.size()}, {abab.size(), 0}}},
        {"^(?:(a)|b)*$", {{0, abab.size()}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        auto re = engine(c.pattern);
        re->TimeLimit(std::chrono::minutes(5)); // must finish, however busy the machine
        const MatchCollection matches = re->Execute(abab);
        std::vector<std::pair<qsizetype, qsizetype>> found;
        for (const auto& s : matches.spans())
            found.emplace_back(s.firstIndex, s.length);
        EXPECT_EQ(found, c.matches);
    }
}

TEST(Limits, ManyMatchesInAHugeText)
{
    QString text;
    for (int i = 0; i < 500000; ++i)
        text += QStringLiteral("w%1 ").arg(i % 1000);
    auto re = engine(uR"(\w+)"_qs);
    EXPECT_EQ(re->Execute(text).Count(), 500000);
    const QString replaced = re->Replace(text, "$&$&");
    EXPECT_EQ(replaced.size(), text.size() * 2 - 500000);
}

TEST(Limits, AbsurdNestingIsRefused)
{
    for (const QString& p : {QString(60000, u'('), QString("(?:").repeated(20000), QString(300, u'(') + QString(300, u')')}) {
        try {
            engine(p)->Test("a");
            ADD_FAILURE() << "accepted";
        } catch (const RegexError& e) {
            EXPECT_EQ(e.kind(), RegexError::Kind::InvalidPattern);
        }
    }
    EXPECT_TRUE(engine(QString(100, u'(') + u'a' + QString(100, u')'))->Test("a"));
}

TEST(Limits, OversizedPatternsAreRefused)
{
    // Refused as patterns, whether by length up front or by PCRE2's limit on
    // the compiled form; their timings are in the engine benchmark.
    struct Case {
        QString pattern;
        bool ignoreCase;
        RegexErrorCode code;
    };
    using enum RegexErrorCode;
    const Case cases[] = {
        {QString(uR"(\d)"_qs).repeated(25000), false, ExpressionTooLarge},
        {QString(uR"(\d)"_qs).repeated(60000), false, ExpressionTooLong},
        {QString(30000, QChar(0xE9)), true, ExpressionTooLarge},
        {QString(uR"([\W])"_qs).repeated(16000), true, ExpressionTooLarge},
        {QString("(?=a){0}").repeated(8193), false, ExpressionTooLong},
        // Each level of these is written twice to reject empty repetitions.
        {QString("(?:").repeated(200) + "|a" + QString(")+").repeated(200), false, ExpressionTooLarge},
        {QString("(").repeated(200) + "|a" + QString(")+").repeated(200), false, ExpressionTooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern.left(20).toStdString());
        auto re = engine(c.pattern);
        re->IgnoreCase(c.ignoreCase);
        try {
            re->Test("a");
            ADD_FAILURE() << "accepted";
        } catch (const RegexError& e) {
            EXPECT_EQ(e.code(), c.code) << e.what();
        }
    }
    // The longest pattern allowed is still compiled.
    EXPECT_TRUE(engine(QString("(?=a){0}").repeated(8192))->Test("a"));
}

TEST(Limits, StrangeTextIsSearchedAsCodeUnits)
{
    QString withNul = QStringLiteral("a");
    withNul += QChar(0);
    withNul += u'b';
    withNul += QChar(0xD800);
    withNul += u'\r';
    withNul += QChar(0xDC00);
    withNul += QStringLiteral("\r\n");
    ASSERT_EQ(withNul.size(), 8);
    EXPECT_EQ(engine(".")->Execute(withNul).Count(), 5);
    const MatchCollection ends = engine("$")->Execute(withNul);
    ASSERT_EQ(ends.Count(), 4);
    EXPECT_EQ(ends.Item(0).FirstIndex(), 4); // before the lone CR
    EXPECT_EQ(ends.Item(1).FirstIndex(), 6);
    EXPECT_EQ(ends.Item(2).FirstIndex(), 7); // between CR and LF
    EXPECT_EQ(ends.Item(3).FirstIndex(), 8);
    EXPECT_EQ(engine(uR"(\ud800.)"_qs)->Execute(withNul).Count(), 0);
    EXPECT_EQ(engine(uR"(\udc00)"_qs)->Replace(withNul, "?"), QString(withNul).replace(QChar(0xDC00), u'?'));
}
