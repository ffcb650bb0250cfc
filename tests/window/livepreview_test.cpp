#include "ui/form1.h"
#include "core/settings/settingsstore.h"
#include "ui/clickablelabel.h"
#include "ui/expressionfault.h"
#include "ui/livepreview.h"
#include "ui/richtext/richtextbox.h"
#include "frame/orukforms.h"
#include "frame/systemmenu.h"
#include "tests/frame/scripted_popupmenu.h"
#include "testkit/handfiredtimer.h"
#include "testkit/scripted_messagebox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using testing::HandFiredTimer;
using testing::ScriptedMessageBox;
using testing::ScriptedPopupMenu;

// The searches the window started, run when and in the order the test says;
// what each reports comes through the event loop, as from a worker.
struct HandRunSearches {
    std::deque<std::function<void()>> waiting;
    // deliver: let the window take in the report at once.
    void Run(size_t index, bool deliver = true)
    {
        auto search = waiting[index];
        waiting.erase(waiting.begin() + qsizetype(index));
        search();
        if (deliver)
            QCoreApplication::processEvents();
    }
};

struct LiveWindow {
    ScriptedMessageBox messages;
    ScriptedMessageBox frameMessages;
    ScriptedPopupMenu menus;
    std::shared_ptr<HandFiredTimer> timer = std::make_shared<HandFiredTimer>();
    std::shared_ptr<HandRunSearches> searches = std::make_shared<HandRunSearches>();
    MemorySettingsStore ownSettings;
    std::unique_ptr<Form1> form;

    // remembered: where the window keeps its settings; none: a store of its own.
    explicit LiveWindow(SettingsStore* remembered = nullptr)
    {
        Form1Services services;
        services.settings = remembered ? remembered : &ownSettings;
        services.messageBox = &messages;
        services.selfCheck = [] { return QString(); };
        services.skin.messageBox = &frameMessages;
        services.popupMenu = &menus;
        services.livePreview.quietTimer = timer;
        services.livePreview.runInBackground = [s = searches](std::function<void()> search) {
            s->waiting.push_back(std::move(search));
        };
        form = std::make_unique<Form1>(services);
    }
    LivePreview& live() { return *form->livePreview(); }
    // The pause after typing, the search, and every colouring step.
    void settle()
    {
        timer->Fire();
        while (!searches->waiting.empty())
            searches->Run(0);
        while (live().IsBusy())
            QCoreApplication::processEvents();
    }
    QString caption() const { return form->Frame1()->title(); }
    // Colour and bold of TXT1's character at `at`, leaving the caret where it was.
    std::pair<platform::OleColor, bool> formatAt(qsizetype at)
    {
        RichTextBox* pane = form->TXT1();
        const qsizetype start = pane->SelStart(), length = pane->SelLength();
        pane->SelStart(at);
        pane->SelLength(1);
        const std::pair<platform::OleColor, bool> format{pane->SelColor(), pane->SelBold()};
        pane->SelStart(start);
        pane->SelLength(length);
        return format;
    }
};

constexpr platform::OleColor kBlack = 0;

class LivePreviewTest : public ::testing::Test {};

std::int16_t livePreviewItem(orukForms* skin)
{
    for (std::int16_t id = SystemMenu::kDesignedItems; id < SystemMenu::kDesignedItems + 8; ++id)
        if (skin->GetMenuItemValue(id, 0).toString() == u"实时预览\tF6"_qs)
            return id;
    return -1;
}

