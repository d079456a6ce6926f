#include "TestSupport.h"

#include "app/FrmExitScreen.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QInputMethodEvent>
#include <QLabel>

class TestEntry : public QObject
{
    Q_OBJECT
    Recorder rec;

    static bool resultShown() { return isLoaded<FrmDisplay>() && frmDisplay()->isVisible(); }

public:
    enum Outcome { SignShown, EntryAgain, ExitScreen, Stays };
    enum Window { Entry, Result };
    enum Way { Input, Trigger, Close };
    Q_ENUM(Outcome)
    Q_ENUM(Window)
    Q_ENUM(Way)

private slots:
    void init() { rec.reset(); }

    // The lists' entries and their first picks, and what a screen reader says of a list (the
    // empty name box is in the entry window's golden; the names Orca says, in its test).
    void opensWithTheFirstEntriesPicked()
    {
        FrmMain* w = activated(frmMain());
        QStringList lists; // each list's count, first and last entries, then what it shows
        for (QComboBox* list : {w->cboDate, w->cboMonth, w->cboYear})
            lists << QString::number(list->count()) << list->itemText(0) << list->itemText(list->count() - 1)
                  << list->currentText();
        QCOMPARE(lists, (QStringList{"31", "1", "31", "1", "12", "January", "December", "January", "136",
                                     "1900", "2035", "1900"}));
        // What a screen reader meets on a list: its name once and its value, also after a change.
        QTest::keyClick(w->cboDate, Qt::Key_Down);
        QAccessibleInterface* date = QAccessible::queryAccessibleInterface(w->cboDate);
        const QString told = date->text(QAccessible::Name) + '|' + date->text(QAccessible::Value) + '|' +
                             date->text(QAccessible::Description);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0) && defined(Q_OS_WIN)
        QCOMPARE(told, QStringLiteral("Date|2|2"));
#elif QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        QCOMPARE(told, QStringLiteral("2|2|2"));
#else
        QCOMPARE(told, QStringLiteral("Date|2|"));
        QCOMPARE(date->child(0)->object(), w->cboDate->view());
#endif
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0) && !defined(Q_OS_WIN)
        QCOMPARE(date->selectionInterface()->selectedItem(0)->text(QAccessible::Name), QStringLiteral("2"));
        // Opened from the keyboard, the list says it is open, and closed again.
        QTest::keyClick(w->cboDate, Qt::Key_F4);
        QVERIFY(date->state().expanded && !date->state().collapsed);
        QTest::keyClick(w->cboDate->view(), Qt::Key_Escape);
        QVERIFY(!date->state().expanded && date->state().collapsed);
