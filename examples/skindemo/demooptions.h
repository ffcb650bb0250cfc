#pragma once

#include "compat/propertybag.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace skindemo {

// What the command line asks of the demo form: the skin's design
// properties as they would be saved with a form, and the form itself.
struct DemoOptions {
    pattaro::platform::PropertyBag design;
    QString caption = QStringLiteral("orukForms 示例");
    QSize size{480, 320};
    std::optional<QString> screenshot;
};

// Nothing, and a message, for arguments that do not parse or that ask for
// the usage (-h or --help: then *help is set and the message is the usage).
std::optional<DemoOptions> ParseDemoOptions(const QStringList& arguments, QString* message, bool* help);

} // namespace skindemo
