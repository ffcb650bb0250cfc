#include "ui/form1.h"

#include "ui/richtext/richtextbox.h"
#include "ui/matchtips.h"

#include <QCheckBox>
#include <QLineEdit>

namespace pattaro {

void Form1::setUpMatchTips()
{
    m_matchTips = new MatchTips(m_TXT1);
    // The details describe the last check's matches; whatever could give a
    // different set ends them: the text, the expression, the case rule.
    connect(m_TXT1, &QPlainTextEdit::textChanged, m_matchTips, &MatchTips::Forget);
    connect(m_Text3, &QLineEdit::textChanged, m_matchTips, &MatchTips::Forget);
    connect(m_Check1, &QCheckBox::toggled, m_matchTips, &MatchTips::Forget);
}

} // namespace pattaro
