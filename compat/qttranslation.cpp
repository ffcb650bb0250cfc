#include "compat/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace pattaro::platform {

QTranslator* InstallQtChineseTranslation()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Named outright: loading by QLocale would follow the system's locale.
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), folder)
        || !QCoreApplication::installTranslator(translator)) {
        qWarning("Qt's Chinese translation (qtbase_zh_CN.qm) is missing from %s; Qt's own strings stay English",
                 qPrintable(folder));
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace pattaro::platform
