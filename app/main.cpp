#include "app/commandline.h"
#include "app/form1.h"
#include "app/uifont.h"
#include "platform/qttranslation.h"
#include "platform/screenshot.h"
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

    pattaro::Form1 form;
    form.show();
    if (const auto file = pattaro::FindFileArgument(QApplication::arguments().mid(1)))
        form.openTextFile(*file);
    if (const auto file = pattaro::platform::ScreenshotRequest(QApplication::arguments()))
        return pattaro::platform::SaveScreenshot(form, *file) ? 0 : 1;
    return app.exec();
}
