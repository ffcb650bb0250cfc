#include "core/commands/plainfind.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

TEST(PlainFind, NextAndPreviousGoRoundTheText)
{
    const QString text = u"Cat cat (cat) CAT"_qs;
    const struct {
        const char* what;
        QString needle;
        qsizetype from;
        bool forward;
        Qt::CaseSensitivity cs;
        std::optional<FoundText> found;
    } rows[] = {
        {"forward from the start, any case", u"cat"_qs, 0, true, Qt::CaseInsensitive, FoundText{0, 3}},
        {"forward from a match's end", u"cat"_qs, 3, true, Qt::CaseInsensitive, FoundText{4, 3}},
        {"brackets are plain text", u"(cat)"_qs, 0, true, Qt::CaseInsensitive, FoundText{8, 5}},
        {"forward past the last goes round", u"cat"_qs, 15, true, Qt::CaseInsensitive, FoundText{0, 3}},
        {"with case, forward", u"CAT"_qs, 0, true, Qt::CaseSensitive, FoundText{14, 3}},
        {"backward from the end", u"cat"_qs, 17, false, Qt::CaseInsensitive, FoundText{14, 3}},
        {"backward from a match's start skips it", u"cat"_qs, 14, false, Qt::CaseInsensitive, FoundText{9, 3}},
        {"backward before the first goes round", u"cat"_qs, 2, false, Qt::CaseInsensitive, FoundText{14, 3}},
        {"backward with case", u"Cat"_qs, 17, false, Qt::CaseSensitive, FoundText{0, 3}},
        {"a place beyond the text", u"cat"_qs, 99, true, Qt::CaseInsensitive, FoundText{0, 3}},
        {"not held", u"dog"_qs, 0, true, Qt::CaseInsensitive, std::nullopt},
        {"empty needle", QString(), 0, true, Qt::CaseInsensitive, std::nullopt},
        {"longer than the text", text + u"!"_qs, 0, false, Qt::CaseInsensitive, std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FindPlainText(text, row.needle, row.from, row.forward, row.cs), row.found) << row.what;
}

} // namespace
} // namespace pattaro
