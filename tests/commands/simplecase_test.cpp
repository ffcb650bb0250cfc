#include "core/commands/simplecase.h"

#include <gtest/gtest.h>
#include <string_view>

namespace pattaro {
namespace {

using namespace std::string_view_literals;

struct CaseRow {
    const char* what;
    std::u16string_view text, upper, lower;
};

// Every row keeps its length; the rows are the characters whose full case
// mapping would not, and the code units a careless walk would break.
const CaseRow kRows[] = {
    {"ascii, NUL and CR LF", u"aB\0c\r\nD\r"sv, u"AB\0C\r\nD\r"sv, u"ab\0c\r\nd\r"sv},
    {"sharp s stays one letter", u"Straße"sv, u"STRAßE"sv, u"straße"sv},
    {"dotted capital I lowers to plain i", u"İstanbul"sv, u"İSTANBUL"sv, u"istanbul"sv},
    {"n preceded by apostrophe has no single capital", u"ŉa"sv, u"ŉA"sv, u"ŉa"sv},
    {"Greek with ypogegrammeni maps to its capital with prosgegrammeni", u"\x1FB3\x1F80\x1F88"sv,
     u"\x1FBC\x1F88\x1F88"sv, u"\x1FB3\x1F80\x1F80"sv},
    {"ligature ff has no single capital", u"\xFB00x"sv, u"\xFB00X"sv, u"\xFB00x"sv},
    {"sigma lowers the same wherever it stands", u"ΣΑΣ ς"sv, u"ΣΑΣ Σ"sv, u"σασ ς"sv},
    {"titlecase digraph", u"\x01C5"sv, u"\x01C4"sv, u"\x01C6"sv},
    {"supplementary letters map as pairs", u"\xD801\xDC28\xD801\xDC00"sv, u"\xD801\xDC00\xD801\xDC00"sv,
     u"\xD801\xDC28\xD801\xDC28"sv},
    {"lone surrogates pass through", u"\xD801q\xDC28"sv, u"\xD801Q\xDC28"sv, u"\xD801q\xDC28"sv},
    {"reversed pair is two lone surrogates", u"\xDC28\xD801"sv, u"\xDC28\xD801"sv, u"\xDC28\xD801"sv},
    {"high surrogate at the very end", u"z\xD801"sv, u"Z\xD801"sv, u"z\xD801"sv},
    {"caseless text", u"正则，123"sv, u"正则，123"sv, u"正则，123"sv},
    {"empty", u""sv, u""sv, u""sv},
};

QString q(std::u16string_view text)
{
    return QStringView(text).toString();
}

TEST(SimpleCase, EachCodePointMapsToOneOfTheSameWidth)
{
    for (const CaseRow& row : kRows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(SimpleUpperCase(q(row.text)), q(row.upper));
        EXPECT_EQ(SimpleLowerCase(q(row.text)), q(row.lower));
    }
}

} // namespace
} // namespace pattaro
