#include "Startup.h"

#include "ProgramWindows.h"
#include "app/FrmExitScreen.h"
#include "app/Program.h"
#include "app/SingleCopyLock.h"
#include "app/UpdateReminder.h"
#include "entry/FrmMain.h"
#include "links/Promotions.h"
#include "platform/EndingSignals.h"
#include "platform/WaylandFixedSize.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "ui/MsgBox.h"
#include "ui/Random.h"
#include "ui/RunStep.h"

#include <QApplication>

void setUpApplication()
{
    QApplication::setStyle(Look::createStyle());
    // Every window and message box has the program's icon, also a box with no window under it.
    QGuiApplication::setWindowIcon(Look::programIcon());
    // The class of every window; the desktop entry's StartupWMClass names it.
    QCoreApplication::setApplicationName(QStringLiteral("Quorvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.harrowfen.quorvex"));
    QApplication::setQuitOnLastWindowClosed(false);
    keepFixedSizeWindowsFixed();
    watchEndingSignals(QuitProgram);
    installLinkLabelAccessibility();
    installExitScreenAccessibility();
}

void StartProgram()
{
    if (anotherCopyRunning()) {
        MsgBox(QStringLiteral("Application is already running"), QMessageBox::Information);
        QuitProgram();
        return;
    }
    Randomize();
    // The reminder stops at a settings store it cannot read or write; start-up goes on.
    runStep(RunUpdateReminder);
    frmMain()->show();
    CoBrand_Randomize(frmMain()->lblCobrand, frmMain()->lblFullBrand);
}
