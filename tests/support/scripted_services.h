#pragma once

#include "compat/services.h"
#include "compat/vberror.h"
#include "testkit/scripted_messagebox.h"

#include <QDateTime>
#include <QMap>
#include <vector>

namespace pattaro::testing {

class ScriptedClock : public platform::Clock {
public:
    QDateTime now = QDateTime(QDate(2012, 5, 1), QTime(14, 3, 7));
    QDateTime Now() const override { return now; }
};

// Variables are matched without regard to case, as the system one does.
class ScriptedEnvironment : public platform::Environment {
public:
    QMap<QString, QString> variables;
    QString loginName = QStringLiteral("login");
    QString hostName = QStringLiteral("host");

    std::optional<QString> Value(const QString& name) const override
    {
        for (auto it = variables.cbegin(); it != variables.cend(); ++it)
            if (it.key().compare(name, Qt::CaseInsensitive) == 0)
                return it.value();
        return std::nullopt;
    }
    QString LoginName() const override { return loginName; }
    QString HostName() const override { return hostName; }
};

class ScriptedAppInfo : public platform::AppInfo {
public:
    QString title = QStringLiteral("Pattaro");
    int major = 1, minor = 1, revision = 16;
    QString path;
    QString stateFolder;

    QString Title() const override { return title; }
    int Major() const override { return major; }
    int Minor() const override { return minor; }
    int Revision() const override { return revision; }
    QString Path() const override { return path; }
    QString StateFolder() const override { return stateFolder; }
};

// A desktop with or without visual styles, or without the library at all.
class ScriptedVisualStyle : public platform::VisualStyle {
public:
    bool libraryPresent = true;
    bool themed = false;
    // Empty: no visual-style data, OpenThemeData gives no handle.
    QString colorScheme;
    QString themeFile = QStringLiteral("C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles");
    std::vector<QString> openedClasses;
    int openHandles = 0;

    int IsAppThemed() override
    {
        requireLibrary("IsAppThemed");
        return themed ? 1 : 0;
    }
    Handle OpenThemeData(WindowId, const QString& classList) override
    {
        requireLibrary("OpenThemeData");
        openedClasses.push_back(classList);
        if (!themed || colorScheme.isEmpty())
            return 0;
        ++openHandles;
        return 0x7E57;
    }
    std::int32_t GetCurrentThemeName(QString& file, int fileChars, QString& color, int colorChars) override
    {
        requireLibrary("GetCurrentThemeName");
        if (!themed)
            return platform::kE_HANDLE;
        file = padded(themeFile, fileChars);
        color = padded(colorScheme, colorChars);
        return 0;
    }
    std::int32_t CloseThemeData(Handle theme) override
    {
        requireLibrary("CloseThemeData");
        if (theme == 0)
            return platform::kE_HANDLE;
        --openHandles;
        return 0;
    }

private:
    void requireLibrary(const char* entry) const
    {
        if (!libraryPresent)
            throw platform::VBError::cantFindDllEntryPoint(QString::fromLatin1(entry), QStringLiteral("uxtheme"));
    }
    static QString padded(const QString& s, int chars)
    {
        QString out = s.left(chars);
        out.append(QString(chars - out.size(), QChar(0)));
        return out;
    }
};

// Every service scripted; services() is the bundle to hand to the code
// under test.
struct ScriptedServices {
    ScriptedMessageBox messageBox;
    ScriptedClock clock;
    ScriptedEnvironment environment;
    ScriptedAppInfo appInfo;
    ScriptedVisualStyle visualStyle;

    platform::Services services()
    {
        return platform::Services{&messageBox, &clock, &environment, &appInfo, &visualStyle};
    }
};

} // namespace pattaro::testing
