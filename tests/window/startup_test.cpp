#include "ui/clickablelabel.h"
#include "ui/richtext/richtextbox.h"
#include "ui/helptext.h"
#include "ui/versioncaption.h"
#include "tests/window/window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using testing::TestWindow;

TEST(Startup, EngineIsCaseSensitiveGlobalAndMultiline)
{
    TestWindow w;
    Form1& f = *w.form;
    EXPECT_TRUE(f.Check1()->isChecked());
    ASSERT_TRUE(f.hasRegEngine());
    RegExp& engine = f.regEngine();
    EXPECT_FALSE(engine.IgnoreCase());
    EXPECT_TRUE(engine.Global());
    EXPECT_TRUE(engine.Multiline());
    EXPECT_EQ(engine.Pattern(), QString());

    engine.Pattern(u"A"_qs);
    EXPECT_EQ(engine.Execute(u"a"_qs).Count(), 0);
}

TEST(Startup, SelfCheckRunsOnceBeforeAnyOtherStep)
{
    struct Seen {
        bool engine;
        bool checked;
        bool helpHidden;
        bool helpFilled;
    };
    std::vector<Seen> seen;
    TestWindow w0; // keeps the scripted message box alive for the window below
    Form1Services services;
    services.messageBox = &w0.messages;
    services.selfCheck = [&] {
        // The window under construction is already a top-level widget.
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* f = qobject_cast<Form1*>(top);
            if (f && f != w0.form.get())
                seen.push_back({f->hasRegEngine(), f->Check1()->isChecked(), f->Frame4()->isHidden(),
                                !f->HelpAbout()->Text().isEmpty()});
        }
        return QString();
    };
    Form1 form(services);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_FALSE(seen[0].engine);
    EXPECT_FALSE(seen[0].checked);
    EXPECT_FALSE(seen[0].helpHidden);
    EXPECT_FALSE(seen[0].helpFilled);
}

TEST(Startup, SelfCheckWarningIsShownAndStartUpGoesOn)
{
    TestWindow w(u"程序文件已损坏"_qs);
    EXPECT_TRUE(w.messages.shown.empty()) << "not before the window is up";
    QCoreApplication::processEvents();
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, u"程序文件已损坏"_qs);
    EXPECT_EQ(w.messages.shown[0].title, u"友情提示"_qs);
    EXPECT_EQ(w.form->HelpAbout()->Text(), helpText()) << "start-up went on";
}

TEST(Startup, WindowStateAfterLoad)
{
    TestWindow w;
    Form1& f = *w.form;
    EXPECT_EQ(f.TXT1()->Text(), QString());
    EXPECT_EQ(f.TXT2()->Text(), QString());
    EXPECT_EQ(f.Text3()->text(), QString());
    EXPECT_EQ(f.Text4()->text(), QString());
    EXPECT_EQ(f.sourceText(), QString());
    EXPECT_EQ(f.matchList().Count(), 0);
    EXPECT_EQ(f.Label8()->text(), u"软件版本：1.1.0.16"_qs);
    EXPECT_EQ(f.HelpAbout()->Text(), helpText());
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_EQ(w.selfChecks, 1);
}

TEST(Startup, WorkLayoutShowsAndHelpLayoutIsHidden)
{
    TestWindow w;
    Form1& f = *w.form;
    for (QGroupBox* frame : {f.Frame1(), f.Frame2(), f.Frame3()})
        EXPECT_TRUE(frame->isVisibleTo(&f)) << frame->objectName().toStdString();
    for (QGroupBox* frame : {f.Frame4(), f.Frame5(), f.Frame6()})
        EXPECT_FALSE(frame->isVisibleTo(&f)) << frame->objectName().toStdString();
    for (QPushButton* button : {f.Command1(), f.Command2(), f.Command3(), f.Command4()}) {
        EXPECT_TRUE(button->isVisibleTo(&f)) << button->objectName().toStdString();
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    }
    EXPECT_EQ(f.Command4()->text(), u"正则表达式帮助说明"_qs);
}

TEST(Check1, ClickSwitchesCaseRuleOnTheOneEngine)
{
    TestWindow w;
    Form1& f = *w.form;
    RegExp* const engine = &f.regEngine();
    engine->Pattern(u"A"_qs);

    f.Check1()->click();
    EXPECT_FALSE(f.Check1()->isChecked());
    EXPECT_TRUE(f.regEngine().IgnoreCase());
    EXPECT_EQ(f.regEngine().Execute(u"a"_qs).Count(), 1);

    f.Check1()->click();
    EXPECT_FALSE(f.regEngine().IgnoreCase());
    EXPECT_EQ(f.regEngine().Execute(u"a"_qs).Count(), 0);
    EXPECT_EQ(&f.regEngine(), engine);
    // The other settings stay as start-up left them.
    EXPECT_TRUE(engine->Global());
    EXPECT_TRUE(engine->Multiline());
}

TEST(VersionCaption, PlainNumbersWithZeroInThirdPlace)
{
    EXPECT_EQ(versionCaption(1, 1, 16), u"软件版本：1.1.0.16"_qs);
    EXPECT_EQ(versionCaption(10, 0, 7), u"软件版本：10.0.0.7"_qs);
}

} // namespace
} // namespace pattaro
