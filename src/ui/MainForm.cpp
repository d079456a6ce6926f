#include "MainForm.h"

#include "InputGuard.h"
#include "Look.h"
#include "Placement.h"
#include "Texts.h"

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

void MainForm::setExitButton(QPushButton* button)
{
    m_exitButton = button;
    connect(button, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
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

void MainForm::closeEvent(QCloseEvent*) { Form_Unload(); }

// Leaving either main window brings up the exit screen as the window closes (whoever listens
// to left shows it); Back does not.
void MainForm::Form_Unload()
{
    if (m_closingForBack)
        return;
    // This window goes off screen first, so that no window manager numbers the title of one
    // of two windows with the same caption.
    hide();
    emit left();
}

void MainForm::closeForBack()
{
    m_closingForBack = true;
    close();
    m_closingForBack = false;
}
