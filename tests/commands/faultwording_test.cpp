#include "app/components/regex/translator.h"
#include "app/faultwording.h"

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

// Run through the real engine, so a change to its messages that the window
// no longer recognises shows up here rather than as English in the window.
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
    };
    for (const RealFault& row : rows) {
        SCOPED_TRACE(row.expression.left(20).toStdString());
        EXPECT_EQ(wordingOf(row.expression), QString::fromUtf8(row.wording));
    }
    // OutputLimit(1) leaves the floor of four units per unit of text.
    EXPECT_EQ(wordingOf("a", "aaaa", QString(10, u'x')), "替换的结果将超过 16 个字符，替换已停止。");
}

struct GivenFault {
    RegexError::Kind kind;
    const char* message;
    qsizetype offset;
    const char* wording;
};

// Searches that give up depend on the text and the machine, so these are
// the engine's messages as it words them; the last rows are reasons the
// window has no wording for.
TEST(FaultWording, GivingUpAndUnknownReasons)
{
    using enum RegexError::Kind;
    const GivenFault rows[] = {
        {GaveUp, "The search took too long on this text and was stopped", -1, "在这段文本上用时太长，搜索已停止。"},
        {GaveUp, "The expression backtracks without end on this text; the search was stopped", -1,
         "表达式在这段文本上回溯次数太多，搜索已停止。"},
        {GaveUp, "The expression needs too much memory on this text; the search was stopped", -1,
         "表达式在这段文本上需要的内存太多，搜索已停止。"},
        {GaveUp, "There is not enough memory for this search; it was stopped", -1, "内存不足，搜索已停止。"},
        {GaveUp, "The search failed: bad things", -1, "搜索未能完成（The search failed: bad things）。"},
        {InvalidPattern, "odd thing at offset 3 of the expression", 3, "表达式第 4 个字符处有错误（odd thing）。"},
        {InvalidPattern, "missing ) at offset 6 of the expression", 6, "表达式末尾有错误（missing )）。"},
        {InvalidPattern, "odd thing", -1, "表达式有错误（odd thing）。"},
    };
    for (const GivenFault& row : rows) {
        SCOPED_TRACE(row.message);
        const RegexError error(row.kind, QString::fromUtf8(row.message), row.offset);
        EXPECT_EQ(expressionFaultText(error, "(?:abc"), QString::fromUtf8(row.wording));
    }
}

} // namespace
} // namespace pattaro
