#include "ui/commandline.h"
#include "ui/encodingchooser.h"
#include "ui/form1.h"
#include "ui/uifont.h"
#include "compat/qttranslation.h"
#include "compat/screenshot.h"
#include "appid.h"
#include "version.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (const auto answered = pattaro::AnswerInfoRequest(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pattaro"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(pattaro::kVersionMajor).arg(pattaro::kVersionMinor).arg(pattaro::kVersionRevision));
    QApplication::setDesktopFileName(QString::fromLatin1(pattaro::kAppId));
    QApplication::setStyle(QStringLiteral("Fusion"));
    pattaro::platform::InstallQtChineseTranslation();
    QApplication::setFont(pattaro::uiFont());

    // Qt has taken its own options out by now.
    const pattaro::WindowArguments arguments = pattaro::ParseWindowArguments(QApplication::arguments().mid(1));
    const std::optional<QString>& screenshot = arguments.screenshot;
    pattaro::platform::UnattendedMessageBoxService unattended;
    pattaro::UnattendedEncodingChooser unattendedChooser;
    pattaro::Form1Services services;
    if (screenshot) {
        services.messageBox = &unattended;
        services.skin.messageBox = &unattended;
        services.encodingChooser = &unattendedChooser;
    }
    pattaro::Form1 form(std::move(services));
    form.show();
    bool opened = true;
    if (arguments.file)
        opened = form.openTextFile(*arguments.file);
    if (screenshot)
        return pattaro::platform::SaveScreenshot(form, *screenshot) && opened ? 0 : 1;
    return app.exec();
}
