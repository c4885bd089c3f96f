#include "termination_signal.h"

#include <QObject>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may do almost nothing: it writes the signal's number into a socket, and the
// event loop that runs at that moment, the main one or that of a modal dialog, reads it.
int signalSockets[2] = {-1, -1};

void onSignal(int signal)
{
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

// Ends the process as the signal would have without a handler, so that the session or the shell
// sees the usual status ("terminated by SIGTERM", 143 in a shell).
//
// Why not close the window or quit the event loop instead: a modal dialog's exec() would then
// return with an answer the user never gave, and the code after it would run on that answer:
// a "No" to "Do you wish to save?" would discard the changes and their recovery copy, and a
// dialog asked again in a loop would never let the editor end. Ending the process here, on the
// window thread between two events, runs none of that. Everything the editor writes goes through
// the safe write and is complete before the event loop runs again, so nothing is cut half way.
[[noreturn]] void endBy(int signal)
{
    std::fflush(nullptr);
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    sigset_t unblocked;
    sigemptyset(&unblocked);
    sigaddset(&unblocked, signal);
    pthread_sigmask(SIG_UNBLOCK, &unblocked, nullptr);
    ::raise(signal);
    // Reached only when the signal's default action does not end the process.
    std::_Exit(128 + signal);
}

} // namespace

void endOnTerminationSignal(QObject* owner, std::function<void()> beforeEnd)
{
    if (signalSockets[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner,
                     [notifier, beforeEnd = std::move(beforeEnd)] {
                         char byte = 0;
                         if (::read(signalSockets[1], &byte, 1) != 1)
                             return;
                         // `beforeEnd` may run an event loop of its own; it must not be entered
                         // again from there.
                         notifier->setEnabled(false);
                         beforeEnd();
                         endBy(byte);
                     });
    // SA_RESETHAND: the handler serves one signal; the next of the same kind has its default
    // action, which ends an editor that is busy and does not reach its event loop.
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

#else

void endOnTerminationSignal(QObject*, std::function<void()>)
{
}

#endif
