#pragma once

#include "core/commands/highlightplan.h"
#include "core/regex/regexp.h"
#include "core/settings/history.h"
#include "core/settings/library.h"
#include "ui/livepreviewscheduling.h"
#include "ui/encodingchooser.h"
#include "compat/messagebox.h"
#include "compat/services.h"
#include "frame/qtformhost.h"

#include <QWidget>
#include <functional>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pattaro::platform {
class CommonDialogApi;
class FileStore;
class LinkOpener;
class PopupMenuService;
} // namespace pattaro::platform

namespace pattaro {

class ClickableLabel;
class ExplainWindow;
class ExpressionPicker;
class FindBar;
class SystemSkinPlatform;
class GCommonDialog;
class LivePreview;
class BacktrackWarning;
class MatchTips;
class Preferences;
class SettingsStore;
class RichTextBox;
class orukForms;

// The title of every message box the window shows.
inline const QString kNoticeTitle = QStringLiteral("友情提示");

// What the window calls outside itself. A field left empty is filled with the
// real service; tests pass scripted ones so that nothing modal opens.
struct Form1Services {
    platform::MessageBoxService* messageBox = nullptr;
    // The integrity check that start-up runs first; it returns the warning
    // to show, empty when the program is intact.
    std::function<QString()> selfCheck;
    // The dialogs behind colorDialog and the open and save dialogs; empty: Qt's.
    std::shared_ptr<platform::CommonDialogApi> commonDialogs = nullptr;
    // Where files are opened and saved; empty: the disk.
    platform::FileStore* files = nullptr;
    // Who picks a file's encoding when detection cannot; empty: a dialog.
    EncodingChooser* encodingChooser = nullptr;
    // Where the link labels open their pages; empty: the default browser.
    platform::LinkOpener* linkOpener = nullptr;
    // What the window's skin reports through and asks of the desktop;
    // empty members: the system's.
    platform::Services skin = {};
    // Where the skin's system menu pops up; empty: a Qt menu.
    platform::PopupMenuService* popupMenu = nullptr;
    // When the live preview searches and where; empty members: after a
    // pause in typing, on a thread of its own.
    LivePreviewScheduling livePreview = {};
    // When the expression is checked for runaway backtracking and where;
    // empty members: after a pause in typing, on a thread of its own.
    LivePreviewScheduling backtrackWarning = {};
    // Where what the user sets is remembered; empty: the program's settings
    // file, whose faults are reported on standard error.
    SettingsStore* settings = nullptr;
    // The expression library's file; empty: the one beside the settings.
    QString libraryPath = {};
    // Asks the name to save the expression under, offering a suggestion;
    // nothing when the user declines. Empty: a dialog.
    std::function<std::optional<QString>(const QString& suggestion)> askLibraryName = {};
};

// The program's one window: the source, result and help panes, the
// expression settings and the command buttons. It reports a failure in one
// of two ways: a command the engine failed or memory ran out on tints the
// expression box, the reason as its tool tip (expressionfault.h); a file that
// cannot be opened or saved is explained in a message box.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Form1Services services = {}, QWidget* parent = nullptr);
    ~Form1() override;

    // The controls, by their form names.
    orukForms* orukForms1() const { return m_orukForms1; }
    QGroupBox* Frame1() const { return m_Frame1; }
    QGroupBox* Frame2() const { return m_Frame2; }
    QGroupBox* Frame3() const { return m_Frame3; }
    QGroupBox* Frame4() const { return m_Frame4; }
    QGroupBox* Frame5() const { return m_Frame5; }
    QGroupBox* Frame6() const { return m_Frame6; }
    RichTextBox* TXT1() const { return m_TXT1; }
    RichTextBox* TXT2() const { return m_TXT2; }
    RichTextBox* HelpAbout() const { return m_HelpAbout; }
    QLineEdit* Text3() const { return m_Text3; }
    QLineEdit* Text4() const { return m_Text4; }
    ClickableLabel* Label1() const { return m_Label1; }
    ClickableLabel* Label2() const { return m_Label2; }
    ClickableLabel* Label3() const { return m_Label3; }
    ClickableLabel* Label4() const { return m_Label4; }
    ClickableLabel* Label5() const { return m_Label5; }
    ClickableLabel* Label6() const { return m_Label6; }
    ClickableLabel* Label7() const { return m_Label7; }
    ClickableLabel* Label8() const { return m_Label8; }
    ClickableLabel* Color1() const { return m_Color1; }
    ClickableLabel* Color2() const { return m_Color2; }
    ClickableLabel* Image1() const { return m_Image1; }
    QCheckBox* Check1() const { return m_Check1; }
    QPushButton* Command1() const { return m_Command1; }
    QPushButton* Command2() const { return m_Command2; }
    QPushButton* Command3() const { return m_Command3; }
    QPushButton* Command4() const { return m_Command4; }
    QPushButton* Command5() const { return m_Command5; }
    QPushButton* Command6() const { return m_Command6; }

