#include "app/Program.h"
#include "ui/Platform.h"

#include <QApplication>

int main(int, char**)
{
    // The program reads no command line, so Qt's own options (-style, -reverse, ...) are not
    // passed on either. The one option given is the platform the program picks itself.
    static char name[] = "Quorvex";
    static char platformOption[] = "-platform";
    static QByteArray platform =
        chosenPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
    static char* argv[] = {name, platformOption, platform.data(), nullptr};
    static int argc = platform.isEmpty() ? 1 : 3;
    if (argc == 1)
        argv[1] = nullptr;
    QApplication app(argc, argv);
    setUpApplication();
    StartProgram();
    return app.exec();
}
