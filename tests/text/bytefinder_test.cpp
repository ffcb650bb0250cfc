// The command line counts a pattern that is one literal by finding its
// bytes; every occurrence must be found once, none overlapping, wherever
// the rare byte it is looked for by lies.
#include "core/text/bytefinder.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace pattaro;

namespace {

qsizetype countOneByOne(QByteArrayView text, QByteArrayView needle)
{
    qsizetype found = 0;
    for (qsizetype at = 0; at + needle.size() <= text.size();) {
        if (text.sliced(at, needle.size()) == needle) {
            ++found;
            at += needle.size();
        } else {
            ++at;
        }
    }
    return found;
}

TEST(ByteFinder, FindsWhatALookAtEveryPlaceFinds)
{
    const QByteArray needles[] = {"z", "zq", "ba", "aab", "bookkeeper", "kab", "aaa", "\xE5\x8C\x97\xE4\xBA\xAC",
                                  "a\r\n", QByteArray("\0a", 2)};
    const QByteArray pieces[] = {"a", "b", "k", "z", "q", "e", " ", "\r\n", "\xE5\x8C\x97", "\xE4\xBA\xAC",
                                 QByteArray("\0", 1), "bookkeeper"};
    QRandomGenerator random(20261208);
    for (int text = 0; text < 400; ++text) {
        QByteArray bytes;
        const int count = int(random.bounded(60));
        for (int i = 0; i < count; ++i)
            bytes += pieces[random.bounded(int(std::size(pieces)))];
        for (const QByteArray& needle : needles) {
            const ByteFinder finder(needle);
            ASSERT_EQ(finder.count(bytes), countOneByOne(bytes, needle)) << bytes.toHex(' ').constData();
            ASSERT_EQ(finder.find(bytes), bytes.indexOf(needle)) << bytes.toHex(' ').constData();
        }
    }
}

TEST(ByteFinder, FindsFromWhereItIsAskedToTheVeryEnd)
{
    const ByteFinder finder("kab");
    const QByteArray text = "kabxkab";
    EXPECT_EQ(finder.find(text, 0), 0);
    EXPECT_EQ(finder.find(text, 1), 4);
    EXPECT_EQ(finder.find(text, 4), 4);
    EXPECT_EQ(finder.find(text, 5), -1);
    EXPECT_EQ(finder.find(text, 7), -1);
    EXPECT_EQ(finder.find("ka"), -1);
}

} // namespace
