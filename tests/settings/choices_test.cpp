#include "core/settings/choices.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

TEST(ExpressionChoices, HistoryThenLibraryThenReadyMadeNarrowedByEveryWord)
{
    ExpressionHistory history;
    history.Add({u"old"_qs, QString(), true});
    history.Add({u"\\d+"_qs, u"#"_qs, false});
    ExpressionLibrary library;
    library.Save({u"年份"_qs, u"\\d{4}"_qs, QString(), true});
    const std::vector<LibraryEntry> readyMade = {{u"email地址"_qs, u"\\w+@\\w+"_qs, QString(), true}};
    const auto choices = ExpressionChoices(history, library, readyMade);
    ASSERT_EQ(choices.size(), 4u);
    EXPECT_EQ(choices[0].entry, (HistoryEntry{u"\\d+"_qs, u"#"_qs, false}));
    EXPECT_EQ(choices[1].entry.expression, u"old"_qs);
    EXPECT_EQ(choices[2].entry.expression, u"\\d{4}"_qs);
    EXPECT_EQ(choices[3].entry.expression, u"\\w+@\\w+"_qs);

    const struct {
        QString typed;
        std::vector<std::size_t> kept;
    } rows[] = {
        {QString(), {0, 1, 2, 3}},
        {u"  "_qs, {0, 1, 2, 3}},
        {u"\\D"_qs, {0, 2}},
        {u"EMAIL"_qs, {3}},
        {u"年份 \\d{4}"_qs, {2}},
        {u"历史 old"_qs, {1}},
        {u"nothing"_qs, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FilterChoices(choices, row.typed), row.kept) << row.typed.toStdString();
}

} // namespace
} // namespace pattaro