    // The window's engine, made on first use and kept for the window's life.
    RegExp& regEngine();
    bool hasRegEngine() const { return m_regEngine != nullptr; }
    // The colour dialog of the swatches: none until the first swatch click,
    // then the same one for the rest of the window's life.
    GCommonDialog* colorDialog() const { return m_colorDialog.get(); }
    // The details of the coloured matches, shown over TXT1.
    MatchTips* matchTips() const { return m_matchTips; }
    // The expression explained, beside the window: none until first asked for.
    ExplainWindow* explainWindow() const { return m_explainWindow.get(); }
    static const QString kExplainMenuCaption;
    // The mode that shows the commands' results while the user types (F6).
    LivePreview* livePreview() const { return m_livePreview.get(); }
    // The amber warning of an expression that can backtrack without end.
    BacktrackWarning* backtrackWarning() const { return m_backtrackWarning.get(); }
    // The panes' text size in points (Ctrl+= / Ctrl+- / Ctrl+0, Ctrl+wheel).
    int zoom() const;
    // The find bars of TXT1 and TXT2 (Ctrl+F in the pane).
    FindBar* findBar1() const { return m_findBar1; }
    FindBar* findBar2() const { return m_findBar2; }
    // The expressions the commands ran, and the user's library; the list
    // Text3 opens offers both (Alt+Down or Ctrl+H).
    const ExpressionHistory& history() const { return m_history; }
    const ExpressionLibrary& library();
    ExpressionPicker* expressionPicker() const { return m_picker; }

    // Opens a text file into TXT1, its encoding detected, or asked for when
    // detection cannot tell. A file that cannot be opened is explained in a
    // message box and TXT1 stays as it was, as it does when the user declines
    // to choose an encoding.
    bool openTextFile(const QString& path);

    // What the last commands left: the text they searched, the matches found,
    // the last match coloured, whether the user chose one item per line, and
    // where the loop over the matches stopped.
    const QString& sourceText() const { return m_sourceText; }
    const MatchCollection& matchList() const { return m_matchList; }
    const Match& curMatch() const { return m_curMatch; }
    qint16 lineChoice() const { return m_lineChoice; }
    qsizetype matchIndex() const { return m_matchIndex; }

public slots:
    void openExpressionPicker();
    // The system menu's library items.
    void saveToLibrary();
    void importLibrary();
    void exportLibrary();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Check1_Click();
    void Color1_Click();
    void Color2_Click();
    void Image1_Click();
    void Label5_Click();
    void Label6_Click();
    // Ctrl+O: a file into TXT1, chosen in the open dialog.
    void OpenFile();
    // Ctrl+S: TXT2 into a file, chosen in the save dialog, as UTF-8.
    void SaveResult();
    // F2: the expression explained, in a window beside this one.
    void showExplanation();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void createControls();
    void loadSkinDesign();
    void connectEvents();
    void fitCaptions();
    void setUpMatchTips();
    void setUpKeyboard();
    void setUpExplanation();
    void explainExpression();
    void setUpLivePreview();
    void setUpBacktrackWarning();
    // The steps of the match check's colouring, for the check and for the
    // live preview: the colours of the matches found, in match order; the
    // characters [from, to) back to plain; the matches [first, last) in
    // their colours.
    std::vector<HighlightRange> matchColouring() const;
    void uncolourSource(qsizetype from, qsizetype to);
    void colourMatches(const std::vector<HighlightRange>& plan, qsizetype first, qsizetype last);
    friend class LivePreview;
    void Form_Load();
    void chooseSwatchColor(ClickableLabel* swatch);
    // The remembered settings: opened first, applied once the window is
    // built, and from then on kept as the user changes them.
    void openSettings();
    void restoreSettings();
    void prepareColorDialog();
    // The colour dialog's custom colours, and the swatch chosen if any.
    void rememberColours(ClickableLabel* chosenSwatch);
    // The system menu's 外观 submenu: the skin's themes and title-bar looks.
    void setUpAppearance();
    void applyTheme(int theme);
    void applyLook(int look);
    void checkAppearanceItems();
    // Zoom for the three panes and a find bar for TXT1 and TXT2.
    void setUpReading();
    void zoomBy(int steps);
    void zoomTo(int points);
    void applyZoom(int points);
    void setUpLibrary();
    void loadLibrary();
    // False, after saying why in a message box, when the file cannot be written.
    bool writeLibrary(const QString& path, const ExpressionLibrary& library);
    // Called by each command that ran the expression without error.
    void rememberRun();
    void setUpFiles();
    GCommonDialog& fileDialog();

