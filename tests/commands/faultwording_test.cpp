#include "core/regex/translator.h"
#include "core/regex/faultwording.h"

#include <QSet>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

QString wordingOf(const QString& expression, const QString& text = QString(), const QString& replacement = QString())
{
    RegExp engine;
    engine.Pattern(expression);
    engine.Global(true);
    engine.OutputLimit(1);
    try {
        engine.Replace(text, replacement);
    } catch (const RegexError& error) {
        return expressionFaultText(error, expression);
    }
    return QStringLiteral("(no fault)");
}

struct RealFault {
    QString expression;
    const char* wording;
};

// Run through the real engine, so a fault it reports under another code than
// the one meant shows up here.
TEST(FaultWording, TheEnginesReasonsInChineseWithThePlace)
{
    const RealFault rows[] = {
        {"a)", "表达式第 2 个字符处有错误：多了一个没有配对的“)”。"},
        {"x(ab", "表达式第 2 个字符处有错误：分组缺少“)”。"},
        {"*a", "表达式第 1 个字符处有错误：量词前面没有可以重复的内容。"},
        {"a{3,2}", "表达式第 2 个字符处有错误：{} 量词中的两个数字前大后小。"},
        {"a{70000}", "表达式第 2 个字符处有错误：重复次数超过了 65535。"},
        {"[z-a]", "表达式第 2 个字符处有错误：字符类中的范围前大后小。"},
        {"[ab", "表达式第 1 个字符处有错误：字符类缺少“]”。"},
        {"(?<n>a)(?<n>b)", "表达式第 11 个字符处有错误：捕获组的名称重复了。"},
        {R"(\k<m>(?<n>a))", "表达式第 1 个字符处有错误：引用了不存在的命名捕获组。"},
        // Places count characters: the Deseret letter is two code units.
        {QString::fromUtf8("\xF0\x90\x90\x80" "a)"), "表达式第 3 个字符处有错误：多了一个没有配对的“)”。"},
        {QString(kMaxPatternLength + 1, u'a'), "表达式太长：有 65537 个字符，最多只能有 65536 个。"},
        // Words that once reached the window in PCRE2's English.
        {R"(ab\)", "表达式第 3 个字符处有错误：“\\”后面缺少要转义的字符。"},
        {QString(R"(\d)").repeated(25000), "表达式第 49999 个字符处有错误：表达式编译后太大。"},
    };
    for (const RealFault& row : rows) {
        SCOPED_TRACE(row.expression.left(20).toStdString());
        EXPECT_EQ(wordingOf(row.expression), QString::fromUtf8(row.wording));
    }
    // OutputLimit(1) leaves the floor of four units per unit of text.
    EXPECT_EQ(wordingOf("a", "aaaa", QString(10, u'x')), "替换的结果将超过 16 个字符，替换已停止。");
}

// Outside quotation marks, which hold the expression's own characters, a
// wording is Chinese throughout.
bool hasLatinOutsideQuotes(const QString& wording)
{
    bool quoted = false;
    for (const QChar c : wording) {
        if (c == u'“' || c == u'”')
            quoted = c == u'“';
        else if (!quoted && c.isLetter() && c.unicode() < 0x80)
            return true;
    }
    return false;
}

TEST(FaultWording, EveryCodeHasAChineseWordingOfItsOwn)
{
    QSet<QString> seen;
    for (int i = 0; i < kRegexErrorCodeCount; ++i) {
        const RegexError error(RegexErrorCode(i), 3, {5, 9});
        SCOPED_TRACE(error.what());
        const QString wording = expressionFaultText(error, "(?:abc");
        EXPECT_FALSE(wording.endsWith(QStringLiteral("：。")) || wording == QStringLiteral("。")) << "no reason";
        EXPECT_FALSE(hasLatinOutsideQuotes(wording)) << wording.toStdString();
        EXPECT_FALSE(seen.contains(wording)) << "worded as another code is";
        seen.insert(wording);
    }
}

struct GivenFault {
    RegexError error;
    const char* wording;
};

// Searches that give up depend on the text and the machine, and PCRE2's
// rarer refusals on its version, so these are made as the engine makes them.
TEST(FaultWording, GivingUpAndPcre2Refusals)
{
    using enum RegexErrorCode;
    const GivenFault rows[] = {
        {RegexError(TookTooLong), "在这段文本上用时太长，搜索已停止。"},
        {RegexError(BacktracksWithoutEnd), "表达式在这段文本上回溯次数太多，搜索已停止。"},
        {RegexError(NeedsTooMuchMemory), "表达式在这段文本上需要的内存太多，搜索已停止。"},
        {RegexError(OutOfMemory), "内存不足，搜索已停止。"},
        {RegexError(ExtractResultTooLong, -1, {.limit = 40}), "提取的结果将超过 40 个字符，提取已停止。"},
        {RegexError::searchFailed(-47), "搜索未能完成（错误号 -47）。"},
        {RegexError::compileFailed(125, 3), "表达式第 4 个字符处有错误：后行断言的长度不固定。"},
        {RegexError::compileFailed(120, 6), "表达式末尾有错误：表达式编译后太大。"},
        {RegexError::compileFailed(121, 6), "内存不足，搜索已停止。"},
        {RegexError::compileFailed(186, 0), "表达式第 1 个字符处有错误：表达式太复杂。"},
        {RegexError::compileFailed(115, 3), "表达式第 4 个字符处有错误：表达式无法编译（错误号 115）。"},
    };
    for (const GivenFault& row : rows) {
        SCOPED_TRACE(row.error.what());
        EXPECT_EQ(expressionFaultText(row.error, "(?:abc"), QString::fromUtf8(row.wording));
    }
}

} // namespace
} // namespace pattaro
