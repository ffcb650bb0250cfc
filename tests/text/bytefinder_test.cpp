// The command line counts a pattern of literals by finding their bytes;
// every match must be found once, as the pattern takes them, wherever the
// rare byte each is looked for by lies.
#include "core/text/bytefinder.h"

#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>

using namespace pattaro;

namespace {

// At each place in turn, the first needle that is there.
qsizetype countOneByOne(QByteArrayView text, const std::vector<QByteArray>& needles)
{
    qsizetype found = 0;
    for (qsizetype at = 0; at < text.size();) {
        const auto there = std::find_if(needles.begin(), needles.end(),
                                        [&](const QByteArray& needle) { return text.sliced(at).startsWith(needle); });
        if (there == needles.end()) {
            ++at;
        } else {
            ++found;
            at += there->size();
        }
    }
    return found;
}

TEST(ByteFinder, FindsWhatALookAtEveryPlaceFinds)
{
    const std::vector<QByteArray> needleSets[] = {
        {"z"}, {"zq"}, {"ba"}, {"aab"}, {"bookkeeper"}, {"kab"}, {"aaa"}, {"\xE5\x8C\x97\xE4\xBA\xAC"},
        {"a\r\n"}, {QByteArray("\0a", 2)}, {"a", "ab"}, {"ab", "a"}, {"book", "kee", "eper"}, {"kk", "ke", "z"},
    };
    const QByteArray pieces[] = {"a", "b", "k", "z", "q", "e", " ", "\r\n", "\xE5\x8C\x97", "\xE4\xBA\xAC",
                                 QByteArray("\0", 1), "bookkeeper"};
    QRandomGenerator random(20261208);
    for (int text = 0; text < 400; ++text) {
        QByteArray bytes;
        const int count = int(random.bounded(60));
        for (int i = 0; i < count; ++i)
            bytes += pieces[random.bounded(int(std::size(pieces)))];
        for (const std::vector<QByteArray>& needles : needleSets) {
            const std::vector<ByteFinder> finders(needles.begin(), needles.end());
            ASSERT_EQ(CountLeftmostFirst(bytes, finders), countOneByOne(bytes, needles)) << bytes.toHex(' ').constData();
            ASSERT_EQ(finders.front().find(bytes), bytes.indexOf(needles.front())) << bytes.toHex(' ').constData();
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

TEST(ByteFinder, FindsTheLastByteBeforeAPlaceWhereverItLies)
{
    // Around the sixteen-byte blocks, near and far from the place.
    for (const qsizetype size : {0, 1, 15, 16, 17, 40}) {
        for (qsizetype feed = -1; feed < size; ++feed) {
            QByteArray text(size, 'x');
            if (feed >= 0)
                text[feed] = '\n';
            for (qsizetype before = 0; before <= size; ++before) {
                const qsizetype expected = feed >= 0 && feed < before ? feed : -1;
                EXPECT_EQ(FindLastByte(text, '\n', before), expected) << size << " " << feed << " " << before;
            }
        }
    }
}
