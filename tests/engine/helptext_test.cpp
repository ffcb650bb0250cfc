// The built-in help promises what its examples and ready-made expressions
// do; each is held to its description here.
#include "core/regex/regexp.h"
#include "ui/helptext.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

using namespace pattaro;

namespace {

struct Promise {
    const char16_t* expression;
    QStringList matching;  // texts that the expression must match in full
    QStringList rejected;  // texts it must not match in full
};

// The first match in `text`, or a null string.
QString firstMatch(const QString& expression, const QString& text)
{
    RegExp re;
    re.Global(true);
    re.Multiline(true);
    re.Pattern(expression);
    const MatchCollection m = re.Execute(text);
    return m.Count() ? m.Item(0).Value() : QString();
}

// Whether the first match covers the whole of `text`.
bool matchesWhole(const QString& expression, const QString& text)
{
    RegExp re;
    re.Pattern(expression);
    const MatchCollection m = re.Execute(text);
    return m.Count() == 1 && m.Item(0).FirstIndex() == 0 && m.Item(0).Length() == text.size();
}

void checkPromises(const std::vector<Promise>& promises)
{
    for (const Promise& p : promises) {
        const QString expression = QString::fromUtf16(p.expression);
        SCOPED_TRACE(expression.toStdString());
        for (const QString& text : p.matching)
            EXPECT_TRUE(matchesWhole(expression, text)) << "should match all of " << text.toStdString();
        for (const QString& text : p.rejected)
            EXPECT_FALSE(matchesWhole(expression, text)) << "should not match " << text.toStdString();
    }
}

} // namespace

TEST(HelpText, ReadyMadeNumberAndWordExpressions)
{
    checkPromises({
        {uR"(^\d+$)", {"0", "42", "007"}, {"-1", "1.5", "", "a1"}},
        {uR"(^[0-9]*[1-9][0-9]*$)", {"1", "10", "0100"}, {"0", "000", "-5", "1.0"}},
        {uR"(^((-\d+)|(0+))$)", {"0", "000", "-7", "-0"}, {"7", "-", "-1.5"}},
        {uR"(^-[0-9]*[1-9][0-9]*$)", {"-1", "-10"}, {"-0", "1", "-1.5"}},
        {uR"(^-?\d+$)", {"12", "-12", "0"}, {"1.2", "--1", "+1"}},
        {uR"(^\d+(\.\d+)?$)", {"0", "1.5", "10.25"}, {"-1.5", "1.", ".5"}},
        {uR"(^(([0-9]+\.[0-9]*[1-9][0-9]*)|([0-9]*[1-9][0-9]*\.[0-9]+)|([0-9]*[1-9][0-9]*))$)",
         {"1", "0.5", "12.0", "3.14"}, {"0", "0.0", "-1.5", "abc"}},
        {uR"(^((-\d+(\.\d+)?)|(0+(\.0+)?))$)", {"-1", "-1.5", "0", "0.00"}, {"1.5", "0.1"}},
        {uR"(^(-(([0-9]+\.[0-9]*[1-9][0-9]*)|([0-9]*[1-9][0-9]*\.[0-9]+)|([0-9]*[1-9][0-9]*)))$)",
         {"-1", "-0.5", "-12.0"}, {"-0", "-0.0", "1.5"}},
        {uR"(^(-?\d+)(\.\d+)?$)", {"1", "-1", "-1.25", "3.0"}, {"1.", "a", "1.2.3"}},
        {uR"(^[A-Za-z]+$)", {"abc", "ABCxyz"}, {"ab1", "a_b", "é"}},
        {uR"(^[A-Z]+$)", {"ABC"}, {"AbC", "A1"}},
        {uR"(^[a-z]+$)", {"abc"}, {"abC", "a1"}},
        {uR"(^[A-Za-z0-9]+$)", {"a1B2"}, {"a_1", "a-1"}},
        {uR"(^\w+$)", {"a_1B"}, {"a-1", "中文", "a b"}},
    });
}

TEST(HelpText, ReadyMadeTextExpressions)
{
    checkPromises({
        {uR"([\u4e00-\u9fa5])", {"中", "文", "龥"}, {"a", "。", "ぁ"}},
        {uR"([^\x00-\xff])", {"中", "。", "Ā"}, {"a", "ÿ", "\t"}},
        {uR"([\w-]+(\.[\w-]+)*@[\w-]+(\.[\w-]+)+)", {"a.b-c@d-e.org", "x_y@a.b.c"}, {"a@b", "@b.c"}},
        {uR"([a-zA-z]+:\/\/(\w+(-\w+)*)(\.(\w+(-\w+)*))*(\?\S*)?)",
         {"http://www.example-site.com", "https://a.b?x=1&y=2", "ftp://host"}, {"http:/x", "://a.b"}},
        {uR"(<(.*)>.*<\/\1>|<(.*) \/>)", {"<b>bold</b>", "<br />"}, {"<b>x</i>", "<br/>"}},
    });
}

TEST(HelpText, BlankLineAndTrimExpressionsOnPaneText)
{
    // Pane text uses CR LF; a blank line shows as LF … CR.
    EXPECT_EQ(firstMatch(uR"(\n[\s| ]*\r)"_qs, "a\r\n  \r\nb"), "\n  \r");
    EXPECT_EQ(firstMatch(uR"(\n[\s| ]*\r)"_qs, "a\r\nb\r\n"), QString());

    RegExp trim;
    trim.Global(true);
    trim.Multiline(true);
    trim.Pattern(uR"((^\s*)|(\s*$))"_qs);
    EXPECT_EQ(trim.Replace("  ab c \t", ""), "ab c");
}

