#include "ui/form1.h"

#include "ui/clickablelabel.h"
#include "ui/savedplacement.h"
#include "dialogs/gcommondialog.h"
#include "core/settings/preferences.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace pattaro {

void Form1::openSettings()
{
    if (!m_services.settings) {
        m_ownSettings = std::make_unique<FileSettingsStore>(programSettingsPath(), warnOnStandardError);
        m_services.settings = m_ownSettings.get();
    }
    m_preferences = std::make_unique<Preferences>(*m_services.settings);
}

void Form1::restoreSettings()
{
    Preferences& saved = *m_preferences;
    if (const auto colour = saved.SwatchColour(1))
        m_Color1->BackColor(*colour);
    if (const auto colour = saved.SwatchColour(2))
        m_Color2->BackColor(*colour);
    if (const auto on = saved.CaseSensitive())
        m_Check1->setChecked(*on);
    if (const auto text = saved.Expression())
        m_Text3->setText(*text);
    if (const auto text = saved.Replacement())
        m_Text4->setText(*text);
    if (const auto at = saved.WindowPosition()) {
        QList<QRect> workAreas;
        for (const QScreen* screen : QGuiApplication::screens())
            workAreas << screen->availableGeometry();
        if (IsReachablePlace(*at, size(), workAreas))
            move(*at);
    }

    connect(m_Check1, &QCheckBox::toggled, this, [this](bool on) { m_preferences->CaseSensitive(on); });
    connect(m_Text3, &QLineEdit::textChanged, this, [this](const QString& text) { m_preferences->Expression(text); });
    connect(m_Text4, &QLineEdit::textChanged, this, [this](const QString& text) { m_preferences->Replacement(text); });
}

void Form1::prepareColorDialog()
{
    if (m_colorDialog)
        return;
    m_colorDialog = std::make_unique<GCommonDialog>(m_services.commonDialogs);
    if (const auto colours = m_preferences->DialogCustomColours())
        for (std::size_t i = 0; i < colours->size(); ++i)
            m_colorDialog->CustomColor(std::int16_t(i), std::int32_t((*colours)[i]));
}

void Form1::rememberColours(ClickableLabel* chosenSwatch)
{
    if (chosenSwatch)
        m_preferences->SwatchColour(chosenSwatch == m_Color1 ? 1 : 2, Preferences::Colour(chosenSwatch->BackColor()));
    Preferences::CustomColours colours{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = Preferences::Colour(m_colorDialog->CustomColor(std::int16_t(i)));
    m_preferences->DialogCustomColours(colours);
}

void Form1::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // Only where the user has seen it: not the places the window passes
    // through while it is being built.
    if (isVisible() && m_preferences)
        m_preferences->WindowPosition(pos());
}

} // namespace pattaro
