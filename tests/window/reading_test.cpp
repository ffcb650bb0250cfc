#include "ui/findbar.h"
#include "ui/richtext/richtextbox.h"
#include "core/settings/preferences.h"
#include "tests/window/window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using testing::TestWindow;

struct ShownWindow : TestWindow {
    using TestWindow::TestWindow;
    void show()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void keys(QWidget* to, const QList<std::pair<Qt::Key, Qt::KeyboardModifiers>>& presses)
    {
        to->setFocus();
        for (const auto& [key, modifiers] : presses)
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

std::vector<RichTextBox*> panes(Form1& f)
{
    return {f.TXT1(), f.TXT2(), f.HelpAbout()};
}

TEST(Zoom, KeysZoomTheThreePanesWithinTheirRangeAndKeepTheLayout)
{
    const auto ctrl = Qt::ControlModifier;
    const struct {
        const char* what;
        int startAt; // 0: the design
        QList<std::pair<Qt::Key, Qt::KeyboardModifiers>> presses;
        int zoom;
    } rows[] = {
        {"Ctrl+= from the design", 0, {{Qt::Key_Equal, ctrl}}, 10},
        {"Ctrl+- twice from the design", 0, {{Qt::Key_Minus, ctrl}, {Qt::Key_Minus, ctrl}}, 8},
        {"Ctrl+- at the smallest", 8, {{Qt::Key_Minus, ctrl}}, 8},
        {"Ctrl+= at the largest", 48, {{Qt::Key_Equal, ctrl}}, 48},
        {"Ctrl+0 back to the design", 30, {{Qt::Key_0, ctrl}}, 9},
    };
    for (const auto& row : rows) {
        MemorySettingsStore store;
        if (row.startAt)
            Preferences(store).Zoom(row.startAt);
        ShownWindow w(QString(), &store);
        w.show();
        std::vector<QRect> places;
        for (RichTextBox* pane : panes(*w.form))
            places.push_back(pane->geometry());
        const QSize windowSize = w.form->size();
        w.keys(w.form->TXT1(), row.presses);
        EXPECT_EQ(w.form->zoom(), row.zoom) << row.what;
        for (std::size_t i = 0; i < 3; ++i) {
            RichTextBox* pane = panes(*w.form)[i];
            if (row.zoom != 9) {
                EXPECT_EQ(pane->font().pointSize(), row.zoom) << row.what << " " << pane->objectName().toStdString();
            }
            EXPECT_EQ(pane->geometry(), places[i]) << row.what;
        }
        EXPECT_EQ(w.form->size(), windowSize) << row.what;
        EXPECT_EQ(Preferences(store).Zoom(), row.zoom) << row.what << ": remembered";
        ShownWindow next(QString(), &store);
        EXPECT_EQ(next.form->zoom(), row.zoom) << row.what << ": the next start";
    }
}

TEST(Zoom, TheDesignSizeIsTheFramesFont)
{
    TestWindow designed;
    const QFont before = designed.form->TXT1()->font();
    MemorySettingsStore store;
    Preferences(store).Zoom(9);
    TestWindow w(QString(), &store);
    EXPECT_EQ(w.form->TXT1()->font(), before);
}

TEST(Zoom, CtrlWheelOverAPaneZoomsAllThree)
{
    const struct {
        int delta;
        Qt::KeyboardModifiers modifiers;
        int zoom;
    } rows[] = {{240, Qt::ControlModifier, 11}, {-120, Qt::ControlModifier, 8}, {120, Qt::NoModifier, 9}};
    for (const auto& row : rows) {
        TestWindow w;
        QWidget* viewport = w.form->TXT2()->viewport();
        QWheelEvent wheel(QPointF(5, 5), viewport->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, row.delta),
                          Qt::NoButton, row.modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        EXPECT_EQ(w.form->zoom(), row.zoom) << row.delta;
    }
}

TEST(Find, EnterAndShiftEnterStepThroughThePaneInAnyCase)
{
    const auto shift = Qt::ShiftModifier;
    const struct {
        const char* what;
        bool caseCounts;
        QList<std::pair<Qt::Key, Qt::KeyboardModifiers>> presses;
        qsizetype selStart;
    } rows[] = {
        {"Enter: the first", false, {{Qt::Key_Return, {}}}, 0},
        {"Enter twice: the second, any case", false, {{Qt::Key_Return, {}}, {Qt::Key_Return, {}}}, 4},
        {"Enter three times, brackets plain", false, {{Qt::Key_Return, {}}, {Qt::Key_Return, {}}, {Qt::Key_Return, {}}}, 9},
        {"Shift+Enter from the start goes round to the last", false, {{Qt::Key_Return, shift}}, 14},
        {"with the case counted", true, {{Qt::Key_Return, {}}}, 4},
    };
    for (const auto& row : rows) {
        ShownWindow w;
        w.show();
        Form1& f = *w.form;
        f.TXT1()->Text(u"Cat cat (cat) CAT"_qs);
        f.TXT1()->SelStart(0);
        w.keys(f.TXT1(), {{Qt::Key_F, Qt::ControlModifier}});
        FindBar* bar = f.findBar1();
        ASSERT_TRUE(bar->isVisible()) << row.what;
        EXPECT_EQ(bar->parentWidget(), f.Frame1()) << "inside the pane's frame";
        EXPECT_TRUE(f.TXT1()->geometry().contains(bar->geometry())) << "over the pane, the layout unchanged";
        EXPECT_LE(bar->CaseOption()->sizeHint().width(), bar->CaseOption()->width()) << "its caption is whole";
        ASSERT_EQ(QApplication::focusWidget(), bar->Query()) << row.what;
        bar->CaseOption()->setChecked(row.caseCounts);
        QTest::keyClicks(bar->Query(), u"cat"_qs);
        for (const auto& [key, modifiers] : row.presses)
            QTest::keyClick(bar->Query(), key, modifiers);
        EXPECT_EQ(f.TXT1()->SelStart(), row.selStart) << row.what;
        EXPECT_EQ(f.TXT1()->SelLength(), 3) << row.what;
        QTest::keyClick(bar->Query(), Qt::Key_Escape);
        EXPECT_FALSE(bar->isVisible()) << row.what;
        EXPECT_EQ(QApplication::focusWidget(), f.TXT1()) << row.what << ": the pane has the keyboard back";
    }
}

TEST(Find, EachPaneHasItsOwnBar)
{
    ShownWindow w;
    w.show();
    Form1& f = *w.form;
    f.TXT2()->Text(u"one two"_qs);
    w.keys(f.TXT2(), {{Qt::Key_F, Qt::ControlModifier}});
    EXPECT_TRUE(f.findBar2()->isVisible());
    EXPECT_FALSE(f.findBar1()->isVisible());
    EXPECT_EQ(f.findBar2()->parentWidget(), f.Frame2());
    QTest::keyClicks(f.findBar2()->Query(), u"TWO"_qs);
    QTest::keyClick(f.findBar2()->Query(), Qt::Key_Return);
    EXPECT_EQ(f.TXT2()->SelStart(), 4);
}

TEST(Find, FindingLeavesTheMatchColoursAlone)
{
    ShownWindow w;
    w.show();
    Form1& f = *w.form;
    f.TXT1()->Text(u"a1 b22 c333"_qs);
    f.Text3()->setText(u"\\d+"_qs);
    w.messages.answers = {platform::kIdYes};
    f.Command1_Click();
    auto formats = [&] {
        std::vector<std::pair<platform::OleColor, bool>> out;
        RichTextBox* pane = f.TXT1();
        const qsizetype start = pane->SelStart(), length = pane->SelLength();
        for (qsizetype at = 0; at < pane->Text().size(); ++at) {
            pane->SelStart(at);
            pane->SelLength(1);
            out.emplace_back(pane->SelColor(), pane->SelBold());
        }
        pane->SelStart(start);
        pane->SelLength(length);
        return out;
    };
    const auto coloured = formats();
    w.keys(f.TXT1(), {{Qt::Key_F, Qt::ControlModifier}});
    QTest::keyClicks(f.findBar1()->Query(), u"22 c3"_qs);
    QTest::keyClick(f.findBar1()->Query(), Qt::Key_Return);
    EXPECT_EQ(f.TXT1()->SelStart(), 4);
    EXPECT_EQ(formats(), coloured);
}

TEST(Find, AQueryTheTextDoesNotHoldTintsTheBoxAndMovesNothing)
{
    ShownWindow w;
    w.show();
    Form1& f = *w.form;
    f.TXT1()->Text(u"abc"_qs);
    f.TXT1()->SelStart(1);
    w.keys(f.TXT1(), {{Qt::Key_F, Qt::ControlModifier}});
    QTest::keyClicks(f.findBar1()->Query(), u"zz"_qs);
    EXPECT_FALSE(f.findBar1()->FindNext());
    EXPECT_EQ(f.TXT1()->SelStart(), 1);
    EXPECT_FALSE(f.findBar1()->Query()->styleSheet().isEmpty());
    QTest::keyClick(f.findBar1()->Query(), Qt::Key_Backspace);
    EXPECT_TRUE(f.findBar1()->Query()->styleSheet().isEmpty()) << "editing clears the tint";
}

} // namespace
} // namespace pattaro
