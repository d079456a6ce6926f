#include "ProgramWindows.h"

#include "app/FrmExitScreen.h"
#include "app/Program.h"
#include "display/FrmDisplay.h"
#include "entry/FrmMain.h"
#include "platform/KeptAbove.h"
#include "sign/ModPlanetSign.h"
#include "ui/Forms.h"

namespace
{

// The rest of the sign request: the result window, filled, takes the entry window's place.
// The entry window is only hidden and keeps the entry; the exit screen is created here on the
// first request, hidden, its message drawn.
void showSignInPlaceOfEntry(const QString& sign)
{
    frmDisplay()->showSign(sign, signDescription(sign));
    passOnKeptAbove(frmMain(), frmDisplay());
    frmMain()->hide();
    frmExitScreen()->hide();
    frmDisplay()->show();
}

// Back: the result window closes and the entry window comes back as the person left it. The
// exit screen that leaving would bring up is created, hidden, but never put on screen: a
// window mapped and withdrawn before the window manager has managed it can be left on
// screen, unpainted (mutter does). The closed window stays valid until the handler returns.
void goBackToEntry()
{
    passOnKeptAbove(frmDisplay(), frmMain());
    frmDisplay()->closeForBack();
    frmExitScreen()->hide();
    frmMain()->show();
}

// Leaving either main window brings up the exit screen, with the keyboard the window had; a
// quit that is closing every window has no use for it.
void showExitScreen()
{
    if (quitUnderWay())
        return;
    frmExitScreen()->show();
    frmExitScreen()->activateWindow();
}

void connectEntry(FrmMain* window)
{
    QObject::connect(window, &FrmMain::signRequested, window, showSignInPlaceOfEntry);
    QObject::connect(window, &MainForm::left, window, showExitScreen);
}

void connectResult(FrmDisplay* window)
{
    QObject::connect(window, &FrmDisplay::backRequested, window, goBackToEntry);
    QObject::connect(window, &MainForm::left, window, showExitScreen);
}

} // namespace

FrmMain* frmMain() { return Forms::instance<FrmMain>(connectEntry); }
FrmDisplay* frmDisplay() { return Forms::instance<FrmDisplay>(connectResult); }
FrmExitScreen* frmExitScreen() { return Forms::instance<FrmExitScreen>(); }
