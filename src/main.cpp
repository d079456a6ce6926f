#include "app/Look.h"
#include "app/Program.h"

#include <QApplication>

int main(int, char**)
{
    // The program reads no command line, so Qt's own options (-style, -reverse, ...) are not
    // passed on either.
    static int argc = 1;
    static char name[] = "Quorvex";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setStyle(Look::createStyle());
    QGuiApplication::setDesktopFileName(QStringLiteral("com.harrowfen.Quorvex"));
    QApplication::setQuitOnLastWindowClosed(false); // only QuitProgram ends the run

    StartProgram();
    return app.exec();
}