TEST_F(LivePreviewTest, F6AndTheSystemMenuItemTurnItOnAndOff)
{
    const struct {
        const char* how;
        std::function<void(LiveWindow&)> toggle;
    } rows[] = {
        {"F6", [](LiveWindow& w) { QTest::keyClick(w.form->Text3(), Qt::Key_F6); }},
        {"the system menu item",
         [](LiveWindow& w) { w.form->orukForms1()->MnuSyst_Click(livePreviewItem(w.form->orukForms1())); }},
    };
    for (const auto& row : rows) {
        LiveWindow w;
        w.form->show();
        w.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
        w.form->Text3()->setFocus();
        orukForms* skin = w.form->orukForms1();
        const std::int16_t item = livePreviewItem(skin);
        ASSERT_GE(item, 0) << row.how;
        const QString ownCaption = w.caption();
        EXPECT_FALSE(w.live().IsOn()) << row.how << ": off at first start";

        w.form->Text3()->setText(u"b"_qs);
        EXPECT_FALSE(w.timer->IsPending()) << row.how << ": off, typing schedules nothing";

        row.toggle(w);
        EXPECT_TRUE(w.live().IsOn()) << row.how;
        EXPECT_TRUE(skin->GetMenuItemValue(item, 2).toBool()) << row.how << ": the item is checked";
        w.settle();
        EXPECT_EQ(w.caption(), ownCaption + u"  共 0 个匹配"_qs) << row.how;

        row.toggle(w);
        EXPECT_FALSE(w.live().IsOn()) << row.how;
        EXPECT_FALSE(skin->GetMenuItemValue(item, 2).toBool()) << row.how;
        EXPECT_EQ(w.caption(), ownCaption) << row.how << ": off gives Frame1 its own caption back";
    }
}

TEST_F(LivePreviewTest, EachEditPreviewsOnceTheUserPauses)
{
    const struct {
        const char* control;
        std::function<void(Form1&)> edit;
        QString replaced;
        QString caption;
    } rows[] = {
        {"TXT1", [](Form1& f) { f.TXT1()->Text(u"ab ab AB x"_qs); }, u"<> <> AB x"_qs, u"共 2 个匹配"_qs},
        {"Text3", [](Form1& f) { f.Text3()->setText(u"b"_qs); }, u"a<> a<> AB"_qs, u"共 2 个匹配"_qs},
        {"Text4", [](Form1& f) { f.Text4()->setText(u"-"_qs); }, u"- - AB"_qs, u"共 2 个匹配"_qs},
        {"Check1", [](Form1& f) { f.Check1()->setChecked(false); }, u"<> <> <>"_qs, u"共 3 个匹配"_qs},
    };
    for (const auto& row : rows) {
        LiveWindow w;
        Form1& form = *w.form;
        form.TXT1()->Text(u"ab ab AB"_qs);
        form.Text3()->setText(u"ab"_qs);
        form.Text4()->setText(u"<>"_qs);
        const QString ownCaption = w.caption();
        w.live().SetOn(true);
        w.settle();
        const int restarts = w.timer->restarts;

        row.edit(form);
        EXPECT_GT(w.timer->restarts, restarts) << row.control << ": the pause starts again";
        EXPECT_TRUE(w.searches->waiting.empty()) << row.control << ": nothing searched before the pause";
        w.settle();
        EXPECT_EQ(form.TXT2()->Text(), row.replaced) << row.control;
        EXPECT_EQ(w.caption(), ownCaption + u"  "_qs + row.caption) << row.control;
        const auto [firstColor, firstBold] = w.formatAt(form.matchList().spans()[0].firstIndex);
        EXPECT_EQ(firstColor, form.Color1()->BackColor()) << row.control;
        EXPECT_TRUE(firstBold) << row.control;
        const auto [secondColor, secondBold] = w.formatAt(form.matchList().spans()[1].firstIndex);
        EXPECT_EQ(secondColor, form.Color2()->BackColor()) << row.control;
        EXPECT_TRUE(secondBold) << row.control;
        EXPECT_EQ(w.formatAt(2), std::make_pair(kBlack, false)) << row.control << ": between matches stays plain";
        EXPECT_TRUE(w.messages.shown.empty()) << row.control << ": the preview asks nothing";
    }
}

