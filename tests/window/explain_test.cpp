// The expression explained beside the window: how it opens, and how its
// tree and the expression box follow each other.
#include "ui/besideplacement.h"
#include "ui/explainwindow.h"
#include "tests/window/window_fixture.h"
#include "frame/systemmenu.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using testing::TestWindow;

QTreeWidgetItem* itemAt(QTreeWidget* tree, std::initializer_list<int> path)
{
    QTreeWidgetItem* item = tree->topLevelItem(0);
    for (const int index : path)
        item = item ? item->child(index) : nullptr;
    return item;
}

// The system menu pops up, is dismissed, and pops up again to choose the
// item it showed with that caption.
void chooseFromSystemMenu(TestWindow& w, const QString& caption)
{
    const QPoint title(300, 10);
    QTest::mouseMove(w.form->orukForms1(), title);
    QTest::mouseClick(w.form->orukForms1(), Qt::RightButton, {}, title);
    ASSERT_EQ(w.menus.shown.size(), 1u);
    for (const platform::PopupItem& item : w.menus.shown[0].items) {
        if (item.Caption == caption)
            w.menus.choices = {item.Id};
    }
    ASSERT_EQ(w.menus.choices.size(), 1u) << "no item " << caption.toStdString();
    QTest::mouseClick(w.form->orukForms1(), Qt::RightButton, {}, title);
}

// F2 as a person presses it: in the expression box of the active window.
void pressF2(TestWindow& w)
{
    w.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    QTest::keyClick(w.form->Text3(), Qt::Key_F2);
}

TEST(WindowExplain, F2AndTheSystemMenuOpenItBesideTheWindow)
{
    for (const bool byMenu : {false, true}) {
        TestWindow w;
        w.form->show();
        w.form->Text3()->setText(QStringLiteral("a(b)+"));
        if (byMenu)
            chooseFromSystemMenu(w, QStringLiteral("表达式解释\tF2"));
        else
            pressF2(w);
        ExplainWindow* e = w.form->explainWindow();
        ASSERT_NE(e, nullptr) << byMenu;
        EXPECT_TRUE(e->isVisible());
        EXPECT_NE(e, w.form->window()) << "a form of its own";
        EXPECT_EQ(e->findChild<orukForms*>()->parentWidget(), e) << "framed by its own skin";
        EXPECT_EQ(e->pos(), besideWindow(w.form->frameGeometry(), e->frameGeometry().size(),
                                          w.form->screen()->availableGeometry()));
        EXPECT_EQ(itemAt(e->tree(), {1})->text(1), QStringLiteral("重复 1 次或更多次（贪婪）"));
    }
}

TEST(WindowExplain, ChoosingAPieceSelectsItsSpanAndTheCaretChoosesThePiece)
{
    TestWindow w;
    w.form->show();
    w.form->Text3()->setText(QStringLiteral("ab(c|d)+?x"));
    pressF2(w);
    ExplainWindow* e = w.form->explainWindow();
    ASSERT_NE(e, nullptr);
    QTreeWidget* tree = e->tree();
    QLineEdit* box = w.form->Text3();

    const struct {
        std::initializer_list<int> path;
        int start;
        const char* selected;
    } chosen[] = {
        {{1}, 2, "(c|d)+?"},
        {{1, 0}, 2, "(c|d)"},
        {{1, 0, 0, 1}, 5, "d"},
        {{2}, 9, "x"},
        {{}, 0, "ab(c|d)+?x"},
    };
    for (const auto& c : chosen) {
        QTreeWidgetItem* item = itemAt(tree, c.path);
        ASSERT_NE(item, nullptr) << c.selected;
        const QRect place = tree->visualItemRect(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, place.center());
        EXPECT_EQ(box->selectionStart(), c.start) << c.selected;
        EXPECT_EQ(box->selectedText(), QString::fromUtf8(c.selected));
        EXPECT_EQ(tree->currentItem(), item) << c.selected << ": the choice stays";
    }

    const struct {
        int caret;
        const char* piece;
    } carets[] = {
        {0, "ab"}, {3, "c"}, {4, "c|d"}, {8, "(c|d)+?"}, {9, "x"}, {10, "x"},
    };
    for (const auto& c : carets) {
        box->setCursorPosition(c.caret);
        ASSERT_NE(tree->currentItem(), nullptr) << c.caret;
        EXPECT_EQ(tree->currentItem()->text(0), QString::fromUtf8(c.piece)) << c.caret;
        EXPECT_FALSE(box->hasSelectedText()) << "the caret's move is the user's, not undone";
    }
}

TEST(WindowExplain, FollowsTheExpressionAsItIsTypedAndSaysWhyItIsRefused)
{
    TestWindow w;
    w.form->show();
    pressF2(w);
    ExplainWindow* e = w.form->explainWindow();
    ASSERT_NE(e, nullptr);
    QLineEdit* box = w.form->Text3();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("(a"));
    EXPECT_FALSE(e->fault()->isHidden());
    EXPECT_EQ(e->fault()->text(), QStringLiteral("表达式第 1 个字符处有错误：分组缺少“)”。"));
    EXPECT_EQ(e->tree()->topLevelItemCount(), 0);
    QTest::keyClicks(box, QStringLiteral(")\\8"));
    EXPECT_TRUE(e->fault()->isHidden());
    EXPECT_EQ(itemAt(e->tree(), {1})->text(1), QStringLiteral("`\\8` 即字符 8"));
    EXPECT_EQ(e->tree()->currentItem(), itemAt(e->tree(), {1})) << "the caret is after \\8";
    // The case check box is a flag of the expression: checked, case counts.
    w.form->Check1()->setChecked(false);
    EXPECT_EQ(itemAt(e->tree(), {})->text(1), QStringLiteral("整个表达式，标志：忽略大小写（i）、多行（m）、全局（g）"));
}

TEST(WindowExplain, ClosingItHidesItWithoutAskingToEndTheProgram)
{
    TestWindow w;
    w.form->show();
    pressF2(w);
    ExplainWindow* e = w.form->explainWindow();
    ASSERT_NE(e, nullptr);
    w.menus.choices = {SystemMenu::kClose};
    const QPoint title(200, 10);
    auto* skin = e->findChild<orukForms*>();
    QTest::mouseMove(skin, title);
    QTest::mouseClick(skin, Qt::RightButton, {}, title);
    EXPECT_TRUE(w.frameMessages.shown.empty());
    EXPECT_FALSE(e->isVisible());
    EXPECT_TRUE(w.form->isVisible());
    pressF2(w);
    EXPECT_TRUE(e->isVisible()) << "F2 brings it back";
}

} // namespace
} // namespace pattaro
