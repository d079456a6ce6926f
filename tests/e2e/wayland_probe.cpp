// Run by wayland.sh on native Wayland: every fixed-size window of the program asked to
// maximize and to go full screen, as the title bar that Qt draws there does; the program must
// live on with each window at its size.
#include "ProgramWindows.h"
#include "Startup.h"
#include "app/FrmExitScreen.h"
#include "app/Program.h"
#include "display/FrmDisplay.h"
#include "entry/FrmMain.h"
#include "links/FrmAbout.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>

static int failed = 0;

static bool check(bool ok, const QString& what)
{
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", qPrintable(what));
    failed += !ok;
    return ok;
}

static void tryToEnlarge(QWidget* window, const char* name)
{
    check(QTest::qWaitForWindowExposed(window), QString("%1 shows").arg(name));
    const QSize size = window->size();
    for (Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        window->windowHandle()->setWindowStates(state);
        QTest::qWait(800);
        check(window->size() == size && !(window->windowHandle()->windowStates() & state),
              QString("%1 keeps its size when asked for window state %2").arg(name).arg(int(state)));
    }
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    frmMain()->show();
    tryToEnlarge(frmMain(), "entry window");
    frmExitScreen()->show();
    tryToEnlarge(frmExitScreen(), "exit screen");
    auto* about = new FrmAbout(frmMain()); // freed with the entry window
    about->show();
    tryToEnlarge(about, "About window");
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        tryToEnlarge(box, "message box");
        box->close();
    });
    MsgBox(QStringLiteral("Please Enter only Letters"), QMessageBox::Information);
    // The program-wide windows are still loaded; free them while the application lives.
    qDeleteAll(Forms::loaded());
    return failed ? 1 : 0;
}
