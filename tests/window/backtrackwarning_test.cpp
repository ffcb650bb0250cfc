// The amber warning in the expression box: after a pause in typing, away
// from the window's thread, never over an engine fault, gone at the next edit.
#include "ui/backtrackwarning.h"
#include "ui/expressionfault.h"
#include "ui/form1.h"
#include "testkit/handfiredtimer.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <deque>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using testing::HandFiredTimer;

struct Warned {
    QLineEdit box;
    QCheckBox caseSensitive;
    std::shared_ptr<HandFiredTimer> timer = std::make_shared<HandFiredTimer>();
    std::shared_ptr<std::deque<std::function<void()>>> lints = std::make_shared<std::deque<std::function<void()>>>();
    std::unique_ptr<BacktrackWarning> warning;

    Warned()
    {
        caseSensitive.setChecked(true);
        LivePreviewScheduling scheduling;
        scheduling.quietTimer = timer;
        scheduling.runInBackground = [l = lints](std::function<void()> lint) { l->push_back(std::move(lint)); };
        warning = std::make_unique<BacktrackWarning>(&box, &caseSensitive, scheduling);
    }
    void type(const QString& text)
    {
        box.setText(text);
        warning->Edited();
    }
    // The pause, then the oldest lint run and its report taken in.
    void settle()
    {
        timer->Fire();
        runOldest();
    }
    void runOldest()
    {
        auto lint = lints->front();
        lints->pop_front();
        lint();
        QCoreApplication::processEvents();
    }
    bool amber() const { return box.palette().color(QPalette::Base) != QPalette().color(QPalette::Base); }
};

TEST(BacktrackWarning, TintsAVulnerableExpressionAmberWithItsAccount)
{
    const struct {
        const char16_t* pattern;
        bool ignoreCase;
        bool warned;
        const char* saying;
    } cases[] = {
        {u"^(a+)+$", false, true, "呈指数增长"},
        {u"\\w+@", false, true, "2 次方"},
        {u"^\\d+$", false, false, ""},
        // Only when case is ignored do the two alternatives overlap.
        {u"^(A|a)*$", false, false, ""},
        {u"^(A|a)*$", true, true, "呈指数增长"},
    };
    for (const auto& c : cases) {
        Warned w;
        w.caseSensitive.setChecked(!c.ignoreCase);
        w.type(QString::fromUtf16(c.pattern));
        // Nothing runs while the user may still be typing.
        EXPECT_TRUE(w.lints->empty());
        EXPECT_FALSE(w.amber());
        w.settle();
        EXPECT_EQ(BacktrackWarning::IsShown(&w.box), c.warned) << QString::fromUtf16(c.pattern).toStdString();
        EXPECT_EQ(w.amber(), c.warned) << QString::fromUtf16(c.pattern).toStdString();
        EXPECT_TRUE(w.box.toolTip().contains(QString::fromUtf8(c.saying))) << w.box.toolTip().toStdString();
    }
}

TEST(BacktrackWarning, GoesAtTheNextEditAndDropsAStaleLint)
{
    Warned w;
    w.type(QStringLiteral("^(a+)+$"));
    w.settle();
    ASSERT_TRUE(w.amber());
    w.type(QStringLiteral("^(a+)+"));
    EXPECT_FALSE(w.amber());
    EXPECT_TRUE(w.box.toolTip().isEmpty());
    // A lint started before an edit reports after it: it is dropped.
    w.timer->Fire();
    w.type(QStringLiteral("^a+$"));
    w.runOldest();
    EXPECT_FALSE(w.amber());
    // The latest edit waits for its own pause.
    EXPECT_TRUE(w.timer->IsPending());
}

TEST(BacktrackWarning, NeverCoversAnEngineFault)
{
    Warned w;
    w.type(QStringLiteral("^(a+)+$"));
    w.timer->Fire();
    markExpressionFault(&w.box, QStringLiteral("搜索时间过长"));
    w.runOldest();
    EXPECT_EQ(w.box.toolTip(), QStringLiteral("搜索时间过长"));
    EXPECT_FALSE(BacktrackWarning::IsShown(&w.box));
}

TEST(BacktrackWarning, TheWindowWarnsFromItsExpressionBox)
{
    Form1Services services;
    services.selfCheck = [] { return QString(); };
    auto timer = std::make_shared<HandFiredTimer>();
    auto lints = std::make_shared<std::deque<std::function<void()>>>();
    services.backtrackWarning.quietTimer = timer;
    services.backtrackWarning.runInBackground = [lints](std::function<void()> lint) { lints->push_back(lint); };
    Form1 form(services);
    form.Text3()->setText(QStringLiteral("(x+x+)+y"));
    EXPECT_TRUE(timer->IsPending());
    timer->Fire();
    ASSERT_EQ(lints->size(), 1u);
    lints->front()();
    QCoreApplication::processEvents();
    EXPECT_TRUE(BacktrackWarning::IsShown(form.Text3()));
    EXPECT_TRUE(form.Text3()->toolTip().contains(QStringLiteral("「(x+x+)+」")));
}

} // namespace
} // namespace pattaro
