#pragma once

#include <QFrame>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace pattaro {

class RichTextBox;

// A small find bar of the window's own, over the lower right corner of a
// text pane inside its frame. It selects what it finds in the pane and
// changes no character's colour, so the coloured matches stay as they are.
// Plain text and any case, unless the user asks for the case to count.
class FindBar : public QFrame {
    Q_OBJECT
public:
    FindBar(RichTextBox& pane, QWidget* frame);

    // Shows the bar with the pane's selection, or the last query, ready to type.
    void Open();
    // Hides the bar and gives the pane the keyboard back.
    void Close();
    // Selects the next (or previous) occurrence; false when there is none.
    bool FindNext(bool forward = true);

    QLineEdit* Query() const { return m_query; }
    QCheckBox* CaseOption() const { return m_case; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeOverPane();
    void showFound(bool found);

    RichTextBox& m_pane;
    QLineEdit* m_query = nullptr;
    QCheckBox* m_case = nullptr;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QToolButton* m_close = nullptr;
};

} // namespace pattaro
