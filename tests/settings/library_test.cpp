#include "core/settings/library.h"
#include "core/settings/readymade.h"
#include "core/regex/regexp.h"
#include "ui/helptext.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

TEST(ExpressionLibrary, ANameNamesOneEntryInTheOrderFirstSaved)
{
    ExpressionLibrary library;
    library.Save({u"digits"_qs, u"\\d+"_qs, QString(), true});
    library.Save({u"year"_qs, u"\\d{4}"_qs, u"Y"_qs, false});
    library.Save({u"digits"_qs, u"[0-9]+"_qs, u"#"_qs, true});
    ASSERT_EQ(library.Entries().size(), 2u);
    EXPECT_EQ(library.Entries()[0], (LibraryEntry{u"digits"_qs, u"[0-9]+"_qs, u"#"_qs, true}));
    EXPECT_EQ(library.Find(u"year"_qs)->replacement, u"Y"_qs);
    EXPECT_FALSE(library.Find(u"Year"_qs)) << "names are exact";

    ExpressionLibrary imported;
    imported.Save({u"year"_qs, u"\\d\\d\\d\\d"_qs, QString(), true});
    imported.Save({u"word"_qs, u"\\w+"_qs, QString(), true});
    library.Merge(imported);
    ASSERT_EQ(library.Entries().size(), 3u);
    EXPECT_EQ(library.Find(u"year"_qs)->expression, u"\\d\\d\\d\\d"_qs) << "an import replaces a name it shares";
    EXPECT_EQ(library.Entries()[2].name, u"word"_qs);

    const auto read = ExpressionLibrary::FromJson(library.ToJson());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Entries(), library.Entries());
}

TEST(ExpressionLibrary, TextThatIsNoLibraryIsRefusedWithAReason)
{
    const struct {
        QByteArray json;
        const char* reasonHolds;
    } rows[] = {
        {"{\"expressions\": [", "not JSON"},
        {"[]", "no \"expressions\" list"},
        {R"({"expressions": {}})", "no \"expressions\" list"},
        {R"({"expressions": [{"name": "a", "expression": "x"}, {"name": "b"}]})", "entry 1"},
        {R"({"expressions": [{"expression": "x"}]})", "entry 0"},
    };
    for (const auto& row : rows) {
        QString reason;
        EXPECT_FALSE(ExpressionLibrary::FromJson(row.json, &reason)) << row.json.toStdString();
        EXPECT_TRUE(reason.contains(QString::fromUtf8(row.reasonHolds))) << reason.toStdString();
    }
    const auto empty = ExpressionLibrary::FromJson(R"({"expressions": []})");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->Entries().empty());
}

TEST(ReadyMade, TheHelpsTwentyTwoExpressionsAreNamedAndRun)
{
    const std::vector<LibraryEntry> found = readyMadeExpressions(helpText());
    ASSERT_EQ(found.size(), 22u);
    const struct {
        std::size_t index;
        QString name, expression;
    } rows[] = {
        {0, u"中文字符"_qs, u"[\\u4e00-\\u9fa5]"_qs},
        {3, u"HTML标记"_qs, u"<(.*)>.*<\\/\\1>|<(.*) \\/>"_qs},
        {4, u"首尾空格"_qs, u"(^\\s*)|(\\s*$)"_qs},
        {5, u"非负整数（正整数 + 0）"_qs, u"^\\d+$"_qs},
        {21, u"url"_qs, u"[a-zA-z]+:\\/\\/(\\w+(-\\w+)*)(\\.(\\w+(-\\w+)*))*(\\?\\S*)?"_qs},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(found[row.index].name, row.name) << row.index;
        EXPECT_EQ(found[row.index].expression, row.expression) << row.index;
    }
    for (const LibraryEntry& entry : found) {
        RegExp engine;
        engine.Pattern(entry.expression);
        EXPECT_NO_THROW(engine.Execute(u"abc 123 <b>x</b> 中文"_qs)) << entry.name.toStdString();
    }
}

} // namespace
} // namespace pattaro
