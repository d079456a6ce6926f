#include "MainForm.h"

#include "FrmExitScreen.h"
#include "Program.h"
#include "ui/Forms.h"
#include "ui/Look.h"
#include "ui/Policy.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QStyleHints>

// Find and Back each put the other main window where the button was. The second click of a
// double click would land on the new window (Back lies right where Find was) and undo the
// first, so presses that come within the double-click interval of the window appearing are
// dropped.
class FreshnessGuard : public QObject
{
public:
    explicit FreshnessGuard(QWidget* window) : QObject(window), m_window(window)
    {
        qApp->installEventFilter(this);
    }
    void shown() { m_shown.start(); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
               m_shown.isValid() &&
               m_shown.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval() &&
               watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == m_window;
    }

private:
    QWidget* m_window;
    QElapsedTimer m_shown;
};

MainForm::MainForm(int clientWidthTwips, int clientHeightTwips)
    : m_client(new QWidget(this)), m_freshness(new FreshnessGuard(this))
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
    m_freshness->shown();
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
