#include "ui/form1.h"

#include "ui/besideplacement.h"
#include "ui/explainwindow.h"
#include "frame/orukforms.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>

namespace pattaro {

const QString Form1::kExplainMenuCaption = QStringLiteral("表达式解释\tF2");

void Form1::setUpExplanation()
{
    m_orukForms1->FormMenuAdd(kExplainMenuCaption, true);
    // Other items may be added around this one, so it is known by caption.
    connect(m_orukForms1, &orukForms::MenuItemSelected, this, [this](std::int16_t&, QString& caption) {
        if (caption == kExplainMenuCaption)
            showExplanation();
    });
    auto* key = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(key, &QShortcut::activated, this, &Form1::showExplanation);
    const auto follow = [this] {
        if (m_explainWindow && m_explainWindow->isVisible())
            explainExpression();
    };
    connect(m_Text3, &QLineEdit::textChanged, this, follow);
    connect(m_Check1, &QCheckBox::toggled, this, follow);
    const auto followCaret = [this] {
        if (m_explainWindow && m_explainWindow->isVisible())
            m_explainWindow->followCaret(m_Text3->cursorPosition(), m_Text3->selectionStart(),
                                         m_Text3->selectionLength());
    };
    connect(m_Text3, &QLineEdit::cursorPositionChanged, this, followCaret);
    connect(m_Text3, &QLineEdit::selectionChanged, this, followCaret);
}

void Form1::showExplanation()
{
    if (!m_explainWindow) {
        m_explainWindow = std::make_unique<ExplainWindow>(m_services.skin, m_services.popupMenu);
        connect(m_explainWindow.get(), &ExplainWindow::spanChosen, this,
                [this](qsizetype start, qsizetype length) { m_Text3->setSelection(int(start), int(length)); });
    }
    explainExpression();
    m_explainWindow->move(
        besideWindow(frameGeometry(), m_explainWindow->frameGeometry().size(), screen()->availableGeometry()));
    m_explainWindow->show();
    m_explainWindow->raise();
}

void Form1::explainExpression()
{
    // The flags the window searches with: global and multiline always, case
    // as the check box says.
    m_explainWindow->showExpression(m_Text3->text(), {!m_Check1->isChecked(), true, true});
    m_explainWindow->followCaret(m_Text3->cursorPosition(), m_Text3->selectionStart(), m_Text3->selectionLength());
}

} // namespace pattaro