TEST(HelpText, AnchoredExpressionsFindEachLineOfAPane)
{
    // Global and multi-line, as the window sets them: one match per line.
    RegExp re;
    re.Global(true);
    re.Multiline(true);
    re.Pattern(uR"(^-?\d+$)"_qs);
    const MatchCollection m = re.Execute("12\r\nx3\r\n-4\r\n\r\n5");
    ASSERT_EQ(m.Count(), 3);
    EXPECT_EQ(m.Item(0).Value(), "12");
    EXPECT_EQ(m.Item(1).Value(), "-4");
    EXPECT_EQ(m.Item(1).FirstIndex(), 8);
    EXPECT_EQ(m.Item(2).Value(), "5");
}

TEST(HelpText, DescribedSymbolsAndEscapes)
{
    checkPromises({
        {u"^abc", {"abc"}, {}},
        {u"ab*", {"a", "ab", "abbb"}, {}},
        {u"ab+", {"ab", "abbb"}, {"a"}},
        {u"ab?c?", {"abc", "ab", "a"}, {"abbc"}},
        {u"(.)+", {"any text"}, {"a\r\nb"}},
        {u"ab(c|x)yz", {"abcyz", "abxyz"}, {"abyz"}},
        {u"a{2}", {"aa"}, {"a"}},
        {u"a{3,}", {"aaa", "aaaa"}, {"aa"}},
        {u"a{1,3}", {"a", "aaa"}, {"aaaa"}},
        {u"[^abc]", {"d"}, {"a", "b", "c"}},
        {u"[a-z]", {"m"}, {"M"}},
        {uR"(\n\f\r\t\v)", {"\n\f\r\t\v"}, {}},
        {uR"(\\\/)", {"\\/"}, {}},
        {uR"(\s\S)", {"\va", "\u3000b"}, {"  "}},
        {uR"(\w\W)", {"a-", "_ "}, {"ab", "中a"}},
        {uR"(abc\dxyz)", {"abc2xyz", "abc4xyz"}, {"abcaxyz", "abc-xyz"}},
        {uR"(abc\Dxyz)", {"abcaxyz", "abc-xyz"}, {"abc2xyz"}},
        {uR"((.)\1)", {"aa", "中中"}, {"ab", "\n\n"}},
        {uR"(\o011)", {"\t"}, {"o011"}},
        {uR"(\x41)", {"A"}, {"a"}},
    });
    EXPECT_EQ(firstMatch("abc$", "xyz abc"), "abc");
    EXPECT_EQ(firstMatch("abc$", "abc xyz"), QString());
    EXPECT_EQ(firstMatch("^abc", "xyz abc"), QString());
    EXPECT_EQ(firstMatch("abc|xyz", "--xyz"), "xyz");
    EXPECT_EQ(firstMatch(uR"(ve\b)"_qs, "love"), "ve");
    EXPECT_EQ(firstMatch(uR"(ve\b)"_qs, "very even"), QString());
    EXPECT_EQ(firstMatch(uR"(ve\B)"_qs, "very"), "ve");
    EXPECT_EQ(firstMatch(uR"(ve\B)"_qs, "love"), QString());
}

TEST(HelpText, ExamplesReadFromTheHelpLinesHold)
{
    // Each line reads "<expression><description>": the expression runs up
    // to the first character that is not ASCII; the quoted texts before 但不
    // or 除 are matched, those after are not; a quoted text after 等价于 is
    // an expression that must answer the same.
    struct LineExamples {
        int line;   // 1-based, as the help pane shows it
        bool whole; // the texts are matched in full, not merely found in
        QStringList alsoMatching, alsoRejected; // implied by the line, not quoted
    };
    const std::vector<LineExamples> examples = {
        {15, true, {}, {}},
        {18, true, {}, {"abbc", "abcc", "abbcc", "b", "ca"}},
        {48, true, {"a", "l", "o"}, {}},
        {61, true, {"a", "-"}, {" ", "\f", "\n", "\r", "\t", "\v"}},
        {66, false, {}, {}},
        {69, false, {}, {}},
    };
    const QStringList lines = helpText().split(u"\r\n"_qs);
    const QRegularExpression quoted(u"(但不|除)|(等价于)?“([^”]*)”"_qs);
    for (const LineExamples& e : examples) {
        const QString line = lines.value(e.line - 1);
        SCOPED_TRACE("line " + std::to_string(e.line) + ": " + line.toStdString());
        const qsizetype described = line.indexOf(QRegularExpression(u"[^\\x00-\\x7f]"_qs));
        ASSERT_GT(described, 0);
        QStringList expressions{line.left(described)};
        QStringList matching = e.alsoMatching, rejected = e.alsoRejected;
        bool negated = false;
        for (const QRegularExpressionMatch& m : quoted.globalMatch(line, described)) {
            if (m.hasCaptured(1))
                negated = true;
            else if (m.hasCaptured(2))
                expressions << m.captured(3);
            else
                (negated ? rejected : matching) << m.captured(3);
        }
        EXPECT_FALSE(matching.isEmpty());
        EXPECT_FALSE(rejected.isEmpty());
        for (const QString& expression : expressions) {
            RegExp re;
            re.Pattern(e.whole ? u"^(?:"_qs + expression + u")$"_qs : expression);
            for (const QString& text : matching)
                EXPECT_TRUE(re.Test(text)) << expression.toStdString() << " should match " << text.toStdString();
            for (const QString& text : rejected)
                EXPECT_FALSE(re.Test(text)) << expression.toStdString() << " should not match " << text.toStdString();
        }
    }
}
