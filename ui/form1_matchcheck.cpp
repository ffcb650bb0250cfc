#include "ui/clickablelabel.h"
#include "core/commands/highlightplan.h"
#include "ui/richtext/richtextbox.h"
#include "ui/expressionfault.h"
#include "ui/form1.h"
#include "ui/matchtips.h"

#include <QLineEdit>

namespace pattaro {
namespace {

using platform::MsgButtons;
using platform::MsgIcon;

const QString kNoMatch = QStringLiteral("没有找到任何匹配的项目！");

QString matchesFoundQuestion(qsizetype count)
{
    return QStringLiteral("一共找到 ") + QString::number(count) + QStringLiteral(" 个匹配项目！")
           + QStringLiteral("\r\n") + QStringLiteral("是否要高亮显示匹配的项目？");
}

} // namespace

void Form1::Command1_Click()
{
    const QString pattern = m_Text3->text();
    m_matchTips->Forget();
    if (pattern.isEmpty())
        return;
    clearExpressionFault(m_Text3);
    // Any engine failure ends the command without a message; colour already applied stays.
    try {
        RegExp& engine = regEngine();
        engine.Pattern(pattern);
        m_sourceText = m_TXT1->Text();
        m_matchList = engine.Execute(m_sourceText, RegExp::Groups::Keep);
        rememberRun();
        if (m_matchList.Count() == 0) {
            m_services.messageBox->show(kNoMatch, kNoticeTitle, MsgIcon::Information, MsgButtons::Ok);
            return;
        }

        uncolourSource(0, m_sourceText.size());

        const int answer = m_services.messageBox->show(matchesFoundQuestion(m_matchList.Count()), kNoticeTitle,
                                                       MsgIcon::Information, MsgButtons::YesNo);
        if (answer != platform::kIdYes)
            return;

        colourMatches(matchColouring(), 0, m_matchList.Count());
        m_matchTips->Keep(m_matchList);
    } catch (const RegexError& error) {
        markExpressionFault(m_Text3, error);
    }
}

std::vector<HighlightRange> Form1::matchColouring() const
{
    return HighlightPlan(
        m_matchList, [this] { return m_Color1->BackColor(); }, [this] { return m_Color2->BackColor(); });
}

void Form1::uncolourSource(qsizetype from, qsizetype to)
{
    m_TXT1->SelStart(from);
    m_TXT1->SelLength(to - from);
    m_TXT1->SelColor(platform::rgb(0, 0, 0));
    m_TXT1->SelBold(false);
}

void Form1::colourMatches(const std::vector<HighlightRange>& plan, qsizetype first, qsizetype last)
{
    for (m_matchIndex = first; m_matchIndex < last; ++m_matchIndex) {
        const HighlightRange& range = plan[size_t(m_matchIndex)];
        m_curMatch = m_matchList.Item(m_matchIndex);
        m_TXT1->SelStart(range.start);
        m_TXT1->SelLength(range.length);
        m_TXT1->SelBold(true);
        m_TXT1->SelColor(range.color);
    }
}

} // namespace pattaro
