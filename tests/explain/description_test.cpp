// Every construct docs/regex-dialect.md lists, in its order, with the
// sentence the explanation gives it: a construct read as something else, or
// described by a neighbour's sentence, shows here.
#include "core/explain/description.h"
#include "core/explain/syntaxtree.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

// The first node, in reading order, whose source text is `written`.
const SyntaxNode* findWritten(const SyntaxNode& node, const QString& source, const QString& written)
{
    if (node.what.kind != SyntaxKind::Expression && source.mid(node.what.start, node.what.end - node.what.start) == written)
        return &node;
    for (const SyntaxNode& child : node.children) {
        if (const SyntaxNode* found = findWritten(child, source, written))
            return found;
    }
    return nullptr;
}

struct Construct {
    const char16_t* pattern;
    const char16_t* piece; // the piece's source text; empty for the whole expression
    const char* chinese;
    const char* english;
    ExpressionFlags flags = {};
};

} // namespace

TEST(Description, EveryConstructOfTheDialectHasItsOwnSentence)
{
    const Construct constructs[] = {
        // Settings.
        {u"a", u"", "整个表达式，无标志", "the whole expression, no flags"},
        {u"a", u"", "整个表达式，标志：忽略大小写（i）、多行（m）、全局（g）",
         "the whole expression, flags: ignore case (i), multiline (m), global (g)", {true, true, true}},
        // Structure.
        {u"a|bc", u"a|bc", "以下 2 个分支任选其一，自左向右尝试", "one of 2 alternatives, tried left to right"},
        {u"a|bc", u"bc", "第 2 个分支", "alternative 2"},
        {u"a|", u"a|", "以下 2 个分支任选其一，自左向右尝试", "one of 2 alternatives, tried left to right"},
        {u"(a)", u"(a)", "第 1 个捕获组", "capturing group 1"},
        {u"(?:a)", u"(?:a)", "分组（不捕获）", "non-capturing group"},
        {u"(a)(?<year>b)", u"(?<year>b)", "第 2 个捕获组，名为“year”", "capturing group 2, named “year”"},
        {u"(?=a)", u"(?=a)", "其后必须是……（先行断言）", "must be followed by … (look-ahead)"},
        {u"(?!a)", u"(?!a)", "其后不能是……（否定先行断言）", "must not be followed by … (negative look-ahead)"},
        {u"(?<=a)", u"(?<=a)", "其前必须是……（后行断言）", "must be preceded by … (look-behind)"},
        {u"(?<!a)", u"(?<!a)", "其前不能是……（否定后行断言）", "must not be preceded by … (negative look-behind)"},
        // Quantifiers.
        {u"a*", u"a*", "重复 0 次或更多次（贪婪）", "repeated 0 or more times (greedy)"},
        {u"a+", u"a+", "重复 1 次或更多次（贪婪）", "repeated 1 or more times (greedy)"},
        {u"a?", u"a?", "可有可无（0 或 1 次）（贪婪）", "optional (0 or 1 time) (greedy)"},
        {u"a{3}", u"a{3}", "重复 3 次（贪婪）", "repeated exactly 3 times (greedy)"},
        {u"a{2,}", u"a{2,}", "重复 2 次或更多次（贪婪）", "repeated 2 or more times (greedy)"},
        {u"a{2,5}", u"a{2,5}", "重复 2 到 5 次（贪婪）", "repeated 2 to 5 times (greedy)"},
        {u"a{2,70000}", u"a{2,70000}", "重复 2 到 70000 次（贪婪）", "repeated 2 to 70000 times (greedy)"},
        {u"a+?", u"a+?", "重复 1 次或更多次（非贪婪，尽量少）", "repeated 1 or more times (lazy, as few as possible)"},
        {u"a{", u"{", "`{` 在此为普通字符", "`{` is an ordinary character here"},
        {u"x{1,2", u"{", "`{` 在此为普通字符", "`{` is an ordinary character here"},
        {u"a{,5}", u"}", "`}` 在此为普通字符", "`}` is an ordinary character here"},
        {u"a]", u"]", "`]` 在此为普通字符", "`]` is an ordinary character here"},
        {u"(?=a)*", u"(?=a)*", "先行断言可重复 0 次：这个断言不起作用",
         "a look-ahead that may run 0 times: it has no effect"},
        {u"(?=a){2}", u"(?=a){2}", "先行断言的重复只算一次：照常检查一次", "a repeated look-ahead: checked once as usual"},
        // Characters and escapes.
        {u"ab", u"ab", "文本“ab”", "the text “ab”"},
        {u"中", u"中", "字符 中", "the character 中"},
        {u".", u".", "除换行符（LF、CR、U+2028、U+2029）外的任一字符",
         "any character but the line terminators LF, CR, U+2028, U+2029"},
        {u"^", u"^", "文本开头", "start of the text"},
        {u"$", u"$", "文本末尾", "end of the text"},
        {u"^", u"^", "行首：文本开头或任一换行符之后（多行）",
         "start of a line: of the text or after any line terminator (multiline)", {false, true, false}},
        {u"$", u"$", "行尾：文本末尾或任一换行符之前（多行）",
         "end of a line: of the text or before any line terminator (multiline)", {false, true, false}},
        {u"\\d", u"\\d", "任一数字 0–9", "any digit 0–9"},
        {u"\\D", u"\\D", "任一非数字字符", "any character but a digit"},
        {u"\\w", u"\\w", "任一单词字符（A–Z、a–z、0–9、_）", "any word character (A–Z, a–z, 0–9, _)"},
        {u"\\W", u"\\W", "任一非单词字符", "any character but a word character"},
        {u"\\s", u"\\s", "任一空白符或换行符", "any white space or line terminator"},
        {u"\\S", u"\\S", "任一非空白、非换行字符", "any character but white space and line terminators"},
        {u"\\b", u"\\b", "单词边界：一边是单词字符，另一边不是", "word boundary: a word character on one side only"},
        {u"\\B", u"\\B", "非单词边界：两边同为单词字符或同不是", "not a word boundary: both sides alike"},
        {u"\\f", u"\\f", "`\\f` 即 换页符 FF（U+000C）", "`\\f` is form feed FF (U+000C)"},
        {u"\\n", u"\\n", "`\\n` 即 换行符 LF（U+000A）", "`\\n` is line feed LF (U+000A)"},
        {u"\\r", u"\\r", "`\\r` 即 回车符 CR（U+000D）", "`\\r` is carriage return CR (U+000D)"},
        {u"\\t", u"\\t", "`\\t` 即 制表符 TAB（U+0009）", "`\\t` is tab TAB (U+0009)"},
        {u"\\v", u"\\v", "`\\v` 即 垂直制表符 VT（U+000B）", "`\\v` is vertical tab VT (U+000B)"},
        {u"\\cJ", u"\\cJ", "`\\cJ` 即控制字符 换行符 LF（U+000A）", "`\\cJ` is the control character line feed LF (U+000A)"},
        {u"\\c1", u"\\", "`\\c` 后面没有控制字母：`\\` 在此为普通字符，c 即字符 c",
         "`\\c` without a control letter: `\\` is an ordinary character, c is c"},
        {u"\\x41", u"\\x41", "`\\x41` 即 A", "`\\x41` is A"},
        {u"\\xg", u"\\x", "`\\x` 后面不是两位十六进制数：即字符 x", "`\\x` without two hex digits is x"},
        {u"\\u4e00", u"\\u4e00", "`\\u4e00` 即 一", "`\\u4e00` is 一"},
        {u"\\u12", u"\\u", "`\\u` 后面不是四位十六进制数：即字符 u", "`\\u` without four hex digits is u"},
        {u"\\u{3}", u"\\u{3}", "重复 3 次（贪婪）", "repeated exactly 3 times (greedy)"},
        {u"\\o011", u"\\o011", "`\\o011` 即八进制码对应的字符 制表符 TAB（U+0009）",
         "`\\o011` is the octal code of tab TAB (U+0009)"},
        {u"\\o9", u"\\o", "`\\o` 后面没有八进制数字：即字符 o", "`\\o` without an octal digit is o"},
        {u"\\0", u"\\0", "`\\0` 即 空字符 NUL（U+0000）", "`\\0` is NUL (U+0000)"},
        {u"(a)\\1", u"\\1", "引用第 1 组匹配到的文本", "the text group 1 matched"},
        {u"\\1(a)", u"\\1", "引用第 1 组匹配到的文本", "the text group 1 matched"},
        {u"(a)\\10", u"\\10", "`\\10` 不是反向引用，按旧式八进制读：即字符 退格符 BS（U+0008）",
         "`\\10` is no back-reference but legacy octal: backspace BS (U+0008)"},
        {u"\\8", u"\\8", "`\\8` 即字符 8", "`\\8` is the character 8"},
        {u"\\9", u"\\9", "`\\9` 即字符 9", "`\\9` is the character 9"},
        {u"(?<n>a)\\k<n>", u"\\k<n>", "引用第 1 组（“n”）匹配到的文本", "the text group 1 (“n”) matched"},
        {u"\\k<n>", u"\\k", "表达式中没有命名组，`\\k` 即字符 k", "no group has a name, so `\\k` is k"},
        {u"\\/", u"\\/", "`\\/` 即字符 /", "`\\/` is the character /"},
        // Character classes.
        {u"[a-z_]", u"[a-z_]", "a–z、_ 中的任一字符", "any character in a–z, _"},
        {u"[^a-z]", u"[^a-z]", "不在 a–z 中的任一字符", "any character not in a–z"},
        {u"[^\\d\\s.]", u"[^\\d\\s.]", "不在 \\d、\\s、. 中的任一字符", "any character not in \\d, \\s, ."},
        {u"[a-z]", u"a-z", "从 a 到 z 的任一字符", "any character from a to z"},
        {u"[\\u4e00-\\u9fa5]", u"\\u4e00-\\u9fa5", "从 一 到 龥 的任一字符", "any character from 一 to 龥"},
        {u"[\\d]", u"\\d", "任一数字 0–9", "any digit 0–9"},
        {u"[[]", u"[", "`[` 在此为普通字符", "`[` is an ordinary character here"},
        {u"[\\b]", u"\\b", "`\\b` 在字符类中即退格符（U+0008）", "`\\b` in a class is the backspace (U+0008)"},
        {u"[\\c1]", u"\\c1", "`\\c1` 即控制字符 U+0011", "`\\c1` is the control character U+0011"},
        {u"(a)[\\1]", u"\\1", "`\\1` 不是反向引用，按旧式八进制读：即字符 U+0001",
         "`\\1` is no back-reference but legacy octal: U+0001"},
        {u"[\\d-z]", u"-", "`-` 在此为普通字符", "`-` is an ordinary character here"},
        {u"[a-]", u"-", "`-` 在此为普通字符", "`-` is an ordinary character here"},
        {u"[]", u"[]", "空字符类：什么也不匹配", "an empty class: matches nothing"},
        {u"[^]", u"[^]", "任一字符（包括换行符）", "any character, line terminators included"},
    };
    for (const Construct& c : constructs) {
        const QString pattern = QString::fromUtf16(c.pattern);
        const QString piece = QString::fromUtf16(c.piece);
        SCOPED_TRACE(pattern.toStdString() + " : " + piece.toStdString());
        const SyntaxTree tree = readSyntaxTree(pattern, c.flags);
        ASSERT_FALSE(tree.error.has_value());
        const SyntaxNode* node = piece.isEmpty() ? &tree.root : findWritten(tree.root, pattern, piece);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(describe(*node, tree, ExplainLanguage::Chinese).toStdString(), c.chinese);
        EXPECT_EQ(describe(*node, tree, ExplainLanguage::English).toStdString(), c.english);
    }
}
