#include "examples/skindemo/demooptions.h"

#include <QCommandLineParser>

namespace skindemo {

namespace {

struct NumberOption {
    const char* name;
    const char* key; // design property
    bool truthValue;
};

constexpr NumberOption kDesignOptions[] = {
    {"theme", "ThemeColor", false},          {"style", "Style", false},
    {"back-color-style", "BackColorStyle", false}, {"border-style", "BorderStyle", false},
    {"max-button", "MaxButton", true},       {"min-button", "MinButton", true},
    {"close-button", "CloseButton", true},   {"icon-size", "IconSize", false},
};

} // namespace

std::optional<DemoOptions> ParseDemoOptions(const QStringList& arguments, QString* message, bool* help)
{
    *help = false;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A form framed by the orukForms skin control."));
    parser.addHelpOption();
    for (const auto& o : kDesignOptions)
        parser.addOption({QString::fromLatin1(o.name), QStringLiteral("Design property %1.").arg(QLatin1String(o.key)),
                          o.truthValue ? QStringLiteral("0|1") : QStringLiteral("n")});
    parser.addOption({QStringLiteral("caption"), QStringLiteral("The form's caption."), QStringLiteral("text")});
    parser.addOption({QStringLiteral("width"), QStringLiteral("Client width in pixels."), QStringLiteral("px")});
    parser.addOption({QStringLiteral("height"), QStringLiteral("Client height in pixels."), QStringLiteral("px")});
    parser.addOption({QStringLiteral("screenshot"),
                      QStringLiteral("Write the form as PNG and exit; the skin's error reports go to standard "
                                     "error and make the exit status 1."),
                      QStringLiteral("file")});
    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        *help = true;
        *message = parser.helpText();
        return std::nullopt;
    }

    DemoOptions options;
    // The demo starts from a new control's look rather than the desktop's.
    options.design.WriteProperty(QStringLiteral("ThemeColor"), std::int32_t(0));
    for (const auto& o : kDesignOptions) {
        const QString name = QString::fromLatin1(o.name);
        if (!parser.isSet(name))
            continue;
        bool ok = false;
        const int value = parser.value(name).toInt(&ok);
        if (!ok || (o.truthValue && value != 0 && value != 1)) {
            *message = QStringLiteral("--%1: not a valid value: %2").arg(name, parser.value(name));
            return std::nullopt;
        }
        const QString key = QString::fromLatin1(o.key);
        if (o.truthValue)
            options.design.WriteProperty(key, value == 1);
        else if (key == QLatin1String("IconSize"))
            options.design.WriteProperty(key, std::int16_t(value));
        else
            options.design.WriteProperty(key, std::int32_t(value));
    }
    if (parser.isSet(QStringLiteral("caption")))
        options.caption = parser.value(QStringLiteral("caption"));
    for (const auto& [name, extent] : {std::pair{"width", &options.size.rwidth()}, std::pair{"height", &options.size.rheight()}}) {
        if (!parser.isSet(QLatin1String(name)))
            continue;
        bool ok = false;
        const int value = parser.value(QLatin1String(name)).toInt(&ok);
        if (!ok || value < 100 || value > 10000) {
            *message = QStringLiteral("--%1: between 100 and 10000 pixels").arg(QLatin1String(name));
            return std::nullopt;
        }
        *extent = value;
    }
    if (parser.isSet(QStringLiteral("screenshot")))
        options.screenshot = parser.value(QStringLiteral("screenshot"));
    return options;
}

} // namespace skindemo
