// The expression box's tool tip for a lint: each of the four things the
// reader is owed (the part, the growth, the attack, the rewrite), or
// nothing at all for a safe expression.
#include "core/redos/lintwording.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

std::int64_t stillClock() { return 0; }

QString tipFor(const QString& pattern)
{
    LintLimits limits;
    limits.clock = stillClock;
    return lintWarningText(lintExpression(pattern, {false, true, true}, limits), pattern);
}

} // namespace

TEST(LintWording, TellsThePartTheGrowthTheAttackAndTheRewrite)
{
    const struct {
        const char16_t* pattern;
        std::vector<const char*> saying;
    } cases[] = {
        {u"^(a+)+$",
         {"其中的「(a+)+」（第 2 至 6 个字符）", "呈指数增长", "×n", "建议改写为：「^(a+)$」"}},
        {u"\\w+@", {"其中的「\\w+」（第 1 至 3 个字符）", "长度的 2 次方增长", "×n"}},
        // The part and the rewrite are shown whole, however long.
        {u"^(\\w+\\s?)*$", {"「(\\w+\\s?)*」", "建议改写为：「^((?:\\w+(?:\\s\\w+)*\\s?)?)$」"}},
        // A line break in the attack text is spelled out, not broken.
        {u"^[^,]*,[^,]*,[^,]*$", {"\\n"}},
    };
    for (const auto& c : cases) {
        const QString tip = tipFor(QString::fromUtf16(c.pattern));
        for (const char* words : c.saying)
            EXPECT_TRUE(tip.contains(QString::fromUtf8(words))) << tip.toStdString();
    }
    EXPECT_FALSE(tipFor(QStringLiteral("\\w+@")).contains(QStringLiteral("建议改写")));
}

TEST(LintWording, SaysNothingOfASafeOrInvalidExpression)
{
    EXPECT_TRUE(tipFor(QStringLiteral("^\\d+$")).isEmpty());
    EXPECT_TRUE(tipFor(QStringLiteral("(a")).isEmpty());
}

TEST(LintWording, SaysWhenItCouldNotTell)
{
    LintReport undecided;
    undecided.verdict = LintReport::Verdict::Undecided;
    EXPECT_TRUE(lintWarningText(undecided, QStringLiteral("a")).startsWith(QStringLiteral("未能判定")));
}
