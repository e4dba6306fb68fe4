#include "system/terminationsignals.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace tessel {

#ifdef Q_OS_UNIX
namespace {

// A handler may only do async-signal-safe work: it writes the signal's number into a socket
// that the event loop watches (the self-pipe trick).
int s_socket[2] = { -1, -1 };

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(s_socket[0], &byte, 1);
    errno = savedErrno;
}

constexpr int watched[] = { SIGTERM, SIGHUP, SIGINT };

} // namespace
#endif

TerminationSignals& TerminationSignals::instance()
{
    static auto* watcher = new TerminationSignals; // lives as long as the process
    return *watcher;
}

TerminationSignals::TerminationSignals()
{
#ifdef Q_OS_UNIX
    // Non-blocking both ways: a burst of signals never blocks the handler, and draining stops.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, s_socket) != 0)
        return;
    auto* notifier = new QSocketNotifier(s_socket[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::drain);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigset_t set;
    sigemptyset(&set);
    for (int signalNumber : watched) {
        sigaction(signalNumber, &action, nullptr);
        sigaddset(&set, signalNumber);
    }
    // A parent that blocked them would otherwise keep the close from ever running.
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
#endif
}

void TerminationSignals::drain()
{
#ifdef Q_OS_UNIX
    unsigned char byte = 0;
    while (::read(s_socket[1], &byte, 1) == 1)
        emit received(byte);
#endif
}

} // namespace tessel
