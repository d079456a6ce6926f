#include "MainForm.h"

#include "FrmExitScreen.h"
#include "Program.h"
#include "ui/Forms.h"
#include "ui/InputGuard.h"
#include "ui/Look.h"
#include "ui/Placement.h"
#include "ui/Policy.h"
#include "ui/Texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>

MainForm::MainForm(int clientWidthTwips, int clientHeightTwips) : m_client(new QWidget(this))
{
    setWindowTitle(windowCaption());
    setWindowIcon(Look::programIcon());
    setFont(Look::verdana(8.25));
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(tw(clientWidthTwips), tw(clientHeightTwips));
    setCentralWidget(m_client);
    keepPlaced(this);
    guardInput(this);
}

void MainForm::fixSize()
{
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

void MainForm::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier;
    if (m_exitButton && ((enter && !qobject_cast<QPushButton*>(focusWidget())) || escape)) {
        m_exitButton->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainForm::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    Forms::remove(this);
    event->accept();
}

// Leaving either main window brings up the exit screen as the window closes; a quit that is closing every
// window has no use for it. Back only creates it (its message drawn) and never puts it on screen: a window
// mapped and withdrawn before the window manager has managed it can be left on screen, unpainted (mutter
// does).
void MainForm::Form_Unload()
{
    if (quitUnderWay())
        return;
    if (m_closingForBack) {
        runStep([] { frmExitScreen(); });
        return;
    }
    // This window goes off screen first, so that no window manager numbers the title of one
    // of two windows with the same caption.
    // It takes the keyboard this window had.
    hide();
    runStep([] {
        frmExitScreen()->show();
        frmExitScreen()->activateWindow();
    });
}

void MainForm::closeForBack()
{
    m_closingForBack = true;
    close();
    m_closingForBack = false;
}
