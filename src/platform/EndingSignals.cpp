#include "EndingSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#else
#include <QGuiApplication>
#endif

namespace
{

int endedBy = 0;

#ifdef Q_OS_UNIX
// The handler's end and the event loop's end.
int signalSockets[2] = {-1, -1};

void writeSignal(int signal)
{
    const char number = static_cast<char>(signal);
    const ssize_t written = ::write(signalSockets[0], &number, 1);
    Q_UNUSED(written); // a full pair already holds a signal to quit by
}
#endif

} // namespace

void watchEndingSignals(std::function<void()> quit)
{
#ifdef Q_OS_UNIX
    if (signalSockets[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [quit = std::move(quit)] {
        char number = 0;
        if (::read(signalSockets[1], &number, 1) == 1 && !endedBy) {
            endedBy = number;
            quit();
        }
    });
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction inherited = {};
        if (::sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN)
            continue;
        struct sigaction action = {};
        action.sa_handler = writeSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(signal, &action, nullptr);
    }
#else
    // Windows: the session ending (log off, shut down) asks every program to commit its data
    // (WM_QUERYENDSESSION) before it ends them; this run ends there, as by Exit.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [quit = std::move(quit)] { quit(); });
#endif
}

void forgetEndingSignal() { endedBy = 0; }

void endAsSignalled()
{
    if (endedBy) {
        std::signal(endedBy, SIG_DFL);
        std::raise(endedBy);
    }
}
