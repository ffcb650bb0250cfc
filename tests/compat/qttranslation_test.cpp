#include "compat/qttranslation.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

namespace pattaro::platform {
namespace {

// Installed for each test and taken away again, so the other tests of this
// program see Qt's strings as they were.
class QtChineseTranslation : public ::testing::Test {
protected:
    void SetUp() override
    {
        translator.reset(InstallQtChineseTranslation());
        ASSERT_NE(translator, nullptr) << "Qt's Chinese translation is missing: run scripts/install-deps.sh";
    }
    void TearDown() override
    {
        if (translator)
            QCoreApplication::removeTranslator(translator.get());
    }

    std::unique_ptr<QTranslator> translator;
};

QStringList actionTexts(QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << action->text().section(u'\t', 0, 0); // without the shortcut
    return texts;
}

TEST_F(QtChineseTranslation, MessageBoxButtonsSpeakChinese)
{
    QMessageBox question(QMessageBox::Information, "t", "q", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
    EXPECT_EQ(question.button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));
    QMessageBox note(QMessageBox::Information, "t", "n", QMessageBox::Ok);
    EXPECT_EQ(note.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
}

TEST_F(QtChineseTranslation, TextPaneContextMenusSpeakChinese)
{
    QLineEdit line;
    const std::unique_ptr<QMenu> lineMenu(line.createStandardContextMenu());
    EXPECT_TRUE(actionTexts(*lineMenu).contains(QStringLiteral("复制(&C)"))) << actionTexts(*lineMenu).join('|').toStdString();
    QPlainTextEdit pane;
    const std::unique_ptr<QMenu> paneMenu(pane.createStandardContextMenu());
    EXPECT_TRUE(actionTexts(*paneMenu).contains(QStringLiteral("全选"))) << actionTexts(*paneMenu).join('|').toStdString();
}

TEST_F(QtChineseTranslation, StandardDialogsSpeakChinese)
{
    struct Row {
        const char* context;
        const char* english;
        const char* chinese;
    };
    const Row rows[] = {
        {"QColorDialog", "Select Color", "选择颜色"},
        {"QFileDialog", "Look in:", "查找范围："},
        {"QFontDialog", "Select Font", "选择字体"},
        {"QPrintDialog", "Print", "打印"},
        {"QPageSetupWidget", "Paper", "纸张"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(QCoreApplication::translate(row.context, row.english), QString::fromUtf8(row.chinese))
            << row.context << " / " << row.english;
}

} // namespace
} // namespace pattaro::platform
