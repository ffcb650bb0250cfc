#include "ui/clickablelabel.h"
#include "ui/richtext/richtextbox.h"
#include "ui/taborder.h"
#include "tests/window/window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

TEST(ReadingOrder, RowsTopToBottomThenLeftToRight)
{
    EXPECT_TRUE(ReadingOrder({}).empty());
    // Two rows given out of order.
    EXPECT_EQ(ReadingOrder({{0, 100, 10, 10}, {50, 0, 10, 10}, {0, 0, 10, 10}}), (std::vector<size_t>{2, 1, 0}));
    // One row whose boxes differ in top and height, then a row just below it.
    EXPECT_EQ(ReadingOrder({{200, 5, 50, 12}, {0, 8, 50, 10}, {100, 0, 50, 20}, {0, 22, 50, 10}}),
              (std::vector<size_t>{1, 2, 0, 3}));
}

class Keyboard : public ::testing::Test {
protected:
    testing::TestWindow w;

    void SetUp() override
    {
        w.form->show();
        w.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
        w.form->TXT1()->Text(QStringLiteral("a1b2"));
        w.form->Text3()->setText(QStringLiteral("\\d"));
        w.form->Text4()->setText(QStringLiteral("#"));
    }
    // Names of the controls Tab reaches now, starting from `first`.
    QStringList tabChain(QWidget* first) const
    {
        QStringList names;
        QWidget* widget = first;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()
                && !widget->focusProxy())
                names << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != first);
        return names;
    }
};

TEST_F(Keyboard, KeysRunTheCommandsFromEveryTypingPlace)
{
    Form1* f = w.form.get();
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPushButton* button;
        QString keyName;
        QString txt2;       // TXT2 afterwards
        QString lastBox;    // start of the last message shown, if any
    } cases[] = {
        {Qt::Key_F5, {}, f->Command1(), "F5", "", QStringLiteral("一共找到 2 个匹配项目")},
        {Qt::Key_Return, ctrl, f->Command2(), "Ctrl+Enter", "a#b#", ""},
        {Qt::Key_Enter, ctrl | pad, f->Command2(), "Ctrl+Enter", "a#b#", ""},
        {Qt::Key_Return, ctrl | Qt::ShiftModifier, f->Command3(), "Ctrl+Shift+Enter", "##", QStringLiteral("是否将每个")},
        {Qt::Key_Enter, ctrl | Qt::ShiftModifier | pad, f->Command3(), "Ctrl+Shift+Enter", "##", QStringLiteral("是否将每个")},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.button->toolTip().contains(c.keyName)) << c.button->toolTip().toStdString();
        for (QWidget* place : {static_cast<QWidget*>(f->TXT1()), static_cast<QWidget*>(f->TXT2()),
                               static_cast<QWidget*>(f->Text3()), static_cast<QWidget*>(f->Text4())}) {
            const std::string what = place->objectName().toStdString() + " " + c.keyName.toStdString();
            f->TXT2()->Text(QString());
            w.messages.shown.clear();
            place->setFocus();
            QTest::keyClick(place, c.key, c.modifiers);
            EXPECT_EQ(f->TXT2()->Text(), c.txt2) << what;
            if (c.lastBox.isEmpty())
                EXPECT_TRUE(w.messages.shown.empty()) << what;
            else
                EXPECT_TRUE(!w.messages.shown.empty() && w.messages.shown.back().text.startsWith(c.lastBox)) << what;
            // The key went to the command only: no line break typed, focus kept.
            EXPECT_EQ(f->TXT1()->Text(), QStringLiteral("a1b2")) << what;
            EXPECT_EQ(QApplication::focusWidget(), place) << what;
        }
    }
}

TEST_F(Keyboard, F1SwitchesTheHelpAndTheOtherKeysWaitForTheWorkLayout)
{
    Form1* f = w.form.get();
    EXPECT_TRUE(f->Command4()->toolTip().contains(QStringLiteral("F1")));
    f->Text3()->setFocus();
    QTest::keyClick(f->Text3(), Qt::Key_F1);
    ASSERT_TRUE(f->Frame6()->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_EQ(f->TXT2()->Text(), QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_TRUE(f->Frame1()->isVisible());
}

TEST_F(Keyboard, TabFollowsTheLayoutTopToBottom)
{
    Form1* f = w.form.get();
    const QStringList work = {"TXT1",     "TXT2",     "Text3",    "Text4",    "Color1",   "Color2",  "Check1",
                              "Command5", "Command6", "Command1", "Command2", "Command3", "Command4"};
    EXPECT_EQ(tabChain(f->TXT1()), work);
    // Pressed for real from the expression onwards, round to the top.
    f->Text3()->setFocus();
    QStringList reached = {"Text3"};
    for (qsizetype i = 2; i < work.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(reached, work.mid(2) + QStringList{"TXT1"});
    f->Command4_Click();
    EXPECT_EQ(tabChain(f->Label5()), (QStringList{"Label5", "Label6", "Image1", "HelpAbout", "Command4"}));
}

} // namespace
} // namespace pattaro
