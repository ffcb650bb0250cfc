// The two readers under every language's code: the replacement read by
// JavaScript's rules, and the window's escapes rewritten one by one.
#include "core/codegen/codegen.h"
#include "core/codegen/replacementparts.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

// The parts written out: text as it is, a group as {n}, before and after
// as {`} and {'}.
QString spelled(const std::vector<ReplacementPart>& parts)
{
    QString out;
    for (const ReplacementPart& p : parts) {
        switch (p.kind) {
        case ReplacementPart::Kind::Text:
            out += p.text;
            break;
        case ReplacementPart::Kind::Group:
            out += u'{' + QString::number(p.group) + u'}';
            break;
        case ReplacementPart::Kind::Before:
            out += u"{`}"_qs;
            break;
        case ReplacementPart::Kind::After:
            out += u"{'}"_qs;
            break;
        }
    }
    return out;
}

// The pattern part of the Python code for an expression.
QString pythonPattern(const QString& expression)
{
    const QString code = codeFor(CodeLanguage::Python, {expression, {}, false}, CodeShape::Snippet);
    const qsizetype start = code.indexOf(u"re.compile("_qs) + 11;
    return code.mid(start, code.indexOf(u"\npieces"_qs) - start - 1);
}

} // namespace

TEST(ReplacementParts, DollarFormsAreReadAsTheWindowReadsThem)
{
    const QHash<QString, int> named{{u"y"_qs, 2}};
    const struct {
        QString replacement;
        int groups;
        bool names;
        QString expected;
    } cases[] = {
        {u"$$$&$`$'"_qs, 1, false, u"${0}{`}{'}"_qs},
        // Two digits when that group exists, else one and a literal digit.
        {u"$10"_qs, 1, false, u"{1}0"_qs},
        {u"$10"_qs, 10, false, u"{10}"_qs},
        {u"$01$0"_qs, 1, false, u"{1}$0"_qs},
        // A number naming no group stays as written.
        {u"$3"_qs, 2, false, u"$3"_qs},
        {u"$<y>$<z>"_qs, 2, true, u"{2}"_qs},
        // Without named groups, or without a closing >, $< is text.
        {u"$<y>"_qs, 2, false, u"$<y>"_qs},
        {u"$<y"_qs, 2, true, u"$<y"_qs},
        {u"a$"_qs, 0, false, u"a$"_qs},
        {u"$x"_qs, 0, false, u"$x"_qs},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spelled(replacementParts(c.replacement, c.groups, c.names ? named : QHash<QString, int>{}))
                      .toStdString(),
                  c.expected.toStdString())
            << c.replacement.toStdString();
}

TEST(PatternRewrite, EscapesStandForWhatTheWindowReadsInThem)
{
    const struct {
        QString expression;
        QString python;
    } cases[] = {
        {uR"~(\cJ\c1)~"_qs, uR"~(r"\n\\c1")~"_qs},         // \c without a letter is a backslash
        {uR"~([\c1\b\8])~"_qs, uR"~(r"[\u0011\u00088]")~"_qs}, // in a class \c takes a digit, \b is BS
        {uR"~(\10\8\0)~"_qs, uR"~(r"\u00088\u0000")~"_qs},
        {uR"~(\377\400)~"_qs, uR"~(r"ÿ 0")~"_qs},
        // \10 with fewer than ten groups is octal.
        {uR"~((a)\1\10)~"_qs, uR"~(r"(a)(?(1)\1)\u0008")~"_qs},
        {uR"~(\xZ\u12\o9\q\/)~"_qs, uR"~(r"xZu12o9q\/")~"_qs},
        {uR"~(a{x{1,2a{,5}])~"_qs, uR"~(r"a\{x\{1\,2a\{\,5\}\]")~"_qs},
        {uR"~(a{2}b{1,}c{0,3}?)~"_qs, uR"~(r"a{2}b{1,}c{0,3}?")~"_qs},
        {uR"~([]a[^])~"_qs, uR"~(r"(?!)a[\u0000-\U0010ffff]")~"_qs},
        {u"\u3000é\u2028"_qs, uR"~(r"　é\u2028")~"_qs},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pythonPattern(c.expression).toStdString(), c.python.toStdString()) << c.expression.toStdString();
}

TEST(PatternRewrite, ClassesHoldTheWindowsSets)
{
    const struct {
        QString expression;
        QString python;
    } cases[] = {
        // A hyphen next to a class escape is itself, on either side.
        {uR"~([\w-.])~"_qs, uR"~(r"[0-9A-Z\_a-z\-\.]")~"_qs},
        {uR"~([%-\d])~"_qs, uR"~(r"[\%\-0-9]")~"_qs},
        // Complements inside a class are written out, up to the last code point.
        {uR"~([\D])~"_qs, uR"~(r"[\u0000-\/\:-\U0010ffff]")~"_qs},
        {uR"~([^\W])~"_qs, uR"~(r"[^\u0000-\/\:-\@\[-\^\`\{-\U0010ffff]")~"_qs},
        // Characters Python would read as set syntax are escaped.
        {uR"~([[&^\]])~"_qs, uR"~(r"[\[\&\^\]]")~"_qs},
        {uR"~([\s])~"_qs, uR"~(r"[\t-\r \u00a0\u1680\u2000-\u200a\u2028\u2029\u202f\u205f\u3000\ufeff]")~"_qs},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pythonPattern(c.expression).toStdString(), c.python.toStdString()) << c.expression.toStdString();
}
