#pragma once

#include "core/regex/regexp.h"

#include <QObject>
#include <QPoint>

namespace pattaro {

class RichTextBox;

// Tool tips over the source pane that tell which match the pointer rests on,
// from the matches the check found and coloured; nothing is searched again.
class MatchTips : public QObject {
    Q_OBJECT
public:
    explicit MatchTips(RichTextBox* pane);

    // Details for these matches from now on; `matches` must be of the pane's
    // current text.
    void Keep(MatchCollection matches);
    // No details until the next Keep.
    void Forget();
    bool IsKept() const { return m_kept; }

    // The tip for a point of the pane's viewport; empty over no match.
    QString TipAt(const QPoint& viewportPoint) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RichTextBox* m_pane;
    MatchCollection m_matches;
    bool m_kept = false;
};

} // namespace pattaro
