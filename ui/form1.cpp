#include "ui/form1.h"

#include "ui/backtrackwarning.h"

#include "ui/richtext/richtextbox.h"
#include "ui/clickablelabel.h"
#include "ui/explainwindow.h"
#include "ui/helptext.h"
#include "ui/livepreview.h"
#include "ui/selfcheck.h"
#include "ui/skindesign.h"
#include "ui/versioncaption.h"
#include "core/settings/preferences.h"
#include "dialogs/gcommondialog.h"
#include "compat/filestore.h"
#include "compat/propertybag.h"
#include "frame/skinplatform.h"
#include "frame/orukforms.h"
#include "compat/linkopener.h"
#include "version.h"

#include <QCheckBox>
#include <QGroupBox>

namespace pattaro {

namespace {

void fillMissingServices(platform::Services& services)
{
    const platform::Services system = platform::Services::system();
    if (!services.messageBox)
        services.messageBox = system.messageBox;
    if (!services.clock)
        services.clock = system.clock;
    if (!services.environment)
        services.environment = system.environment;
    if (!services.appInfo)
        services.appInfo = system.appInfo;
    if (!services.visualStyle)
        services.visualStyle = system.visualStyle;
}

} // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent)
    , m_services(std::move(services))
{
    if (!m_services.messageBox) {
        m_ownMessageBox = std::make_unique<platform::QtMessageBoxService>(this);
        m_services.messageBox = m_ownMessageBox.get();
    }
    if (!m_services.selfCheck)
        m_services.selfCheck = runSelfCheck;
    if (!m_services.linkOpener) {
        m_ownLinkOpener = std::make_unique<platform::DesktopLinkOpener>();
        m_services.linkOpener = m_ownLinkOpener.get();
    }
    if (!m_services.skin.messageBox) {
        // The skin's questions and reports sit over this window.
        m_ownSkinMessageBox = std::make_unique<platform::QtMessageBoxService>(this);
        m_services.skin.messageBox = m_ownSkinMessageBox.get();
    }
    fillMissingServices(m_services.skin);
    m_skinPlatform = std::make_unique<SystemSkinPlatform>(m_services.skin, m_services.popupMenu);
    openSettings();

    createControls();
    loadSkinDesign();
    connectEvents();
    setUpMatchTips();
    setUpFiles();
    Form_Load();
    fitCaptions();
    setUpExplanation();
    // Tab follows the controls' final places.
    setUpKeyboard();
    setUpLivePreview();
    setUpBacktrackWarning();
    // The controls keep their design places whatever the window's size, so
    // the window manager is told the size is fixed: no maximising, no
    // resizing from its own frame or keys.
    setFixedSize(size());
    // The design starts the form in the centre of the screen.
    m_formHost.StartUpPosition(2);
    restoreSettings();
    setUpReading();
    setUpLibrary();
    setUpAppearance();
}

Form1::~Form1()
{
    // Its search may still be running on the controls' last text.
    m_livePreview.reset();
    m_backtrackWarning.reset();
    // The skin goes first: it still reads the form as it ends.
    delete m_orukForms1;
}

RegExp& Form1::regEngine()
{
    if (!m_regEngine)
        m_regEngine = std::make_unique<RegExp>();
    return *m_regEngine;
}

void Form1::loadSkinDesign()
{
    m_orukForms1->UserControl_ReadProperties(programSkinDesign());
}

void Form1::Form_Load()
{
    // The check advises: start-up goes on, and its warning is shown over the
    // window once the window is up.
    if (const QString warning = m_services.selfCheck(); !warning.isEmpty())
        QMetaObject::invokeMethod(
            this,
            [this, warning] {
                m_services.messageBox->show(warning, kNoticeTitle, platform::MsgIcon::Exclamation,
                                            platform::MsgButtons::Ok);
            },
            Qt::QueuedConnection);
    // Raises Check1_Click, which sets the engine's case rule.
    m_Check1->setChecked(true);
    regEngine().Global(true);
    regEngine().Multiline(true);
    m_Frame4->hide();
    m_Frame5->hide();
    m_Frame6->hide();
    m_Label8->setText(versionCaption(kVersionMajor, kVersionMinor, kVersionRevision));
    m_HelpAbout->Text(helpText());
}

void Form1::Check1_Click()
{
    regEngine().IgnoreCase(!m_Check1->isChecked());
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_orukForms1->setGeometry(rect());
}

} // namespace pattaro
