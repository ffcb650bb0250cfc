#pragma once

#include "core/explain/syntaxtree.h"
#include "compat/messagebox.h"
#include "compat/services.h"
#include "frame/orukforms.h"
#include "frame/qtformhost.h"
#include "frame/skinplatform.h"

#include <QWidget>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace pattaro {

// A window of its own, framed by the program's skin, that shows an
// expression as a tree: each piece's source text and what it does, in
// Chinese; or, for a refused expression, where and why. The services must
// outlive the window.
class ExplainWindow : public QWidget {
    Q_OBJECT
public:
    ExplainWindow(const platform::Services& services, platform::PopupMenuService* popupMenu);

    void showExpression(const QString& expression, ExpressionFlags flags);
    // Selects the piece the expression box's caret or selection is on,
    // without telling spanChosen. A piece whose span is the selection stays
    // selected: choosing it is what made that selection.
    void followCaret(qsizetype cursor, qsizetype selectionStart, qsizetype selectionLength);

    QTreeWidget* tree() const { return m_tree; }
    QLabel* fault() const { return m_fault; }

signals:
    // The user chose a piece: its span in the expression.
    void spanChosen(qsizetype start, qsizetype length);

private:
    // The skin asks before its form closes, as closing the main window ends
    // the program; closing this window only hides it, so it closes at once.
    // Anything else the skin reports goes to the program's message box.
    class ClosingWithoutQuestion : public platform::MessageBoxService {
    public:
        explicit ClosingWithoutQuestion(platform::MessageBoxService* reports) : m_reports(reports) {}
        int show(const QString& text, const QString& title, platform::MsgIcon icon,
                 platform::MsgButtons buttons) override;

    private:
        platform::MessageBoxService* m_reports;
    };

    static platform::Services withoutCloseQuestion(platform::Services services, ClosingWithoutQuestion& messages);

    void fill();
    void chosen(QTreeWidgetItem* item);

    ClosingWithoutQuestion m_messages;
    QtFormHost m_host;
    SystemSkinPlatform m_desktop;
    orukForms m_skin;
    QTreeWidget* m_tree = nullptr;
    QLabel* m_fault = nullptr;
    SyntaxTree m_syntax;
    // Set while the program selects, so that only the user's choice is told.
    bool m_following = false;
};

} // namespace pattaro
