// What the code for each language says, piece by piece: its string literals
// and the translations of the pattern and the replacement.
#include "core/codegen/codegen.h"
#include "core/regex/regexerror.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

// A quote, LF, a letter beyond ASCII, a control character, an emoji (a
// surrogate pair) and a lone surrogate.
const QString kAwkward = u"\"\né\u0001\U0001F600\xDC00"_qs;

} // namespace

TEST(CodeFor, StringsAreWrittenAsEachLanguageReadsThem)
{
    const struct {
        CodeLanguage language;
        QString literal;
    } cases[] = {
        {CodeLanguage::JavaScript, uR"~("\"\né\u0001\ud83d\ude00\udc00")~"_qs},
        // \U for the emoji: Python's strings count code points.
        {CodeLanguage::Python, uR"~("\"\né\u0001\U0001f600\udc00")~"_qs},
        // Java reads \u before the lexer, so a control character is octal.
        {CodeLanguage::Java, uR"~("\"\né\001\ud83d\ude00\udc00")~"_qs},
        {CodeLanguage::CSharp, uR"~("\"\né\u0001\ud83d\ude00\udc00")~"_qs},
        // Go and PHP strings are UTF-8: no lone surrogate.
        {CodeLanguage::Go, uR"~("\"\né\u0001\U0001f600\ufffd")~"_qs},
        {CodeLanguage::Php, uR"~("\"\né\u{0001}\u{1f600}\u{fffd}")~"_qs},
        // \u may not name a surrogate in C++ and \x runs on over hex digits.
        {CodeLanguage::CppQt, uR"~(u"\"\né\u0001\xd83d" u"\xde00" u"\xdc00" u""_s)~"_qs},
    };
    for (const auto& c : cases) {
        const QString code = codeFor(c.language, {u"a"_qs, kAwkward, false}, CodeShape::Snippet);
        EXPECT_TRUE(code.contains(c.literal)) << code.toStdString() << "\nlacks " << c.literal.toStdString();
    }
}

