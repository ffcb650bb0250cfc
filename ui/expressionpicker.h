#pragma once

#include "core/settings/choices.h"

#include <QFrame>
#include <functional>

class QLineEdit;
class QListWidget;

namespace pattaro {

// The list Text3 opens (Alt+Down or Ctrl+H): earlier expressions and saved
// ones, narrowed by what is typed into its own box; Enter or a click picks
// the highlighted line, Escape closes it.
class ExpressionPicker : public QFrame {
    Q_OBJECT
public:
    using Picked = std::function<void(const HistoryEntry&)>;
    ExpressionPicker(QWidget* parent, Picked picked);

    // Shows the choices under `anchor`, as wide as it, filter box empty.
    void Open(QWidget* anchor, std::vector<ExpressionChoice> choices);

    QLineEdit* Filter() const { return m_filter; }
    QListWidget* List() const { return m_list; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refill();
    void pickCurrent();

    Picked m_picked;
    std::vector<ExpressionChoice> m_choices;
    QLineEdit* m_filter = nullptr;
    QListWidget* m_list = nullptr;
};

} // namespace pattaro
