#include "app/QuitSignals.h"

#include "app/frmMain.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler only writes a byte to this socket; the event loop reads it.
int g_signalSockets[2] = { -1, -1 };

extern "C" void OnQuitSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalSockets[0], &byte, 1);
    errno = saved;
}

} // namespace

bool EndOnSignals(frmMain& window)
{
    if (g_signalSockets[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalSockets) != 0)
            return false;
        // A burst of signals must never block the handler.
        ::fcntl(g_signalSockets[0], F_SETFL, ::fcntl(g_signalSockets[0], F_GETFL) | O_NONBLOCK);
    }
    auto* notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte;
        if (::read(g_signalSockets[1], &byte, 1) == 1)
            window.EndOnSignal();
    });
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    bool caught = true;
    for (const int signal : { SIGTERM, SIGINT, SIGHUP })
        caught = ::sigaction(signal, &action, nullptr) == 0 && caught;
    return caught;
}
