// The tree comes from the translator's own reading: these catch pieces
// told twice, told in the wrong container, or wrapped by the wrong quantifier.
#include "core/explain/description.h"
#include "core/explain/syntaxtree.h"
#include "core/regex/translator.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

// kind[child,child] with each node's source text, to compare in one line.
QString shape(const SyntaxNode& node, const QString& source)
{
    QString s = kindName(node.what.kind);
    if (node.what.kind != SyntaxKind::Expression)
        s += u'"' + source.mid(node.what.start, node.what.end - node.what.start) + u'"';
    if (node.children.empty())
        return s;
    QStringList children;
    for (const SyntaxNode& child : node.children)
        children << shape(child, source);
    return s + u'[' + children.join(u',') + u']';
}

} // namespace

TEST(SyntaxTree, EachPieceOnceInItsPlace)
{
    const struct {
        const char16_t* pattern;
        const char* shape;
    } cases[] = {
        {u"", "expression"},
        {u"abc", "expression[text\"abc\"]"},
        {u"abc+", "expression[text\"ab\",quantifier\"c+\"[character\"c\"]]"},
        {u"a|b|", "expression[alternation\"a|b|\"[alternative\"a\"[character\"a\"],alternative\"b\"[character\"b\"],"
                  "alternative\"\"]]"},
        {u"(a|bc)+?", "expression[quantifier\"(a|bc)+?\"[capturingGroup\"(a|bc)\"[alternation\"a|bc\"["
                      "alternative\"a\"[character\"a\"],alternative\"bc\"[text\"bc\"]]]]]"},
        // Read again to be written another way: still once.
        {u"(?<=a+|b)c", "expression[lookbehind\"(?<=a+|b)\"[alternation\"a+|b\"[alternative\"a+\"["
                        "quantifier\"a+\"[character\"a\"]],alternative\"b\"[character\"b\"]]],character\"c\"]"},
        {u"(?<=(\\d{1,3})x)", "expression[lookbehind\"(?<=(\\d{1,3})x)\"[capturingGroup\"(\\d{1,3})\"["
                              "quantifier\"\\d{1,3}\"[classEscape\"\\d\"]],character\"x\"]]"},
        {u"(a*)+", "expression[quantifier\"(a*)+\"[capturingGroup\"(a*)\"[quantifier\"a*\"[character\"a\"]]]]"},
        {u"(?:(a)|b)+", "expression[quantifier\"(?:(a)|b)+\"[nonCapturingGroup\"(?:(a)|b)\"[alternation\"(a)|b\"["
                        "alternative\"(a)\"[capturingGroup\"(a)\"[character\"a\"]],alternative\"b\"[character\"b\"]]]]]"},
        {u"[^a-z\\d-]", "expression[class\"[^a-z\\d-]\"[classRange\"a-z\",classEscape\"\\d\",character\"-\"]]"},
        {u"[\\d-z]", "expression[class\"[\\d-z]\"[classEscape\"\\d\",character\"-\",character\"z\"]]"},
        {u"(?=a)*b", "expression[quantifier\"(?=a)*\"[lookahead\"(?=a)\"[character\"a\"]],character\"b\"]"},
        {u"a{,5}", "expression[character\"a\",character\"{\",text\",5\",character\"}\"]"},
        {u"a{2}\\1", "expression[quantifier\"a{2}\"[character\"a\"],character\"\\1\"]"},
    };
    for (const auto& c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern);
        SCOPED_TRACE(pattern.toStdString());
        const SyntaxTree tree = readSyntaxTree(pattern, {});
        ASSERT_FALSE(tree.error.has_value());
        EXPECT_EQ(shape(tree.root, pattern).toStdString(), c.shape);
    }
}

TEST(SyntaxTree, TellingTheTreeLeavesTheTranslationAlone)
{
    class Ignoring : public SyntaxSink {
        void open(const SyntaxEvent&) override {}
        void close(qsizetype) override {}
        void piece(const SyntaxEvent&) override {}
        void quantify(const SyntaxEvent&) override {}
    };
    const char16_t* patterns[] = {
        u"(a|b)*c", u"(?<=\\$\\s*)\\d+", u"(?<=<(b|strong)>)", u"(|a){2,}", u"(?:(a)|b\\1)+", u"(?<k>x)\\k<k>",
        u"[\\u4e00-\\u9fa5]+?", u"(?=(a))*b", u"\\8\\cJ\\c1[\\c1\\b]",
    };
    for (const char16_t* p : patterns) {
        const QString pattern = QString::fromUtf16(p);
        SCOPED_TRACE(pattern.toStdString());
        Ignoring sink;
        const Translation told = translatePattern(pattern, true, true, &sink);
        const Translation plain = translatePattern(pattern, true, true);
        EXPECT_EQ(told.pattern, plain.pattern);
        EXPECT_EQ(told.guardedPattern, plain.guardedPattern);
    }
}

TEST(SyntaxTree, TheCaretFindsTheInnermostPiece)
{
    const struct {
        const char16_t* pattern;
        qsizetype offset;
        std::vector<int> path;
    } cases[] = {
        {u"a(bc)+", 0, {0}},          // the a of the text "a"
        {u"a(bc)+", 1, {1, 0}},       // the group's parenthesis
        {u"a(bc)+", 2, {1, 0, 0}},    // the text inside
        {u"a(bc)+", 5, {1}},          // the + belongs to the quantifier
        {u"a(bc)+", 6, {1}},          // past the end: the last unit
        {u"a|b", 2, {0, 1, 0}},
        {u"", 0, {}},
    };
    for (const auto& c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern);
        SCOPED_TRACE(pattern.toStdString() + " @" + std::to_string(c.offset));
        EXPECT_EQ(pathToOffset(readSyntaxTree(pattern, {}).root, c.offset), c.path);
    }
}

TEST(SyntaxTree, ARefusedExpressionSaysWhereAndWhy)
{
    const struct {
        const char16_t* pattern;
        const char* chinese;
        const char* english;
    } cases[] = {
        {u"a(b", "表达式第 2 个字符处有错误：分组缺少“)”。", "Unterminated group at offset 1 of the expression"},
        {u"ab)", "表达式第 3 个字符处有错误：多了一个没有配对的“)”。",
         "Unmatched ')' at offset 2 of the expression"},
        {u"[b-a]", "表达式第 2 个字符处有错误：字符类中的范围前大后小。",
         "Range out of order in character class at offset 1 of the expression"},
        {u"(?<=a)+", "表达式第 7 个字符处有错误：量词无效。", "Invalid quantifier at offset 6 of the expression"},
    };
    for (const auto& c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern);
        SCOPED_TRACE(pattern.toStdString());
        const SyntaxTree tree = readSyntaxTree(pattern, {});
        ASSERT_TRUE(tree.error.has_value());
        EXPECT_TRUE(tree.root.children.empty());
        EXPECT_EQ(describeError(tree, ExplainLanguage::Chinese).toStdString(), c.chinese);
        EXPECT_EQ(describeError(tree, ExplainLanguage::English).toStdString(), c.english);
    }
}
