#pragma once

#include <QString>

namespace pattaro::platform {

// Opens a web address outside the program. Tests script it so that no
// browser starts.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // False when the address is not a link or nothing could open it.
    virtual bool open(const QString& address) = 0;
};

// The desktop's default browser.
class DesktopLinkOpener : public LinkOpener {
public:
    bool open(const QString& address) override;
};

} // namespace pattaro::platform
