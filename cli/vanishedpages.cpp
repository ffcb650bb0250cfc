#include "cli/vanishedpages.h"

#include <algorithm>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace pattaro {

#ifdef Q_OS_UNIX
namespace {

// The handler may only call what is safe in a signal, so the message is
// ready beforehand.
char g_message[512];
size_t g_messageLength = 0;

extern "C" void onVanishedPage(int)
{
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, g_message, g_messageLength);
    _exit(2);
}

} // namespace

VanishedPagesGuard::VanishedPagesGuard(const QByteArray& message)
{
    g_messageLength = std::min(size_t(message.size()), sizeof g_message);
    std::memcpy(g_message, message.constData(), g_messageLength);
    struct sigaction action {};
    action.sa_handler = onVanishedPage;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &m_previous);
}

VanishedPagesGuard::~VanishedPagesGuard()
{
    sigaction(SIGBUS, &m_previous, nullptr);
}
#else
VanishedPagesGuard::VanishedPagesGuard(const QByteArray&) {}
VanishedPagesGuard::~VanishedPagesGuard() = default;
#endif

} // namespace pattaro
