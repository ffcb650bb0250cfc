#pragma once

#include <QByteArray>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

namespace pattaro {

// A file read through a mapping loses the pages past its end when another
// program cuts it short, and touching one of them raises SIGBUS. While a
// guard lives, that signal ends the program with `message` on standard error
// and status 2, as any other failure to read does, instead of a crash.
// Where files cannot shrink under a mapping, the guard does nothing.
class VanishedPagesGuard {
public:
    explicit VanishedPagesGuard(const QByteArray& message);
    ~VanishedPagesGuard();
    VanishedPagesGuard(const VanishedPagesGuard&) = delete;
    VanishedPagesGuard& operator=(const VanishedPagesGuard&) = delete;

private:
#ifdef Q_OS_UNIX
    struct sigaction m_previous {};
#endif
};

} // namespace pattaro