    Form1Services m_services;
    std::unique_ptr<platform::MessageBoxService> m_ownMessageBox;
    std::unique_ptr<platform::MessageBoxService> m_ownSkinMessageBox;
    std::unique_ptr<RegExp> m_regEngine;
    std::unique_ptr<GCommonDialog> m_colorDialog;
    std::unique_ptr<GCommonDialog> m_fileDialog;
    std::unique_ptr<platform::FileStore> m_ownFiles;
    std::unique_ptr<EncodingChooser> m_ownEncodingChooser;
    // Where the open and save dialogs start: the folder of the last file.
    QString m_fileFolder;
    std::unique_ptr<platform::LinkOpener> m_ownLinkOpener;
    QtFormHost m_formHost{this};
    std::unique_ptr<SystemSkinPlatform> m_skinPlatform;
    MatchTips* m_matchTips = nullptr;
    std::unique_ptr<ExplainWindow> m_explainWindow;
    std::unique_ptr<LivePreview> m_livePreview;
    std::unique_ptr<BacktrackWarning> m_backtrackWarning;
    std::unique_ptr<SettingsStore> m_ownSettings;
    std::unique_ptr<Preferences> m_preferences;
    std::vector<std::int16_t> m_themeItems;
    std::vector<std::int16_t> m_lookItems;
    // None: the panes' design font.
    std::optional<int> m_zoom;
    FindBar* m_findBar1 = nullptr;
    FindBar* m_findBar2 = nullptr;
    ExpressionHistory m_history;
    ExpressionLibrary m_library;
    bool m_libraryLoaded = false;
    ExpressionPicker* m_picker = nullptr;

    // State the commands share.
    QString m_sourceText;
    MatchCollection m_matchList;
    Match m_curMatch;
    qint16 m_lineChoice = 0;
    // Wide enough for any match count.
    qsizetype m_matchIndex = 0;

    orukForms* m_orukForms1 = nullptr;
    QGroupBox* m_Frame1 = nullptr;
    QGroupBox* m_Frame2 = nullptr;
    QGroupBox* m_Frame3 = nullptr;
    QGroupBox* m_Frame4 = nullptr;
    QGroupBox* m_Frame5 = nullptr;
    QGroupBox* m_Frame6 = nullptr;
    RichTextBox* m_TXT1 = nullptr;
    RichTextBox* m_TXT2 = nullptr;
    RichTextBox* m_HelpAbout = nullptr;
    QLineEdit* m_Text3 = nullptr;
    QLineEdit* m_Text4 = nullptr;
    ClickableLabel* m_Label1 = nullptr;
    ClickableLabel* m_Label2 = nullptr;
    ClickableLabel* m_Label3 = nullptr;
    ClickableLabel* m_Label4 = nullptr;
    ClickableLabel* m_Label5 = nullptr;
    ClickableLabel* m_Label6 = nullptr;
    ClickableLabel* m_Label7 = nullptr;
    ClickableLabel* m_Label8 = nullptr;
    ClickableLabel* m_Color1 = nullptr;
    ClickableLabel* m_Color2 = nullptr;
    ClickableLabel* m_Image1 = nullptr;
    QCheckBox* m_Check1 = nullptr;
    QPushButton* m_Command1 = nullptr;
    QPushButton* m_Command2 = nullptr;
    QPushButton* m_Command3 = nullptr;
    QPushButton* m_Command4 = nullptr;
    QPushButton* m_Command5 = nullptr;
    QPushButton* m_Command6 = nullptr;
};

} // namespace pattaro
