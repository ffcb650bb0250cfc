#include "ui/richtext/richtextbox.h"
#include "ui/matchtips.h"
#include "tests/window/window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using platform::kIdNo;
using platform::kIdYes;

// x1 CR LF y22 CR 😀z333: a CR LF pair, a lone CR and a surrogate pair
// before the later matches, so pane and document positions differ.
const QString kText = QStringLiteral("x1\r\ny22\r😀z333");

class MatchTipsTest : public ::testing::Test {
protected:
    testing::TestWindow w;

    void SetUp() override
    {
        w.form->show();
        w.form->TXT1()->Text(kText);
        w.form->Text3()->setText(QStringLiteral("\\d+|😀(?<e>z)|(w)"));
    }
    void check(int answer)
    {
        w.messages.answers = {answer};
        w.form->Command1_Click();
    }
    // A point in the middle of the character at a Text() offset.
    QPoint over(qsizetype offset) const
    {
        RichTextBox* pane = w.form->TXT1();
        const QString text = pane->Text();
        qsizetype position = offset - text.left(offset).count(QStringLiteral("\r\n"));
        const qsizetype width = text[offset].isHighSurrogate() ? 2 : 1;
        QTextCursor cursor(pane->document());
        cursor.setPosition(int(position));
        const QRect left = pane->cursorRect(cursor);
        cursor.setPosition(int(position + width));
        const QRect right = pane->cursorRect(cursor);
        return QPoint((left.left() + right.left()) / 2, left.center().y());
    }
    QString tipOver(qsizetype offset) const { return w.form->matchTips()->TipAt(over(offset)); }
};

TEST_F(MatchTipsTest, TipNamesTheMatchUnderThePointerInPaneOffsets)
{
    check(kIdYes);
    const struct {
        qsizetype offset;
        QString tip;
    } cases[] = {
        {1, QStringLiteral("第 1 个匹配，共 4 个\n位置 1，长度 1\n内容：“1”\n$<e>：未参与匹配\n$2：未参与匹配")},
        {6, QStringLiteral("第 2 个匹配，共 4 个\n位置 5，长度 2\n内容：“22”\n$<e>：未参与匹配\n$2：未参与匹配")},
        {8, QStringLiteral("第 3 个匹配，共 4 个\n位置 8，长度 3\n内容：“😀z”\n$<e>：“z”\n$2：未参与匹配")},
        {10, QStringLiteral("第 3 个匹配，共 4 个\n位置 8，长度 3\n内容：“😀z”\n$<e>：“z”\n$2：未参与匹配")},
        {13, QStringLiteral("第 4 个匹配，共 4 个\n位置 11，长度 3\n内容：“333”\n$<e>：未参与匹配\n$2：未参与匹配")},
        {0, QString()},
        {4, QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tipOver(c.offset), c.tip) << "offset " << c.offset;
    // Past the end of a line and below the text: no character, no tip.
    const QPoint end = over(1);
    EXPECT_EQ(w.form->matchTips()->TipAt(end + QPoint(200, 0)), QString());
    EXPECT_EQ(w.form->matchTips()->TipAt(QPoint(end.x(), w.form->TXT1()->viewport()->height() - 2)), QString());
}

TEST_F(MatchTipsTest, TwoHundredThousandMatchesOnAsManyLines)
{
    w.form->TXT1()->Text(QStringLiteral("ab\r\n").repeated(200000));
    w.form->Text3()->setText(QStringLiteral("a(b)"));
    check(kIdYes);
    // The check leaves the last match selected and in view.
    QApplication::processEvents();
    EXPECT_EQ(tipOver(799997), QStringLiteral("第 200000 个匹配，共 200000 个\n位置 799996，长度 2\n内容：“ab”\n$1：“b”"));
    EXPECT_TRUE(tipOver(799993).startsWith(QStringLiteral("第 199999 个匹配，共 200000 个\n")));
}

TEST_F(MatchTipsTest, ShownThroughTheToolTipEvent)
{
    check(kIdYes);
    QWidget* viewport = w.form->TXT1()->viewport();
    QHelpEvent onMatch(QEvent::ToolTip, over(6), viewport->mapToGlobal(over(6)));
    QApplication::sendEvent(viewport, &onMatch);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().startsWith(QStringLiteral("第 2 个匹配，共 4 个\n")));
    QHelpEvent offMatch(QEvent::ToolTip, over(4), viewport->mapToGlobal(over(4)));
    QApplication::sendEvent(viewport, &offMatch);
    // A tip fades out on a timer of its own.
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 10000));
}

TEST_F(MatchTipsTest, OnlyAfterTheColoursWereApplied)
{
    check(kIdNo);
    EXPECT_FALSE(w.form->matchTips()->IsKept());
    EXPECT_EQ(tipOver(6), QString());
    check(kIdYes);
    EXPECT_FALSE(tipOver(6).isEmpty());
    // Declining the next check uncolours the matches, and so ends the tips.
    check(kIdNo);
    EXPECT_EQ(tipOver(6), QString());
}

TEST_F(MatchTipsTest, WhatCanChangeTheMatchesEndsTheDetails)
{
    Form1* f = w.form.get();
    const struct {
        const char* change;
        std::function<void()> apply;
        bool ends;
    } cases[] = {
        {"painting the colours", [&] { f->TXT1()->viewport()->repaint(); QApplication::processEvents(); }, false},
        {"the replacement", [&] { f->Text4()->setText(QStringLiteral("#")); }, false},
        {"typing into the text", [&] { f->TXT1()->setFocus(); QTest::keyClick(f->TXT1(), Qt::Key_Q); }, true},
        {"a new text", [&] { f->TXT1()->Text(kText); }, true},
        {"the expression", [&] { f->Text3()->setText(f->Text3()->text() + u'|'); }, true},
        {"the case rule", [&] { f->Check1()->click(); }, true},
    };
    for (const auto& c : cases) {
        f->TXT1()->Text(kText);
        f->Text3()->setText(QStringLiteral("\\d+"));
        check(kIdYes);
        ASSERT_FALSE(tipOver(6).isEmpty()) << c.change;
        c.apply();
        EXPECT_EQ(f->matchTips()->IsKept(), !c.ends) << c.change;
    }
}

} // namespace
} // namespace pattaro
