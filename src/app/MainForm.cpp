#include "MainForm.h"

#include "FrmExitScreen.h"
#include "Program.h"
#include "ui/Forms.h"
#include "ui/Look.h"
#include "ui/Placement.h"
#include "ui/Policy.h"
#include "ui/Texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QStyleHints>

// Find and Back each put the other main window where the button was, and a message box
// closing gives the window under it the keyboard again. The second click of a double click
// would land on the new window (Back lies right where Find was) and undo the first; so would
// the second of two quick Enters, pressing Exit. So presses of the mouse, and keys that
// would press a button (Enter and Return anywhere in the window, Space on a button), are
// dropped when they come within the double-click interval of the window appearing or
// becoming active. Typing is left alone.
class FreshnessGuard : public QObject
{
public:
    explicit FreshnessGuard(QWidget* window) : QObject(window), m_window(window)
    {
        qApp->installEventFilter(this);
    }
    void shown() { m_fresh.start(); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::WindowActivate)
            m_fresh.start();
        if (!m_fresh.isValid() ||
            m_fresh.elapsed() >= QGuiApplication::styleHints()->mouseDoubleClickInterval() ||
            !watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != m_window)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            return key == Qt::Key_Return || key == Qt::Key_Enter ||
                   (key == Qt::Key_Space && qobject_cast<QAbstractButton*>(watched));
        }
        default:
            return false;
        }
    }

private:
    QWidget* m_window;
    QElapsedTimer m_fresh;
};

MainForm::MainForm(int clientWidthTwips, int clientHeightTwips)
    : m_client(new QWidget(this)), m_freshness(new FreshnessGuard(this))
{
    setWindowTitle(windowCaption());
    setWindowIcon(Look::programIcon());
    setFont(Look::verdana(8.25));
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(tw(clientWidthTwips), tw(clientHeightTwips));
    setCentralWidget(m_client);
    keepPlaced(this);
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
    m_freshness->shown();
}

void MainForm::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    Forms::remove(this);
    event->accept();
}

// Leaving either main window brings up the exit screen; the window then finishes closing.
// A quit that is closing every window has no use for it. Back hides the exit screen again
// at once: it is created (its message drawn) but not put on screen, since a window mapped
// and withdrawn before the window manager has managed it can be left on screen, unpainted,
// by one that handles the map request after the withdrawal (mutter does).
void MainForm::Form_Unload()
{
    if (quitUnderWay())
        return;
    if (m_closingForBack) {
        runStep([] { frmExitScreen(); });
        return;
    }
    runStep([] { frmExitScreen()->show(); });
}

void MainForm::closeForBack()
{
    m_closingForBack = true;
    close();
    m_closingForBack = false;
}
