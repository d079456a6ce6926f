#pragma once

// Shared by the widget tests: records every message box (answering it without a screen)
// and every web address the program opens, and resets the program's windows between tests.

#include "app/Forms.h"
#include "app/MsgBox.h"
#include "app/Program.h"
#include "display/FrmDisplay.h"
#include "entry/FrmMain.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>
#include <QWidget>

class Recorder : public QObject
{
    Q_OBJECT
public:
    QList<MsgBoxRequest> messages;
    QList<QUrl> opened;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    int processEnds = 0;

    Recorder()
    {
        QStandardPaths::setTestModeEnabled(true);
        installAnswerer();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        setProcessEnd([this](int) { ++processEnds; });
    }
    ~Recorder() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        setMsgBoxAnswerer(nullptr);
        setProcessEnd(nullptr);
    }

    void installAnswerer()
    {
        setMsgBoxAnswerer([this](const MsgBoxRequest& request) {
            messages.append(request);
            return request.buttons.testFlag(answer) ? answer : QMessageBox::Ok;
        });
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const MsgBoxRequest& m : messages)
            texts << m.text;
        return texts;
    }
    QStringList openedAddresses() const
    {
        QStringList addresses;
        for (const QUrl& url : opened)
            addresses << url.toString();
        return addresses;
    }

    // Closes every window the way the program's quit does, lets Qt delete them and forgets
    // what was recorded.
    void reset()
    {
        QuitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages.clear();
        opened.clear();
        answer = QMessageBox::Ok;
        processEnds = 0;
    }

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// Lets deferred deletes run, so that closed windows are really gone.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

template <class T> bool isLoaded()
{
    for (QWidget* form : Forms::loaded())
        if (qobject_cast<T*>(form))
            return true;
    return false;
}

// Shows a window and makes it the active one, as the user's click on it does.
template <class W> W* activated(W* window)
{
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("%s not active", qPrintable(window->objectName()));
    return window;
}

// Picks a date in the entry window.
inline void pick(FrmMain* w, const QString& day, const QString& month, const QString& year)
{
    w->cboDate->setCurrentText(day);
    w->cboMonth->setCurrentText(month);
    w->cboYear->setCurrentText(year);
}

// A sign request from the entry window, as the user makes it; returns the result window.
inline FrmDisplay* requestSign(const QString& day, const QString& month, const QString& year)
{
    FrmMain* w = activated(frmMain());
    QTest::keyClicks(w->txtName, "ann");
    pick(w, day, month, year);
    QTest::mouseClick(w->cmdNext, Qt::LeftButton);
    return activated(frmDisplay());
}
