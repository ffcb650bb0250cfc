// A form of its own framed by the skin control, every design property
// settable from the command line (see --help).
#include "examples/skindemo/demooptions.h"
#include "platform/controlcolor.h"
#include "platform/messagebox.h"
#include "platform/qttranslation.h"
#include "platform/screenshot.h"
#include "platform/services.h"
#include "skin/errorlog.h"
#include "skin/orukforms.h"
#include "skin/qtformhost.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <cstdio>

namespace {

QIcon demoIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setBrush(QColor(0x2E, 0x6F, 0xB8));
    p.setPen(QColor(0x1B, 0x3F, 0x6A));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 14, QFont::Bold));
    p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral(".*"));
    return QIcon(pixmap);
}

template <class W>
W* place(W* widget, const char* name, const QRect& at)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(at);
    return widget;
}

} // namespace

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

    QWidget form;
    form.setWindowTitle(options->caption);
    form.setWindowIcon(demoIcon());
    form.resize(options->size);

    // A screenshot run has nobody to answer a message box: the skin's
    // reports go to standard error and make the run fail instead.
    pattaro::platform::Services services = pattaro::platform::Services::system();
    pattaro::platform::UnattendedMessageBoxService unattended;
    if (options->screenshot)
        services.messageBox = &unattended;

    pattaro::QtFormHost host(&form);
    pattaro::SystemSkinPlatform desktop(services);
    pattaro::orukForms skin(host, desktop.platform(), &form);
    place(&skin, "orukForms1", form.rect());

    // Contents below the title bar, as a form's designer would place them.
    const int w = options->size.width(), h = options->size.height();
    auto* note = place(new QLabel(QStringLiteral("拖动标题栏移动窗口；右键单击标题栏打开系统菜单。"), &skin), "Label1",
                       QRect(12, 44, w - 24, 20));
    pattaro::platform::SetControlBackColor(note, 0x8000000F);
    note->setAutoFillBackground(true);
    auto* text = place(new QPlainTextEdit(&skin), "Text1", QRect(12, 70, w - 24, h - 82));
    pattaro::platform::SetControlBackColor(text, 0x80000005);

    skin.UserControl_ReadProperties(options->design);
    form.show();
    if (options->screenshot) {
        const bool saved = pattaro::platform::SaveScreenshot(form, *options->screenshot);
        return saved && unattended.messagesShown() == 0 ? 0 : 1;
    }
    return app.exec();
}
