// The replace output is written through TextBuilder; it must hand back
// exactly the pieces it was given, however far it outgrows its first room.
#include "core/regex/textbuilder.h"

#include <gtest/gtest.h>

using namespace pattaro;

TEST(TextBuilder, KeepsEveryPieceInOrderWhileGrowing)
{
    for (const qsizetype capacity : {qsizetype(0), qsizetype(1), qsizetype(5), qsizetype(1000)}) {
        TextBuilder builder(capacity, 100000);
        QString expected;
        for (int i = 0; i < 300; ++i) {
            const QString piece = i % 3 == 0 ? QString() : i % 3 == 1 ? QStringLiteral("正") : QString(i, QChar(u'a' + i % 26));
            builder.append(piece);
            expected += piece;
        }
        EXPECT_EQ(builder.take(), expected) << "first room " << capacity;
    }
}

TEST(TextBuilder, EmptyWhenNothingAppended)
{
    TextBuilder builder(16, 16);
    EXPECT_TRUE(builder.take().isEmpty());
}

TEST(TextBuilder, RefusesAPieceBeyondItsLimit)
{
    TextBuilder builder(2, 10);
    builder.append(u"abcdefgh");
    EXPECT_THROW(builder.append(u"xyz"), std::length_error);
    builder.append(u"ij");
    EXPECT_EQ(builder.take(), "abcdefghij");
}

TEST(TextBuilder, WithASinkHoldsOnlyItsCapacity)
{
    // Pieces smaller than, equal to and larger than the buffer.
    for (const qsizetype capacity : {qsizetype(0), qsizetype(1), qsizetype(7), qsizetype(64)}) {
        QString handed;
        qsizetype largestHeld = 0;
        TextBuilder builder(capacity, 100000, [&](QStringView piece) {
            handed += piece;
            largestHeld = std::max(largestHeld, piece.size());
        });
        QString expected;
        for (int i = 0; i < 300; ++i) {
            const QString piece(i % 11, QChar(u'a' + i % 26));
            builder.append(piece);
            expected += piece;
        }
        builder.flush();
        EXPECT_EQ(handed, expected) << "capacity " << capacity;
        EXPECT_LE(largestHeld, std::max(capacity, qsizetype(10))) << "capacity " << capacity;
    }
}

TEST(TextBuilder, WithASinkCountsWhatItHandedOutAgainstTheLimit)
{
    QString handed;
    TextBuilder builder(4, 9, [&](QStringView piece) { handed += piece; });
    builder.append(u"abc");
    builder.append(u"def"); // the first three go to the sink
    builder.append(u"ghi"); // and the next three: the buffer has room for one more
    EXPECT_THROW(builder.append(u"j"), std::length_error);
    builder.flush();
    EXPECT_EQ(handed, "abcdefghi");
}
