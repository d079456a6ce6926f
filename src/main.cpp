#include "Startup.h"
#include "app/Program.h"
#include "platform/PlatformChoice.h"
#include "platform/StartFailure.h"

#include <QApplication>

int main(int, char**)
{
    // The program reads no command line, so Qt's own options (-style, -reverse, ...) are not
    // passed on either. The one option given is the platform the program picks itself.
    static char name[] = "Quorvex";
    static char platformOption[] = "-platform";
    const QByteArray qpaPlatform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    static QByteArray platform = chosenPlatform(qpaPlatform, display, waylandDisplay);
    static char* argv[] = {name, platformOption, platform.data(), nullptr};
    static int argc = platform.isEmpty() ? 1 : 3;
    if (argc == 1)
        argv[1] = nullptr;
    holdStartMessages(qpaPlatform.isEmpty() ? platform : qpaPlatform, display, waylandDisplay);
    QApplication app(argc, argv);
    releaseStartMessages();
    setUpApplication();
    StartProgram();
    // A second copy has quit at the guard already, before there was a loop to end.
    return endRun(quitUnderWay() ? 0 : app.exec());
}
