// The dialog that asks for a file's encoding, driven by keys as a person
// would: the best guess is selected and shown, the arrows move to another,
// Return takes it and Esc takes none.
#include "ui/encodingdialog.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

const std::vector<EncodingOption> kOptions = {
    {TextEncoding::Gb18030, QStringLiteral("GB18030（简体中文）"), QStringLiteral("\n いゅ\nx")},
    {TextEncoding::Big5, QStringLiteral("Big5（繁体中文）"), QStringLiteral("中文\nx")},
};

TEST(EncodingDialog, ShowsEachReadingAndTakesTheOneChosen)
{
    const struct {
        const char* name;
        std::vector<Qt::Key> keys;
        std::optional<TextEncoding> chosen;
        QString preview;
    } cases[] = {
        {"best guess", {Qt::Key_Return}, TextEncoding::Gb18030, kOptions[0].preview},
        {"the next one", {Qt::Key_Down, Qt::Key_Return}, TextEncoding::Big5, kOptions[1].preview},
        {"Esc", {Qt::Key_Down, Qt::Key_Escape}, std::nullopt, kOptions[1].preview},
    };
    for (const auto& c : cases) {
        QString preview;
        QString title;
        QStringList firstLines;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<EncodingDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << c.name;
            title = dialog->windowTitle();
            for (int i = 0; i < dialog->list()->topLevelItemCount(); ++i)
                firstLines << dialog->list()->topLevelItem(i)->text(1);
            for (const Qt::Key key : c.keys) {
                preview = dialog->preview()->toPlainText();
                QTest::keyClick(dialog->list(), key);
            }
        });
        DialogEncodingChooser chooser(nullptr);
        EXPECT_EQ(chooser.choose(QStringLiteral("a.txt"), kOptions), c.chosen) << c.name;
        EXPECT_EQ(title, QStringLiteral("选择文件编码"));
        EXPECT_EQ(preview, c.preview) << c.name;
        // A row shows its first line with text in it.
        EXPECT_EQ(firstLines, (QStringList{QStringLiteral(" いゅ"), QStringLiteral("中文")})) << c.name;
    }
}

} // namespace
} // namespace pattaro
