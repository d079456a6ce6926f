#include "MainForm.h"

#include "Forms.h"
#include "FrmExitScreen.h"
#include "Look.h"
#include "Policy.h"
#include "Program.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>

MainForm::MainForm(int clientWidthTwips, int clientHeightTwips) : m_client(new QWidget(this))
{
    setWindowTitle(QStringLiteral("Quorvex v1.0"));
    setWindowIcon(Look::programIcon());
    setFont(Look::verdana(8.25));
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(tw(clientWidthTwips), tw(clientHeightTwips));
    setCentralWidget(m_client);
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

void MainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        Look::centre(this);
    }
}

void MainForm::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    Forms::remove(this);
    event->accept();
}

// Leaving either main window brings up the exit screen; the window then finishes closing.
// A quit that is closing every window has no use for it.
void MainForm::Form_Unload()
{
    if (quitUnderWay())
        return;
    runStep([] { frmExitScreen()->show(); });
}
