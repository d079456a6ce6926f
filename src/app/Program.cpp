#include "Program.h"

#include "SingleCopyLock.h"
#include "ui/Forms.h"
#include "ui/Policy.h"

#include <QApplication>
#include <QSocketNotifier>
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace
{

bool quitting = false;
int endedBy = 0;

std::function<void(int)>& processEnd()
{
    static std::function<void(int)> end;
    return end;
}

#ifdef Q_OS_UNIX
// The handler's end and the event loop's end of a socket pair: the handler writes the
// signal's number, the one thing it may safely do, and the loop reads it.
int signalSockets[2] = {-1, -1};

void writeSignal(int signal)
{
    const char number = static_cast<char>(signal);
    const ssize_t written = ::write(signalSockets[0], &number, 1);
    Q_UNUSED(written); // a full pair already holds a signal to quit by
}
#endif

} // namespace

void watchEndingSignals()
{
#ifdef Q_OS_UNIX
    if (signalSockets[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char number = 0;
        if (::read(signalSockets[1], &number, 1) == 1 && !endedBy) {
            endedBy = number;
            QuitProgram();
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
#endif
}

int endingSignal() { return endedBy; }

bool quitUnderWay() { return quitting; }

void setProcessEnd(std::function<void(int)> end)
{
    processEnd() = std::move(end);
    quitting = false;
    endedBy = 0;
}

void QuitProgram()
{
    if (quitting)
        return;
    quitting = true;
    // Closing a window can load no other while quitting, so the set only shrinks.
    for (QWidget* form : Forms::loaded()) {
        runStep([form] { form->close(); });
        Forms::remove(form); // a window that failed to close is skipped
    }
    releaseLock();
    if (processEnd()) {
        processEnd()(0);
        quitting = false;
        return;
    }
    // The run ends where it began, in main: the event loop (every nested one too) returns,
    // and the windows are freed there while Qt is still whole.
    QCoreApplication::exit(0);
}

void freeWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    while (!QApplication::topLevelWidgets().isEmpty())
        delete QApplication::topLevelWidgets().constFirst();
    Forms::clear();
}
