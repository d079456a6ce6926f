#include "Startup.h"
#include "app/Program.h"
#include "app/SingleCopyLock.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QStringList>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace
{

QByteArray qtPlatform, display, waylandDisplay;
// The context's texts are Qt's own static strings.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};
QList<HeldMessage>* held = nullptr;

// While Qt opens the display, its messages wait: when the display cannot be opened, Qt
// would abort with advice to reinstall the program; the user gets one plain line instead,
// and status 1. When the display is there but the platform plugin fails, Qt's words stand.
// Once the display is open, what Qt said goes out as it would have.
void holdStartMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        QStringList said;
        for (const HeldMessage& m : *held)
            said << m.text;
        said << message;
        std::fprintf(stderr, "%s\n", startFailure(qtPlatform, display, waylandDisplay, said).constData());
        std::fflush(stderr);
        ::_exit(1);
    }
    held->append({type, context.file, context.line, context.function, context.category, message});
}

} // namespace

int main(int, char**)
{
    // The program reads no command line, so Qt's own options (-style, -reverse, ...) are not
    // passed on either. The one option given is the platform the program picks itself.
    static char name[] = "Quorvex";
    static char platformOption[] = "-platform";
    const QByteArray qpaPlatform = qgetenv("QT_QPA_PLATFORM");
    display = qgetenv("DISPLAY");
    waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    static QByteArray platform = chosenPlatform(qpaPlatform, display, waylandDisplay);
    static char* argv[] = {name, platformOption, platform.data(), nullptr};
    static int argc = platform.isEmpty() ? 1 : 3;
    if (argc == 1)
        argv[1] = nullptr;
    qtPlatform = qpaPlatform.isEmpty() ? platform : qpaPlatform;
    QList<HeldMessage> startMessages;
    held = &startMessages;
    const QtMessageHandler qtHandler = qInstallMessageHandler(holdStartMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& m : startMessages)
        qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
    setUpApplication();
    StartProgram();
    // A second copy has quit at the guard already, before there was a loop to end.
    const int status = quitUnderWay() ? 0 : app.exec();
    releaseLock();
    freeWindows();
    // Ended by a signal: the process ends by it too, as it would have without a handler.
    if (const int signal = endingSignal()) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    return status;
}
