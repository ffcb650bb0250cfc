#include "app/form1.h"

#include "app/components/richtext/richtextbox.h"
#include "app/clickablelabel.h"
#include "app/helptext.h"
#include "app/selfcheck.h"
#include "app/versioncaption.h"
#include "dialogs/gcommondialog.h"
#include "platform/linkopener.h"
#include "version.h"

#include <QCheckBox>
#include <QGroupBox>

namespace pattaro {

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

    createControls();
    connectEvents();
    Form_Load();
    fitCaptions();
}

Form1::~Form1() = default;

RegExp& Form1::regEngine()
{
    if (!m_regEngine)
        m_regEngine = std::make_unique<RegExp>();
    return *m_regEngine;
}

void Form1::Form_Load()
{
    m_services.selfCheck();
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
