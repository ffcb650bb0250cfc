#include "ui/form1.h"

#include "ui/clickablelabel.h"
#include "core/commands/simplecase.h"
#include "ui/richtext/richtextbox.h"
#include "ui/links.h"
#include "dialogs/gcommondialog.h"
#include "compat/linkopener.h"

#include <QGroupBox>
#include <QPushButton>

namespace pattaro {

void Form1::Command4_Click()
{
    // Frame1's visibility is the layout: shown means the work layout.
    const bool toHelp = !m_Frame1->isHidden();
    for (QGroupBox* frame : {m_Frame1, m_Frame2, m_Frame3})
        frame->setHidden(toHelp);
    for (QGroupBox* frame : {m_Frame4, m_Frame5, m_Frame6})
        frame->setVisible(toHelp);
    for (QPushButton* button : {m_Command1, m_Command2, m_Command3})
        button->setEnabled(!toHelp);
    m_Command4->setText(toHelp ? QStringLiteral("关闭正则表达式帮助") : QStringLiteral("正则表达式帮助说明"));
}

void Form1::Command5_Click()
{
    m_TXT2->Text(SimpleUpperCase(m_TXT1->Text()));
}

void Form1::Command6_Click()
{
    m_TXT2->Text(SimpleLowerCase(m_TXT1->Text()));
}

void Form1::chooseSwatchColor(ClickableLabel* swatch)
{
    auto colour = std::int32_t(swatch->BackColor());
    prepareColorDialog();
    // The dialog gives -1 for a cancel; the swatch then keeps its colour.
    const bool chosen = m_colorDialog->VBChooseColor(colour, true, false, false, -1, 0, false, nullptr);
    if (chosen)
        swatch->BackColor(platform::OleColor(colour));
    // The custom colours change even when the choice is cancelled.
    rememberColours(chosen ? swatch : nullptr);
}

void Form1::Color1_Click()
{
    chooseSwatchColor(m_Color1);
}

void Form1::Color2_Click()
{
    chooseSwatchColor(m_Color2);
}

// A link that cannot open does nothing.
void Form1::Image1_Click()
{
    m_services.linkOpener->open(kProjectPageAddress);
}

void Form1::Label5_Click()
{
    m_services.linkOpener->open(kContactPageAddress);
}

void Form1::Label6_Click()
{
    m_services.linkOpener->open(kProjectPageAddress);
}

} // namespace pattaro
