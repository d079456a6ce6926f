// Run by wayland.sh on native Wayland: asks every fixed-size window of the program to
// maximize and to go full screen, as the title bar that Qt draws there does, and checks that
// the program lives on with each window at its size.
#include "app/FrmExitScreen.h"
#include "app/Program.h"
#include "entry/FrmMain.h"
#include "links/FrmAbout.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>

static int failures = 0;

static void tryToEnlarge(QWidget* window, const char* name)
{
    if (!QTest::qWaitForWindowExposed(window)) {
        std::printf("FAIL: %s does not show\n", name);
        ++failures;
        return;
    }
    const QSize size = window->size();
    for (Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        window->windowHandle()->setWindowStates(state);
        QTest::qWait(800);
        const bool kept = window->size() == size && !(window->windowHandle()->windowStates() & state);
        std::printf("%s: %s %s keeps %dx%d\n", kept ? "PASS" : "FAIL", name,
                    state == Qt::WindowMaximized ? "maximized" : "full screen", size.width(), size.height());
        failures += kept ? 0 : 1;
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
    std::printf("%d passed, %d failed\n", 8 - failures, failures);
    // The program-wide windows are still loaded; free them while the application lives.
    for (QWidget* form : Forms::loaded()) {
        Forms::remove(form);
        delete form;
    }
    return failures ? 1 : 0;
}
