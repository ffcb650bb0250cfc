#include "ui/helptext.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

QStringList helpLines()
{
    QStringList lines = helpText().split(u"\r\n"_qs);
    // The text ends with CR LF, so the split leaves one empty tail.
    EXPECT_EQ(lines.takeLast(), QString());
    return lines;
}

TEST(HelpText, HasItsShape)
{
    const QString text = helpText();
    EXPECT_TRUE(text.endsWith(u"\r\n"_qs));
    // No bare CR or LF anywhere.
    EXPECT_EQ(text.count(u'\r'), 130);
    EXPECT_EQ(text.count(u'\n'), 130);

    const QStringList lines = helpLines();
    ASSERT_EQ(lines.size(), 130);
    EXPECT_EQ(lines[0], u"字符描述："_qs);
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[85], QString(51, u'-'));
    EXPECT_EQ(lines[84], QString());
    EXPECT_EQ(lines[86], QString());
    EXPECT_EQ(lines[129], uR"([a-zA-z]+:\/\/(\w+(-\w+)*)(\.(\w+(-\w+)*))*(\?\S*)?　　//匹配url )"_qs);
    // The ready-made expressions are separated by single empty lines.
    for (int i = 88; i < 130; i += 2)
        EXPECT_EQ(lines[i], QString()) << "line " << i + 1;
}

TEST(HelpText, TrailingSpacesAndWideSpacesWhereTheyBelong)
{
    const QStringList lines = helpLines();
    ASSERT_EQ(lines.size(), 130);
    for (int n = 1; n <= 130; ++n) {
        const QString& line = lines[n - 1];
        const bool expression = n >= 98 && n % 2 == 0;
        const bool trailing = expression || n == 15 || n == 78 || n == 94;
        EXPECT_EQ(line.endsWith(u' '), trailing) << "line " << n;
        if (trailing) {
            EXPECT_FALSE(line.endsWith(u"  "_qs)) << "line " << n;
        }
        const qsizetype wide = line.count(QChar(0x3000));
        if (expression)
            EXPECT_EQ(wide, (n == 106 || n == 128) ? 4 : 2) << "line " << n;
        else
            EXPECT_EQ(wide, 0) << "line " << n;
    }
}

TEST(HelpText, BackslashesAreLiteral)
{
    const QStringList lines = helpLines();
    ASSERT_EQ(lines.size(), 130);
    EXPECT_EQ(lines[50], uR"(\n换行符)"_qs);
    EXPECT_EQ(lines[56], uR"(\\匹配“\”)"_qs);
    EXPECT_EQ(lines[87], uR"(匹配中文字符的正则表达式： [\u4e00-\u9fa5])"_qs);
    EXPECT_EQ(lines[93], uR"(匹配HTML标记的正则表达式：/<(.*)>.*<\/\1>|<(.*) \/>/ )"_qs);
}

} // namespace
} // namespace pattaro
