#include "platform/services/Termination.h"

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace swatchly::platform {

namespace {

constexpr std::array<int, 3> TerminationSignals { SIGTERM, SIGINT, SIGHUP };

// The signal handler may only write to a descriptor; the event loop reads the other end.
int signalPipe[2] = { -1, -1 };

extern "C" void noteTerminationSignal(int)
{
    const char byte = 1;
    const int saved = errno;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

void setSignalAction(int signal, void (*action)(int))
{
    struct sigaction request = {};
    request.sa_handler = action;
    sigemptyset(&request.sa_mask);
    request.sa_flags = SA_RESTART;
    sigaction(signal, &request, nullptr);
}

void setTerminationAction(void (*action)(int))
{
    for (const int signal : TerminationSignals)
        setSignalAction(signal, action);
}

extern "C" void doNothing(int) { }

QPointer<QObject> forcedExitContext;
std::function<void()> forcedExitHandler;

extern "C" void runForcedExitHandler()
{
    if (forcedExitContext && forcedExitHandler)
        forcedExitHandler();
}

} // namespace

void onTerminationRequest(QObject *context, std::function<void()> handler)
{
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(
        notifier, &QSocketNotifier::activated, context, [handler = std::move(handler)] {
            char bytes[16];
            [[maybe_unused]] const ssize_t read = ::read(signalPipe[0], bytes, sizeof bytes);
            handler();
        });
    QObject::connect(notifier, &QObject::destroyed, [] { setTerminationAction(SIG_DFL); });
    setTerminationAction(noteTerminationSignal);
}

void ignoreBrokenPipes()
{
    // A handler that does nothing rather than SIG_IGN, which programs started from here would
    // inherit: they get the default action back, as they expect.
    setSignalAction(SIGPIPE, doNothing);
}

void onForcedExit(QObject *context, std::function<void()> handler)
{
    static const bool registered = std::atexit(runForcedExitHandler) == 0;
    if (!registered)
        return;
    forcedExitContext = context;
    forcedExitHandler = std::move(handler);
}

} // namespace swatchly::platform
