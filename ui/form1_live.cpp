#include "ui/form1.h"

#include "ui/livepreview.h"
#include "ui/richtext/richtextbox.h"
#include "frame/orukforms.h"
#include "core/settings/preferences.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace pattaro {
namespace {

const QString kLivePreviewItem = QStringLiteral("实时预览\tF6");

} // namespace

void Form1::setUpLivePreview()
{
    m_livePreview = std::make_unique<LivePreview>(*this, m_services.livePreview);
    LivePreview* live = m_livePreview.get();

    const std::int16_t item = m_orukForms1->FormMenuAdd(kLivePreviewItem, false);
    connect(m_orukForms1, &orukForms::MenuItemSelected, live, [live, item](std::int16_t& chosen, QString&) {
        if (chosen == item)
            live->Toggle();
    });
    connect(live, &LivePreview::Switched, this, [this, item](bool on) {
        m_orukForms1->ModifyAddedMenu(item, QString(), true, on);
        m_preferences->LivePreview(on);
    });
    auto* key = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(key, &QShortcut::activated, live, &LivePreview::Toggle);

    connect(m_TXT1, &QPlainTextEdit::textChanged, live, &LivePreview::Edited);
    connect(m_Text3, &QLineEdit::textChanged, live, &LivePreview::Edited);
    connect(m_Text4, &QLineEdit::textChanged, live, &LivePreview::Edited);
    connect(m_Check1, &QCheckBox::toggled, live, &LivePreview::Edited);
    // The buttons answer as they were designed to, and nothing the preview
    // had under way comes after them.
    for (QPushButton* command : {m_Command1, m_Command2, m_Command3})
        connect(command, &QPushButton::pressed, live, &LivePreview::Drop);

    live->SetOn(m_preferences->LivePreview().value_or(false));
}

} // namespace pattaro
