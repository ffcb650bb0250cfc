#include "ui/richtext/piecetext.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

// Edits at scattered places, typing runs and reads in between, each checked
// against a plain string edited alike.
TEST(PieceText, EditsAndReadsMatchAPlainString)
{
    const QString given = QStringLiteral("0123456789abcdefghij\r\nklmnopqrstuvwxyz").repeated(20);
    QString model = given;
    PieceText text;
    text.reset(given);
    QRandomGenerator random(7);
    auto pick = [&](qsizetype upTo) { return qsizetype(random.bounded(int(upTo) + 1)); };
    qsizetype caret = 0;
    for (int step = 0; step < 3000; ++step) {
        qsizetype from = pick(model.size());
        qsizetype to = from + pick(std::min<qsizetype>(model.size() - from, 30));
        QString inserted = QString::number(step).repeated(int(pick(3)));
        if (step % 3 == 0) {
            // Typing: one key where the last one went.
            from = to = std::min(caret, model.size());
            inserted = QString(QChar(u'A' + step % 26));
        }
        text.replace(from, to, inserted);
        model.replace(from, to - from, inserted);
        caret = from + inserted.size();
        ASSERT_EQ(text.size(), model.size()) << "step " << step;
        // Reading now and then makes the joined text the base of later edits.
        if (step % 7 == 0 || step % 50 > 45) {
            ASSERT_EQ(text.text(), model) << "step " << step;
        }
    }
    EXPECT_EQ(text.text(), model);
    EXPECT_EQ(given, QStringLiteral("0123456789abcdefghij\r\nklmnopqrstuvwxyz").repeated(20));
}

TEST(PieceText, EditsAtBothEndsAndOfEverything)
{
    PieceText text;
    text.reset(QStringLiteral("middle"));
    text.replace(0, 0, u"<");
    text.replace(7, 7, u">");
    EXPECT_EQ(text.text(), QStringLiteral("<middle>"));
    text.replace(0, 8, u"");
    EXPECT_EQ(text.size(), 0);
    EXPECT_EQ(text.text(), QString());
    text.replace(0, 0, u"new");
    text.replace(3, 3, u" text");
    EXPECT_EQ(text.text(), QStringLiteral("new text"));
    text.reset(QString());
    text.replace(0, 0, u"x");
    EXPECT_EQ(text.text(), QStringLiteral("x"));
}

} // namespace
} // namespace pattaro