TEST_F(LivePreviewTest, OnlyTheLatestEditsResultIsShown)
{
    const struct {
        const char* what;
        // Run before the second edit, its report left undelivered.
        bool olderReportsBeforeTheEdit;
        std::vector<size_t> order; // indexes into the searches waiting at that moment
    } rows[] = {
        {"the older search ends first", false, {0, 0}},
        {"the newer search ends first", false, {1, 0}},
        {"the older report is on its way when the user types", true, {0}},
    };
    for (const auto& row : rows) {
        LiveWindow w;
        Form1& form = *w.form;
        form.TXT1()->Text(u"aaa bbb"_qs);
        form.Text4()->setText(u"#"_qs);
        w.live().SetOn(true);
        form.Text3()->setText(u"a"_qs);
        w.timer->Fire();
        if (row.olderReportsBeforeTheEdit)
            w.searches->Run(0, false);
        form.Text3()->setText(u"b"_qs);
        w.timer->Fire();
        QCoreApplication::processEvents();
        EXPECT_TRUE(form.TXT2()->Text().isEmpty()) << row.what << ": nothing of the older edit shows";
        ASSERT_EQ(w.searches->waiting.size(), row.order.size()) << row.what;
        for (size_t index : row.order)
            w.searches->Run(index);
        while (w.live().IsBusy())
            QCoreApplication::processEvents();
        EXPECT_EQ(form.TXT2()->Text(), u"aaa ###"_qs) << row.what;
        EXPECT_EQ(w.formatAt(0), std::make_pair(kBlack, false)) << row.what;
        EXPECT_TRUE(w.formatAt(4).second) << row.what;
    }
}

TEST_F(LivePreviewTest, AFaultyExpressionLeavesThePanes)
{
    const struct {
        QString expression;
        bool tinted;
    } rows[] = {
        {u"(b"_qs, true},
        {u"b{3,2}"_qs, true},
        {QString(), false},
    };
    for (const auto& row : rows) {
        LiveWindow w;
        Form1& form = *w.form;
        form.TXT1()->Text(u"abc abc"_qs);
        form.Text3()->setText(u"b"_qs);
        form.Text4()->setText(u"_"_qs);
        const QString ownCaption = w.caption();
        w.live().SetOn(true);
        w.settle();
        ASSERT_EQ(form.TXT2()->Text(), u"a_c a_c"_qs);

        form.Text3()->setText(row.expression);
        w.settle();
        EXPECT_EQ(hasExpressionFault(form.Text3()), row.tinted) << row.expression.toStdString();
        EXPECT_EQ(form.TXT2()->Text(), u"a_c a_c"_qs) << row.expression.toStdString();
        EXPECT_TRUE(w.formatAt(1).second) << row.expression.toStdString() << ": the colours stay";
        if (row.tinted) {
            EXPECT_EQ(w.caption(), ownCaption + u"  共 2 个匹配"_qs)
                << row.expression.toStdString() << ": a refused expression is no reason the search gave up";
        }
    }
}

TEST_F(LivePreviewTest, TheCheckKeepsItsQuestionAndNothingOfThePreviewFollowsIt)
{
    LiveWindow w;
    Form1& form = *w.form;
    form.TXT1()->Text(u"ab ab"_qs);
    form.Text3()->setText(u"b"_qs);
    w.live().SetOn(true);
    w.settle();
    form.Text4()->setText(u"!"_qs);
    w.timer->Fire();
    ASSERT_EQ(w.searches->waiting.size(), 1u);

    w.messages.answers = {platform::kIdNo};
    form.Command1()->click();
    ASSERT_EQ(w.messages.shown.size(), 1u) << "the check still asks";
    w.searches->Run(0);
    EXPECT_FALSE(w.formatAt(1).second) << "the preview started before the check does not colour after its 否";
    EXPECT_EQ(form.TXT2()->Text(), u"a a"_qs) << "nor does it fill the result pane";
}

TEST_F(LivePreviewTest, TheModeIsRememberedForTheNextStart)
{
    const struct {
        const char* stored;
        QVariant value;
        bool startsOn;
    } rows[] = {
        {"nothing stored", QVariant(), false},
        {"on stored", true, true},
        {"off stored", false, false},
    };
    for (const auto& row : rows) {
        MemorySettingsStore remembered;
        if (row.value.isValid())
            remembered.setValue(u"livePreview"_qs, row.value);
        {
            LiveWindow w(&remembered);
            EXPECT_EQ(w.live().IsOn(), row.startsOn) << row.stored;
            w.live().Toggle();
        }
        LiveWindow next(&remembered);
        EXPECT_EQ(next.live().IsOn(), !row.startsOn) << row.stored << ": the switch was remembered";
    }
}

} // namespace
} // namespace pattaro
