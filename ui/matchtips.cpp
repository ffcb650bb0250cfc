#include "ui/matchtips.h"

#include "core/commands/matchtip.h"
#include "ui/richtext/richtextbox.h"

#include <QHelpEvent>
#include <QToolTip>

namespace pattaro {

MatchTips::MatchTips(RichTextBox* pane)
    : QObject(pane)
    , m_pane(pane)
{
    pane->viewport()->installEventFilter(this);
}

void MatchTips::Keep(MatchCollection matches)
{
    m_matches = std::move(matches);
    m_kept = true;
}

void MatchTips::Forget()
{
    m_matches = MatchCollection();
    m_kept = false;
}

QString MatchTips::TipAt(const QPoint& viewportPoint) const
{
    if (!m_kept)
        return {};
    const qsizetype index = MatchAt(m_matches, m_pane->CharacterAt(viewportPoint));
    return index < 0 ? QString() : MatchTipText(m_matches, index);
}

bool MatchTips::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !m_kept)
        return QObject::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = TipAt(help->pos());
    // An empty text hides a tip still showing from the match left behind.
    QToolTip::showText(help->globalPos(), tip, m_pane->viewport());
    return true;
}

} // namespace pattaro
