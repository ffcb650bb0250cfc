#include "examples/skindemo/demoform.h"
#include "tests/support/scripted_services.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using pattaro::testing::ScriptedServices;

TEST(DemoForm, ContentsStartUnderTheTitleBarOfEveryStyleAndIconSize)
{
    for (const int style : {0, 1, 2, 3})
        for (const int iconSize : {16, 32, 48}) {
            SCOPED_TRACE("style " + std::to_string(style) + ", icon size " + std::to_string(iconSize));
            QString message;
            bool help = false;
            const auto options = skindemo::ParseDemoOptions(
                {u"skindemo"_qs, u"--style"_qs, QString::number(style), u"--icon-size"_qs, QString::number(iconSize)},
                &message, &help);
            ASSERT_TRUE(options) << message.toStdString();
            QTemporaryDir folder;
            ScriptedServices scripted;
            scripted.appInfo.path = folder.path();
            skindemo::DemoForm form(*options, scripted.services());
            EXPECT_TRUE(scripted.messageBox.shown.empty());

            const pattaro::FrameState& skin = form.Skin().State();
            // The title bar grows with the icon, so no fixed place for the
            // contents would pass every case.
            ASSERT_GE(skin.TitleAreaHeight, iconSize + 15);
            const auto* note = form.findChild<QLabel*>(u"Label1"_qs);
            const auto* text = form.findChild<QPlainTextEdit*>(u"Text1"_qs);
            ASSERT_TRUE(note && text);
            EXPECT_GT(note->y(), skin.TitleAreaHeight);
            for (const pattaro::CaptionBtn& button : skin.CaptionBtns) {
                if (button.Visible) {
                    EXPECT_GT(button.Height, 0);
                    EXPECT_LE(button.Top + button.Height, note->y());
                }
            }
            EXPECT_GT(text->y(), note->geometry().bottom());
            EXPECT_TRUE(form.rect().contains(text->geometry()));
        }
}

} // namespace
