#include "ui/form1.h"

#include "ui/backtrackwarning.h"

#include <QCheckBox>
#include <QLineEdit>

namespace pattaro {

void Form1::setUpBacktrackWarning()
{
    m_backtrackWarning = std::make_unique<BacktrackWarning>(m_Text3, m_Check1, m_services.backtrackWarning);
    BacktrackWarning* warning = m_backtrackWarning.get();
    connect(m_Text3, &QLineEdit::textChanged, warning, &BacktrackWarning::Edited);
    connect(m_Check1, &QCheckBox::toggled, warning, &BacktrackWarning::Edited);
}

} // namespace pattaro