TEST(CodeFor, PatternsAndReplacementsAreTranslated)
{
    const struct {
        CodeLanguage language;
        QString pattern, replacement;
        QString expected; // a part of the snippet
    } cases[] = {
        // The window's own escapes become the language's.
        {CodeLanguage::JavaScript, uR"~(\o011\x41[^])~"_qs, u""_qs, uR"~(/\tA[^]/gm)~"_qs},
        // A reference to a group not yet taken part matches the empty text.
        {CodeLanguage::Python, uR"~((?<year>\d{4})-\k<year>)~"_qs, u"$<year>"_qs,
         uR"~((?P<year>[0-9]{4})\-(?(1)\1))~"_qs},
        {CodeLanguage::Python, uR"~((a)\2(b))~"_qs, u""_qs, uR"~((a)(?:)(b))~"_qs},
        {CodeLanguage::Python, u"(a)"_qs, uR"~($1\$$)~"_qs, uR"~(match.expand(r"\g<1>\\$"))~"_qs},
        // ^ and $ next to any line terminator, and never before a final LF only.
        {CodeLanguage::Python, u"^a.$"_qs, u""_qs,
         uR"~((?<![^\n\r\u2028\u2029])a[^\n\r\u2028\u2029](?![^\n\r\u2028\u2029]))~"_qs},
        // ASCII word characters, where the language's \b and \d are Unicode.
        {CodeLanguage::Java, uR"~(\b\d)~"_qs, u""_qs,
         uR"~((?:(?<=[0-9A-Z\\_a-z])(?![0-9A-Z\\_a-z])|(?<![0-9A-Z\\_a-z])(?=[0-9A-Z\\_a-z]))[0-9])~"_qs},
        // A hyphen beside a class escape is itself; \S inside a class.
        {CodeLanguage::Php, uR"~([\d-z\S])~"_qs, u""_qs,
         uR"~([0-9\\-z\\x{0000}-\\x{0008}\\x{000e}-\\x{001f}\\!-\\x{009f})~"_qs},
        // A look-ahead that may be repeated zero times does nothing.
        {CodeLanguage::Php, u"(?=(a))?a"_qs, u""_qs, uR"~((?:(?!)(?=(a)))?a)~"_qs},
        // Java's $n takes following digits, and \ quotes the next character.
        {CodeLanguage::Java, u"(a)"_qs, u"$10$$"_qs, uR"~(replaceAll("$1\\0\\$"))~"_qs},
        // .NET numbers named groups after the others, so they lose their names.
        {CodeLanguage::CSharp, u"(?<n>a)(b)"_qs, u"$<n>$2$`"_qs, uR"~(@"(a)(b)"))~"_qs},
        {CodeLanguage::CSharp, u"(?<n>a)(b)"_qs, u"$<n>$2$`"_qs, uR"~(@"${1}${2}$`")~"_qs},
        {CodeLanguage::Go, u"(a)"_qs, u"$1$$"_qs, uR"~(`${1}$$`)~"_qs},
        {CodeLanguage::CppQt, u"(a)"_qs, u"[$1$']"_qs,
         uR"~(u"["_s + match.captured(1) + text.sliced(match.capturedEnd()) + u"]"_s)~"_qs},
    };
    for (const auto& c : cases) {
        const QString code = codeFor(c.language, {c.pattern, c.replacement, false}, CodeShape::Snippet);
        EXPECT_TRUE(code.contains(c.expected)) << code.toStdString() << "\nlacks " << c.expected.toStdString();
    }
}

TEST(CodeFor, WhatALanguageCannotDoIsSaidInAComment)
{
    const struct {
        CodeLanguage language;
        QString pattern, replacement;
        bool ignoreCase;
        QString caveat; // a part of it
    } cases[] = {
        {CodeLanguage::Go, uR"~((a)\1)~"_qs, u""_qs, false, u"no back-references"_qs},
        {CodeLanguage::Go, u"(?<=a)b"_qs, u""_qs, false, u"no look-around"_qs},
        {CodeLanguage::Go, u"^a"_qs, u""_qs, false, u"only LF"_qs},
        {CodeLanguage::Python, u"(?<=a+)b"_qs, u""_qs, false, u"fixed length"_qs},
        {CodeLanguage::Python, u"(?:(a)|b)+"_qs, u""_qs, false, u"earlier repetition"_qs},
        {CodeLanguage::Java, u"(a)?\\1"_qs, u""_qs, false, u"has not taken part"_qs},
        {CodeLanguage::Java, u"k"_qs, u""_qs, true, u"Kelvin"_qs},
        {CodeLanguage::Php, u"a"_qs, u"$`"_qs, false, u"$`"_qs},
        {CodeLanguage::Python, u"\xD800"_qs, u""_qs, false, u"surrogate"_qs},
    };
    for (const auto& c : cases) {
        const GeneratedCode code =
            generateCode(c.language, {c.pattern, c.replacement, c.ignoreCase}, CodeShape::Program);
        const QString said = code.caveats.filter(c.caveat).value(0);
        ASSERT_FALSE(said.isEmpty()) << c.pattern.toStdString() << ": " << code.caveats.join(u'\n').toStdString();
        EXPECT_TRUE(code.text.contains(said)) << "not in the code as a comment";
    }
    // And nothing is said where nothing differs.
    for (const CodeLanguageInfo& info : codeLanguages()) {
        if (info.language == CodeLanguage::Go)
            continue;
        EXPECT_TRUE(generateCode(info.language, {u"^(\\d+)$"_qs, u"<$1>"_qs, false}, CodeShape::Snippet)
                        .caveats.isEmpty())
            << info.name.toStdString();
    }
}

TEST(CodeFor, AnInvalidPatternIsRefusedAsTheWindowRefusesIt)
{
    EXPECT_THROW(codeFor(CodeLanguage::Python, {u"(a"_qs, {}, false}, CodeShape::Snippet), RegexError);
}

TEST(CodeFor, LanguagesAreFoundByTheirNames)
{
    ASSERT_EQ(codeLanguages().size(), 7u);
    EXPECT_EQ(codeLanguageNamed(u"Python"_qs)->language, CodeLanguage::Python);
    EXPECT_EQ(codeLanguageNamed(u"cpp"_qs)->displayName, u"C++ (Qt QRegularExpression)"_qs);
    EXPECT_EQ(codeLanguageNamed(u"cobol"_qs), nullptr);
}
