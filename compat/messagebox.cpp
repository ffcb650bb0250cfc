#include "compat/messagebox.h"

#include <QMessageBox>
#include <cstdio>

namespace pattaro::platform {

int QtMessageBoxService::show(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons)
{
    QMessageBox::Icon qtIcon = QMessageBox::Information;
    switch (icon) {
    case MsgIcon::Information: qtIcon = QMessageBox::Information; break;
    case MsgIcon::Question: qtIcon = QMessageBox::Question; break;
    case MsgIcon::Exclamation: qtIcon = QMessageBox::Warning; break;
    case MsgIcon::Critical: qtIcon = QMessageBox::Critical; break;
    }
    const auto qtButtons = buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(qtIcon, title, text, qtButtons, m_parent);
    const int answer = box.exec();
    if (buttons == MsgButtons::Ok)
        return kIdOk;
    return answer == QMessageBox::Yes ? kIdYes : kIdNo;
}

int UnattendedMessageBoxService::show(const QString& text, const QString& title, MsgIcon, MsgButtons buttons)
{
    std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(), text.toLocal8Bit().constData());
    std::fflush(stderr);
    ++m_shown;
    return buttons == MsgButtons::YesNo ? kIdNo : kIdOk;
}

} // namespace pattaro::platform
