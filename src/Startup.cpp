#include "Startup.h"

#include "app/FrmExitScreen.h"
#include "app/Program.h"
#include "app/SingleCopyLock.h"
#include "app/UpdateReminder.h"
#include "entry/FrmMain.h"
#include "links/Promotions.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "ui/MsgBox.h"
#include "ui/Platform.h"
#include "ui/Policy.h"
#include "ui/Random.h"

#include <QApplication>

void setUpApplication()
{
    QApplication::setStyle(Look::createStyle());
    // Every window and message box has the program's icon, also a box with no window under it.
    QGuiApplication::setWindowIcon(Look::programIcon());
    // The class of every window; the desktop entry's StartupWMClass names it.
    QCoreApplication::setApplicationName(QStringLiteral("Quorvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.harrowfen.Quorvex"));
    QApplication::setQuitOnLastWindowClosed(false);
    keepFixedSizeWindowsFixed();
    watchEndingSignals();
    installLinkLabelAccessibility();
    installExitScreenAccessibility();
}

void StartProgram()
{
    bool refused = false;
    runStep([&] {
        if (anotherCopyRunning()) {
            refused = true;
            MsgBox(QStringLiteral("Application is already running"), QMessageBox::Information);
            QuitProgram();
        }
    });
    if (refused)
        return;
    runStep(Randomize);
    runStep(RunUpdateReminder);
    runStep([] { frmMain()->show(); });
    runStep([] { CoBrand_Randomize(frmMain()->lblCobrand, frmMain()->lblFullBrand); });
}
