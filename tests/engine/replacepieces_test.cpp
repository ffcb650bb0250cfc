// A replace handed out in pieces must add up to the same text as the whole
// one, and stop at the same output limit, however the pieces fall.
#include "core/regex/regexp.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

QString replaceInPieces(RegExp& re, const QString& text, const QString& replacement)
{
    QString out;
    re.Replace(text, replacement, [&out](QStringView piece) { out += piece; });
    return out;
}

TEST(ReplaceInPieces, AddsUpToTheWholeReplace)
{
    // Long enough that the pieces are handed over many times; $` gives
    // pieces longer than the engine's whole buffer.
    QString numbers;
    for (int i = 0; i < 60000; ++i)
        numbers += QStringLiteral("x%1\r\n").arg(i);
    const struct {
        const char* name;
        QString pattern;
        QString text;
        QString replacement;
    } cases[] = {
        {"many matches", QStringLiteral("\\d+"), numbers, QStringLiteral("<$&>")},
        {"no match", QStringLiteral("z"), numbers, QStringLiteral("#")},
        {"matches deleted", QStringLiteral("x"), numbers, QString()},
        {"long prefixes", QStringLiteral("^x5999\\d$"), numbers, QStringLiteral("$`")},
        {"empty text", QStringLiteral("a"), QString(), QStringLiteral("b")},
    };
    RegExp re;
    re.Global(true);
    re.Multiline(true);
    // A clock that stands still: no search here gives up on a busy machine.
    re.Clock([] { return std::int64_t(0); });
    for (const auto& c : cases) {
        re.Pattern(c.pattern);
        EXPECT_EQ(replaceInPieces(re, c.text, c.replacement), re.Replace(c.text, c.replacement)) << c.name;
    }
}

TEST(ReplaceInPieces, MarksStandAroundEachReplacementOnly)
{
    RegExp re;
    re.Global(true);
    re.Clock([] { return std::int64_t(0); });
    const struct {
        const char* pattern;
        const char* text;
        const char* replacement;
        const char* marked;
    } cases[] = {
        {"b", "abcb", "[$&]", "a<[b]>c<[b]>"},
        {"z", "abc", "#", "abc"},
        // A match replaced by nothing is still shown where it was.
        {"b", "abc", "", "a<>c"},
        {"", "ab", "-", "<->a<->b<->"},
    };
    for (const auto& c : cases) {
        re.Pattern(c.pattern);
        QString out;
        re.Replace(c.text, c.replacement, {u"<", u">"}, [&out](QStringView piece) { out += piece; });
        EXPECT_EQ(out, QString::fromUtf8(c.marked)) << c.pattern;
    }
}

TEST(ReplaceInPieces, StopsAtTheOutputLimitAcrossPieces)
{
    RegExp re;
    re.Global(true);
    re.Pattern("a");
    re.Clock([] { return std::int64_t(0); });
    re.OutputLimit(0);
    // Four units per unit of text is the limit, reached only after many
    // pieces have gone.
    const QString text(100000, u'a');
    EXPECT_EQ(replaceInPieces(re, text, "$&$&$&$&").size(), 400000);
    EXPECT_THROW(replaceInPieces(re, text, "$&$&$&$&$&"), RegexError);
    // One piece far beyond the limit on its own.
    EXPECT_THROW(replaceInPieces(re, text, "$`"), RegexError);
}

} // namespace
