#pragma once

#include <QString>

namespace pattaro::platform {

// What the program knows about itself: its title, version and where its
// executable lives.
class AppInfo {
public:
    virtual ~AppInfo() = default;
    virtual QString Title() const = 0;
    virtual int Major() const = 0;
    virtual int Minor() const = 0;
    virtual int Revision() const = 0;
    // The folder of the executable (not the current directory), without a
    // trailing separator.
    virtual QString Path() const = 0;
    // The per-user folder for state the program keeps, for when its own
    // folder is not writable (an installed program).
    virtual QString StateFolder() const = 0;
};

// Title "Pattaro", the build's version numbers, the running executable's
// folder, and the platform's per-user application data folder.
class QtAppInfo : public AppInfo {
public:
    QString Title() const override;
    int Major() const override;
    int Minor() const override;
    int Revision() const override;
    QString Path() const override;
    QString StateFolder() const override;
};

} // namespace pattaro::platform