#endif
        QTest::keyClick(w->cboDate, Qt::Key_Up);
    }

    void dateChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("empty name first")   << ""  << "31" << "February"   << "1901" << "Please Enter Your Name";
        QTest::newRow("30 Feb leap year")   << "A" << "30" << "February"   << "1960" << "Please Enter Correct Date Or Month!";
        QTest::newRow("29 Feb 1901")        << "A" << "29" << "February"   << "1901" << "Please Enter Correct Date Or Month!";
        QTest::newRow("31 Feb 2004")        << "A" << "31" << "February"   << "2004" << "Please Enter Correct Date Or Month!";
        QTest::newRow("31 April")           << "A" << "31" << "April"      << "2000" << "Please Enter Correct Date Or Month !";
        QTest::newRow("31 June")            << "A" << "31" << "June"       << "1999" << "Please Enter Correct Date Or Month !";
        QTest::newRow("31 September")       << "A" << "31" << "September"  << "1999" << "Please Enter Correct Date Or Month !";
        QTest::newRow("31 November")        << "A" << "31" << "November"   << "1999" << "Please Enter Correct Date Or Month !";
        QTest::newRow("29 Feb 1900 passes") << "A" << "29" << "February"   << "1900" << "";
        QTest::newRow("29 Feb 2000 passes") << "A" << "29" << "February"   << "2000" << "";
        QTest::newRow("28 Feb 1901 passes") << " " << "28" << "February"   << "1901" << "";
        QTest::newRow("30 June passes")     << "A" << "30" << "June"       << "1999" << "";
        QTest::newRow("31 July passes")     << "A" << "31" << "July"       << "1999" << "";
        QTest::newRow("31 Dec passes")      << "A" << "31" << "December"   << "2035" << "";
        // clang-format on
    }
    void dateChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, message);
        requestSign(day, month, year, qPrintable(name));
        QCOMPARE(rec.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(resultShown(), message.isEmpty());
        if (!message.isEmpty()) {
            const MsgBoxRequest& m = rec.messages[0];
            QCOMPARE(m.icon, QMessageBox::Information);
            QCOMPARE(m.owner, frmMain());
            QCOMPARE(frmMain()->cboDate->currentText() + frmMain()->txtName->text(), day + name.toUpper());
            QCOMPARE(frmMain()->focusWidget() == frmMain()->txtName, name.isEmpty());
        }
    }

    void nameFilter_data()
    {
        QTest::addColumn<QStringList>("keys");                // the text of each key pressed
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers"); // held for each
        QTest::addColumn<QString>("committed"); // then what an input method or a dead key commits
        QTest::addColumn<QString>("shown");     // what the name box holds
        QTest::addColumn<int>("refused");       // how many characters were refused, each with the message
        const QStringList atoz = QString("abcdefghijklmnopqrstuvwxyzAZ").split("", Qt::SkipEmptyParts);
        using L = QStringList;
        const Qt::KeyboardModifiers none = Qt::NoModifier, alt = Qt::AltModifier;
        const Qt::KeyboardModifiers altGr =
            Qt::ControlModifier | Qt::AltModifier; // as X11 and Windows report it
        // clang-format off
        QTest::newRow("a to z become capitals")    << atoz                      << none << ""                 << "ABCDEFGHIJKLMNOPQRSTUVWXYZAZ" << 0;
        QTest::newRow("space")                     << L{"J", "o", " ", "A", "n"} << none << ""                 << "JO AN" << 0;
        QTest::newRow("digit, hyphen, apostrophe") << L{"o", "1", "-", "'", "k"} << none << ""                 << "OK"    << 3;
        QTest::newRow("[ ` @ {")                   << L{"[", "`", "@", "{"}      << none << ""                 << ""      << 4;
        QTest::newRow("accented letters")          << L{"\u00e9", "\u00c9"}     << none << ""                 << ""      << 2;
        QTest::newRow("a key of several")          << L{"a1b"}                   << none << ""                 << "AB"    << 1;
        QTest::newRow("dead key and e")            << L{"a"}                     << none << "\u00e9"           << "A"     << 1;
        QTest::newRow("input method word")         << L{}                        << none << "c\u00e9d"         << "CD"    << 1;
        // An Alt chord is a command, never a character.
        QTest::newRow("Alt+Q, Alt+1, Alt+Space")   << L{"q", "1", " "}           << alt  << ""                 << ""      << 0;
        // AltGr (Ctrl+Alt) types a character, which is refused like any other non-letter.
        QTest::newRow("AltGr+Q: @, German layout") << L{"@"}                     << altGr << ""                << ""      << 1;
        // clang-format on
    }
    // Refused characters are not typed; Ctrl+V is a control code, not a paste, and Delete a
    // key, though X11 gives it the text DEL.
    void nameFilter()
    {
        QFETCH(QStringList, keys);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, committed);
        QFETCH(QString, shown);
        QFETCH(int, refused);
        FrmMain* w = activated(frmMain());
        for (const QString& key : keys)
            QTest::sendKeyEvent(QTest::Click, w->txtName, Qt::Key_unknown, key, modifiers);
        if (!committed.isEmpty()) {
            QInputMethodEvent commit;
            commit.setCommitString(committed);
            QApplication::sendEvent(w->txtName, &commit);
        }
        QTest::keyClick(w->txtName, Qt::Key_V, Qt::ControlModifier);
        QTest::sendKeyEvent(QTest::Click, w->txtName, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
        QTest::keyClicks(w->txtName, "x");
        QTest::keyClick(w->txtName, Qt::Key_Backspace);
        QCOMPARE(w->txtName->text(), shown);
        QCOMPARE(rec.texts(), QStringList(refused + 1, "Please Enter only Letters"));
    }

    // Every way through a main window, by mouse, menu and key (a click is input, too): the request shows the
    // result; Back shows the entry window again; every other way out brings up the exit screen.
    void waysThrough_data()
    {
        QTest::addColumn<Window>("window"); // where the user acts, the result window after a request
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("control"); // given the focus and the input, or triggered
        QTest::addColumn<QTestEventList>("input");
        QTest::addColumn<Outcome>("outcome");
        const QTestEventList none;
        QTestEventList click;
        click.addMouseClick(Qt::LeftButton);
        const Qt::KeyboardModifiers alt = Qt::AltModifier, shift = Qt::ShiftModifier,
                                    keypad = Qt::KeypadModifier;
        // clang-format off
        QTest::newRow("Find button")         << Entry  << Input   << "cmdNext"          << click                         << SignShown;
        QTest::newRow("File > Find")         << Entry  << Trigger << "mnuFindPowerSign" << none                          << SignShown;
        QTest::newRow("Alt+O")               << Entry  << Input   << "txtName"          << keys(Qt::Key_O, alt)          << SignShown;
        QTest::newRow("Alt+Z")               << Entry  << Input   << "txtName"          << keys(Qt::Key_Z, alt)          << SignShown;
        QTest::newRow("Enter on Find")       << Entry  << Input   << "cmdNext"          << keys(Qt::Key_Return)          << SignShown;
        QTest::newRow("keypad Enter on Find") << Entry << Input   << "cmdNext"          << keys(Qt::Key_Enter, keypad)   << SignShown;
        QTest::newRow("Space on Find")       << Entry  << Input   << "cmdNext"          << keys(Qt::Key_Space)           << SignShown;
        QTest::newRow("close box")           << Entry  << Close   << ""                 << none                          << ExitScreen;
        QTest::newRow("Exit button")         << Entry  << Input   << "cmdExit"          << click                         << ExitScreen;
        QTest::newRow("File > Exit")         << Entry  << Trigger << "mnuExit"          << none                          << ExitScreen;
        QTest::newRow("Esc")                 << Entry  << Input   << "txtName"          << keys(Qt::Key_Escape)          << ExitScreen;
        QTest::newRow("Shift+Esc")           << Entry  << Input   << "txtName"          << keys(Qt::Key_Escape, shift)   << Stays;
        QTest::newRow("Enter")               << Entry  << Input   << "txtName"          << keys(Qt::Key_Return)          << ExitScreen;
        QTest::newRow("keypad Enter")        << Entry  << Input   << "txtName"          << keys(Qt::Key_Enter, keypad)   << ExitScreen;
        QTest::newRow("Enter on a list")     << Entry  << Input   << "cboMonth"         << keys(Qt::Key_Return)          << ExitScreen;
        QTest::newRow("Alt+E")               << Entry  << Input   << "txtName"          << keys(Qt::Key_E, alt)          << ExitScreen;
        QTest::newRow("Back button")         << Result << Input   << "cmdBack"          << click                         << EntryAgain;
        QTest::newRow("File > Back")         << Result << Trigger << "mnuFileBack"      << none                          << EntryAgain;
        QTest::newRow("Enter on Back")       << Result << Input   << "cmdBack"          << keys(Qt::Key_Return)          << EntryAgain;
        QTest::newRow("result: Exit")        << Result << Input   << "cmdExit"          << click                         << ExitScreen;
        QTest::newRow("result: File > Exit") << Result << Trigger << "mnuExit"          << none                          << ExitScreen;
        QTest::newRow("result: close box")   << Result << Close   << ""                 << none                          << ExitScreen;
        QTest::newRow("result: Enter")       << Result << Input   << "cmdExit"          << keys(Qt::Key_Enter, keypad)   << ExitScreen;
        QTest::newRow("result: Esc")         << Result << Input   << "cmdExit"          << keys(Qt::Key_Escape)          << ExitScreen;
        QTest::newRow("result: Shift+Esc")   << Result << Input   << "cmdBack"          << keys(Qt::Key_Escape, shift)   << Stays;
        QTest::newRow("result: Space")       << Result << Input   << "cmdExit"          << keys(Qt::Key_Space)           << ExitScreen;
        // clang-format on
    }
    void waysThrough()
    {
        QFETCH(Window, window);
        QFETCH(Way, way);
        QFETCH(QString, control);
        QFETCH(QTestEventList, input);
        QFETCH(Outcome, outcome);
        QPointer<FrmMain> w = filledEntry("7", "May", "2010");
        QWidget* acting = w;
        QString message;
        if (window == Result) {
            QTest::mouseClick(w->cmdNext, Qt::LeftButton);
            acting = activated(frmDisplay());
            QVERIFY2(acting, "the result window did not come");
            message = frmExitScreen()->Label2->text();
        }
        switch (way) {
        case Input:
            acting->findChild<QWidget*>(control)->setFocus();
            input.simulate(acting->findChild<QWidget*>(control));
            break;
        case Trigger:
            acting->findChild<QAction*>(control)->trigger();
            break;
        case Close:
            acting->close();
            break;
        }
        // Alt+O and Alt+E animate the click.
        QTRY_COMPARE(resultShown(), outcome == SignShown || (outcome == Stays && window == Result));
        QTRY_COMPARE(frmExitScreen()->isVisible(), outcome == ExitScreen);
        QCOMPARE(frmMain()->isVisible(), outcome == EntryAgain || (outcome == Stays && window == Entry));
        if (outcome == SignShown)
            QCOMPARE(frmDisplay()->lblZevodSign->text(), QStringLiteral("Leo"));
        if (!message.isEmpty())
            QCOMPARE(frmExitScreen()->Label2->text(), message); // drawn once per run
        Recorder::flushDeletes();
        QCOMPARE(w.isNull(), window == Entry && outcome == ExitScreen);
        QCOMPARE(rec.texts() + rec.opened, QStringList());
        QCOMPARE(rec.processEnds, 0);
    }
};

QTEST_MAIN(TestEntry)
#include "tst_entry.moc"
