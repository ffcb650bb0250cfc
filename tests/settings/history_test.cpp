#include "core/settings/history.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

HistoryEntry entry(int n, bool caseSensitive = true)
{
    return {QStringLiteral("e%1").arg(n), QStringLiteral("r%1").arg(n), caseSensitive};
}

std::vector<HistoryEntry> entries(std::initializer_list<HistoryEntry> list)
{
    return list;
}

TEST(ExpressionHistory, NewestFirstOnceEachTheLastHundred)
{
    const struct {
        const char* what;
        std::vector<HistoryEntry> added;
        std::vector<HistoryEntry> kept; // empty: see keptCount
        std::size_t keptCount;
    } rows[] = {
        {"newest first", {entry(1), entry(2)}, entries({entry(2), entry(1)}), 2},
        {"a repeat moves to the front", {entry(1), entry(2), entry(1)}, entries({entry(1), entry(2)}), 2},
        {"another case option is another entry", {entry(1), entry(1, false)}, entries({entry(1, false), entry(1)}), 2},
        {"another replacement is another entry",
         {entry(1), {u"e1"_qs, u"other"_qs, true}},
         entries({{u"e1"_qs, u"other"_qs, true}, entry(1)}),
         2},
    };
    for (const auto& row : rows) {
        ExpressionHistory history;
        for (const HistoryEntry& e : row.added)
            history.Add(e);
        EXPECT_EQ(history.Entries(), row.kept) << row.what;
    }

    ExpressionHistory full;
    for (int n = 0; n < 130; ++n)
        full.Add(entry(n));
    ASSERT_EQ(full.Entries().size(), ExpressionHistory::kLimit);
    EXPECT_EQ(full.Entries().front(), entry(129));
    EXPECT_EQ(full.Entries().back(), entry(30)) << "the oldest beyond a hundred went";
}

TEST(ExpressionHistory, ReadsBackWhatItWroteAndSkipsWhatItCannotUse)
{
    ExpressionHistory written;
    for (int n = 0; n < 100; ++n)
        written.Add(entry(n, n % 2 == 0));
    EXPECT_EQ(ExpressionHistory::FromJson(written.ToJson()).Entries(), written.Entries());

    const struct {
        const char* what;
        QByteArray json;
        std::vector<HistoryEntry> read;
    } rows[] = {
        {"not JSON", "[{", {}},
        {"an object, not a list", R"({"expression":"a"})", {}},
        {"entries without an expression are left out",
         R"([{"expression":"a"},{"replacement":"x"},7,{"expression":""}])", entries({{u"a"_qs, QString(), true}})},
        {"a repeat keeps its newest place",
         R"([{"expression":"a"},{"expression":"b"},{"expression":"a"}])",
         entries({{u"a"_qs, QString(), true}, {u"b"_qs, QString(), true}})},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ExpressionHistory::FromJson(row.json).Entries(), row.read) << row.what;
}

} // namespace
} // namespace pattaro
