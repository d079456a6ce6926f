#pragma once

// Shared by the widget tests: records every message box (answering it without a screen)
// and every web address the program opens, and resets the program's windows between tests.

#include "ProgramWindows.h"
#include "Startup.h"
#include "app/FrmExitScreen.h"
#include "app/Program.h"
#include "app/SingleCopyLock.h"
#include "display/FrmDisplay.h"
#include "entry/FrmMain.h"
#include "links/FrmAbout.h"
#include "ui/Forms.h"
#include "ui/LinkLabel.h"
#include "ui/MsgBox.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

// Runs check on the modal window that opens next, as it opens, then closes that window
// whatever the check found: a failed check cannot leave the test waiting on it.
inline void onNextModal(QObject* context, std::function<void(QWidget*)> check)
{
    QTimer::singleShot(0, context, [check] {
        check(QApplication::activeModalWidget());
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
}

class Recorder : public QObject
{
    Q_OBJECT
public:
    QList<MsgBoxRequest> messages;
    QStringList opened;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    int processEnds = 0;

    Recorder()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Clicks here follow each other faster than a person's; the end-to-end test shows
        // the guard against double clicks.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
        answerMessages();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        catchProcessEnd();
        setUpApplication(); // as the program sets itself up, before any window
    }
    void catchProcessEnd()
    {
        setProcessEnd([this](int) { ++processEnds; });
    }

    void answerMessages()
    {
        setMsgBoxAnswerer([this](const MsgBoxRequest& request) {
            messages.append(request);
            return request.buttons.testFlag(answer) ? answer : QMessageBox::Ok;
        });
    }
    // The real message box that ask shows, with check run on it as it opens.
    void onRealBox(const std::function<void(QWidget*)>& check, const std::function<void()>& ask)
    {
        setMsgBoxAnswerer(nullptr);
        onNextModal(this, check);
        ask();
        answerMessages();
    }
    // The run's end, as main ends it: no window left for the leak checker.
    ~Recorder() override
    {
        reset();
        freeWindows();
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    QStringList texts() const
    {
        QStringList texts;
        for (const MsgBoxRequest& m : messages)
            texts << m.text;
        return texts;
    }

    // Closes every window the way the program's quit does, lets Qt delete them and forgets
    // what was recorded.
    void reset()
    {
        QuitProgram();
        flushDeletes();
        messages.clear();
        opened.clear();
        answer = QMessageBox::Ok;
        processEnds = 0;
    }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

public slots:
    void open(const QUrl& url) { opened << url.toString(QUrl::FullyEncoded); }
};

// One key pressed and released, for a table's column of keys.
inline QTestEventList keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTestEventList list;
    list.addKeyClick(key, modifiers);
    return list;
}

template <class T> bool isLoaded()
{
    const QList<QWidget*> forms = Forms::loaded();
    return std::any_of(forms.begin(), forms.end(), [](QWidget* form) { return qobject_cast<T*>(form); });
}

// Shows a window and makes it the active one, as the user's click on it does.
template <class W> W* activated(W* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

// The entry window, active, with a name typed and a date picked.
inline FrmMain* filledEntry(const QString& day, const QString& month, const QString& year,
                            const char* name = "ann")
{
    FrmMain* w = activated(frmMain());
    QTest::keyClicks(w->txtName, name);
    w->cboDate->setCurrentText(day);
    w->cboMonth->setCurrentText(month);
    w->cboYear->setCurrentText(year);
    return w;
}

// A sign request from the entry window, as the user makes it; returns the result window.
inline FrmDisplay* requestSign(const QString& day, const QString& month, const QString& year,
                               const char* name = "ann")
{
    QTest::mouseClick(filledEntry(day, month, year, name)->cmdNext, Qt::LeftButton);
    return isLoaded<FrmDisplay>() ? activated(frmDisplay()) : nullptr;
}

// One of the program's windows by name, shown and active: the result window after a
// request, the About window over the entry window.
inline QWidget* shownWindow(const QString& name)
{
    if (name == "frmDisplay")
        return requestSign("1", "May", "1990");
    if (name == "frmExitScreen")
        return activated(frmExitScreen());
    if (name == "frmAbout")
        return activated(new FrmAbout(frmMain())); // freed with the entry window
    return activated(frmMain());
}
