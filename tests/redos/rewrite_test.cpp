// The standard rewrites: each must match exactly what the expression did,
// on every subject of the dialect's test cases and on the attack texts, and
// must not backtrack without end itself.
#include "core/redos/rewrite.h"

#include "core/redos/lint.h"
#include "core/regex/regexp.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace pattaro;

namespace {

std::int64_t stillClock() { return 0; }

QStringList dialectSubjects()
{
    QFile file(QStringLiteral(PATTARO_TEST_DATA_DIR "/../../engine/data/dialect_cases.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList subjects;
    for (const QJsonValue c : QJsonDocument::fromJson(file.readAll()).array())
        subjects << c[QStringLiteral("subject")].toString();
    subjects.removeDuplicates();
    return subjects;
}

// None when the search gives up: an expression that backtracks without end
// cannot be compared on a text that makes it do so. Its step limits decide
// that, not the clock.
std::optional<std::vector<MatchCollection::Span>> spans(const QString& pattern, const QString& text)
{
    RegExp engine;
    engine.Global(true);
    engine.Multiline(true);
    engine.Clock(stillClock);
    engine.Pattern(pattern);
    try {
        return engine.Execute(text).spans();
    } catch (const RegexError&) {
        return std::nullopt;
    }
}

bool sameSpans(const std::vector<MatchCollection::Span>& a, const std::vector<MatchCollection::Span>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.firstIndex == y.firstIndex && x.length == y.length;
    });
}

// How the verified work grows: 1 for linear, the degree for a polynomial,
// more than any degree for exponential.
int severity(const QString& pattern)
{
    LintLimits limits;
    limits.clock = stillClock;
    int worst = 1;
    for (const LintFinding& f : lintExpression(pattern, {false, true, true}, limits).findings) {
        if (f.verified)
            worst = std::max(worst, f.predicted.growth == Ambiguity::Growth::Exponential ? 100 : f.predicted.degree);
    }
    return worst;
}

} // namespace

TEST(Rewrite, MatchesWhatTheExpressionMatchedWithoutItsBacktracking)
{
    struct Case {
        const char16_t* pattern;
        const char16_t* rewrite;
    };
    const Case cases[] = {
        {u"^(?:a+)+$", u"^a+$"},
        {u"^(?:a*)+$", u"^a*$"},
        // A capturing group stays one, so that \1 and $1 keep their group.
        {u"^(a+)+b", u"^(a+)b"},
        {u"^(?:a|a)*$", u"^a*$"},
        {u"^(?:a|[ab]|\\d)*$", u"^[aab\\d]*$"},
        {u"^(\\w+\\s?)*$", u"^((?:\\w+(?:\\s\\w+)*\\s?)?)$"},
        {u"^(?:\\w+\\s?)+$", u"^\\w+(?:\\s\\w+)*\\s?$"},
        {u"\\s*\\s*$", u"\\s*$"},
        {u".*.*=", u".*="},
        {u"x\\d+\\d*y", u"x\\d+y"},
        {u"x\\d+\\d+y", u"x\\d{2,}y"},
    };
    // The long subjects (thousands of units) would keep an exponential
    // expression busy up to its step limits, many seconds, for nothing.
    QStringList texts;
    for (const QString& subject : dialectSubjects()) {
        if (subject.size() <= 64)
            texts << subject;
    }
    texts << QStringLiteral("aaaaaaaaaa!") << QStringLiteral("aaab") << QStringLiteral("ab ab  ab ")
          << QStringLiteral("x=y=z") << QStringLiteral("  \n  x") << QStringLiteral("x1y x12y x123y xy");
    for (const Case& c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern);
        const SyntaxTree tree = readSyntaxTree(pattern, {false, true, true});
        const std::optional<QString> rewrite = suggestRewrite(tree, {0, pattern.size()});
        ASSERT_TRUE(rewrite) << pattern.toStdString();
        EXPECT_EQ(*rewrite, QString::fromUtf16(c.rewrite)) << pattern.toStdString();
        int compared = 0;
        for (const QString& text : texts) {
            const auto before = spans(pattern, text);
            const auto after = spans(*rewrite, text);
            ASSERT_TRUE(after) << rewrite->toStdString();
            if (!before)
                continue;
            ++compared;
            EXPECT_TRUE(sameSpans(*before, *after)) << pattern.toStdString() << " on " << text.toStdString();
        }
        EXPECT_GT(compared, texts.size() / 2) << pattern.toStdString();
        EXPECT_LT(severity(*rewrite), severity(pattern)) << rewrite->toStdString();
    }
}

TEST(Rewrite, NoneWhereNoStandardFormApplies)
{
    for (const char16_t* p : {u"^(a|b|ab)*c", u"(a+?)+$", u"(?:\\w+\\d+)+c"}) {
        const QString pattern = QString::fromUtf16(p);
        EXPECT_FALSE(suggestRewrite(readSyntaxTree(pattern, {false, true, true}), {0, pattern.size()}))
            << pattern.toStdString();
    }
}

TEST(Rewrite, OnlyWithinThePartBlamed)
{
    const QString pattern = QStringLiteral("(?:a+)+-\\s*\\s*");
    const SyntaxTree tree = readSyntaxTree(pattern, {false, true, true});
    EXPECT_EQ(suggestRewrite(tree, {8, 14}), QStringLiteral("(?:a+)+-\\s*"));
    EXPECT_EQ(suggestRewrite(tree, {0, 7}), QStringLiteral("a+-\\s*\\s*"));
}
