#include "core/commands/replaceeach.h"
#include "ui/richtext/richtextbox.h"
#include "ui/expressionfault.h"
#include "ui/form1.h"

#include <QLineEdit>
#include <new>

namespace pattaro {
namespace {

using platform::MsgButtons;
using platform::MsgIcon;

const QString kOnePerLineQuestion = QStringLiteral("是否将每个替换后的项目放在独立的一行中？");
const QString kNoMemory = QStringLiteral("内存不足，容纳不下结果。");

} // namespace

void Form1::Command2_Click()
{
    // Each step that fails is skipped: an invalid expression, or a result
    // too large for memory, leaves TXT2 as it was.
    RegExp& engine = regEngine();
    engine.Pattern(m_Text3->text());
    m_sourceText = m_TXT1->Text();
    clearExpressionFault(m_Text3);
    try {
        m_TXT2->Text(engine.Replace(m_sourceText, m_Text4->text()));
        rememberRun();
    } catch (const RegexError& error) {
        markExpressionFault(m_Text3, error);
    } catch (const std::bad_alloc&) {
        markExpressionFault(m_Text3, kNoMemory);
    }
}

void Form1::Command3_Click()
{
    RegExp& engine = regEngine();
    engine.Pattern(m_Text3->text());
    if (m_Text4->text().isEmpty())
        return;
    m_lineChoice = qint16(m_services.messageBox->show(kOnePerLineQuestion, kNoticeTitle, MsgIcon::Information,
                                                      MsgButtons::YesNo));
    m_sourceText = m_TXT1->Text();
    clearExpressionFault(m_Text3);
    // The first failure ends the command silently; TXT2 keeps what was built.
    try {
        m_matchList = engine.Execute(m_sourceText);
        m_TXT2->Text(QString());
        if (m_matchList.Count() == 0) {
            rememberRun();
            return;
        }
    } catch (const RegexError& error) {
        markExpressionFault(m_Text3, error);
        return;
    }

    // Built whole and set once, so the cost stays linear in the result. A
    // result that outgrows memory is dropped whole.
    QString result;
    try {
        try {
            AppendEachReplaced(engine, m_matchList, m_Text4->text(), m_lineChoice == platform::kIdYes, result,
                               m_matchIndex);
            rememberRun();
        } catch (const RegexError& error) {
            markExpressionFault(m_Text3, error);
        }
        m_TXT2->Text(result);
    } catch (const std::bad_alloc&) {
        markExpressionFault(m_Text3, kNoMemory);
    }
}

} // namespace pattaro
