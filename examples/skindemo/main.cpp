// A form of its own framed by the skin control, every design property
// settable from the command line (see --help).
#include "examples/skindemo/demoform.h"
#include "examples/skindemo/demooptions.h"
#include "compat/messagebox.h"
#include "compat/qttranslation.h"
#include "compat/screenshot.h"
#include "compat/services.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Read before Qt sees them: Qt would take --style for its own.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;

    // The arguments are read, and the usage or a mistake answered, before
    // anything needs a display: --help works in a plain terminal. Qt's part
    // of the usage is in Chinese like the rest.
    std::optional<skindemo::DemoOptions> options;
    QString message;
    bool help = false;
    {
        QCoreApplication parsing(qtArgc, argv);
        pattaro::platform::InstallQtChineseTranslation();
        options = skindemo::ParseDemoOptions(arguments, &message, &help);
    }
    if (!options) {
        std::fputs(qPrintable(message + QLatin1Char('\n')), help ? stdout : stderr);
        return help ? 0 : 2;
    }

    QApplication app(qtArgc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    pattaro::platform::InstallQtChineseTranslation();

    // A screenshot run has nobody to answer a message box: the skin's
    // reports go to standard error and make the run fail instead.
    pattaro::platform::Services services = pattaro::platform::Services::system();
    pattaro::platform::UnattendedMessageBoxService unattended;
    if (options->screenshot)
        services.messageBox = &unattended;

    skindemo::DemoForm form(*options, services);
    form.show();
    if (options->screenshot) {
        const bool saved = pattaro::platform::SaveScreenshot(form, *options->screenshot);
        return saved && unattended.messagesShown() == 0 ? 0 : 1;
    }
    return app.exec();
}
