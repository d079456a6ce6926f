#include "TestSupport.h"

#include "app/FrmExitScreen.h"

#include <QAccessible>
#include <QAction>
#include <QInputMethodEvent>
#include <QLabel>

class TestEntry : public QObject
{
    Q_OBJECT
    Recorder rec;

    static bool resultShown() { return isLoaded<FrmDisplay>() && frmDisplay()->isVisible(); }
    enum Outcome { SignShown, EntryAgain, ExitScreen };

private slots:
    void init() { rec.reset(); }

    void opensEmptyWithTheFirstEntriesPicked()
    {
        FrmMain* w = activated(frmMain());
        QStringList lists; // each list's count, first and last entries, then what it shows
        for (QComboBox* list : {w->cboDate, w->cboMonth, w->cboYear})
            lists << QString::number(list->count()) << list->itemText(0) << list->itemText(list->count() - 1)
                  << list->currentText();
        QCOMPARE(lists, (QStringList{"31", "1", "31", "1", "12", "January", "December", "January", "136",
                                     "1900", "2035", "1900"}));
        QStringList order; // Tab from the empty name box, past the window's own controls to its links
        for (int i = 0; i < 8; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            order << QApplication::focusWidget()->objectName() + ":" +
                         QApplication::focusWidget()->accessibleName();
        QCOMPARE(order, (QStringList{"txtName:Name", "cboDate:Date", "cboMonth:Month", "cboYear:Year",
                                     "cmdNext:", "cmdExit:", "Label61:", "lblFullBrand:"}));
        QVERIFY(w->txtName->text().isEmpty() && !w->findChild<QAction*>("mnuMakeMoneyOnline")->isEnabled());
    }

    void dateChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date"); // day month year
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("empty name first")   << ""  << "31 February 1901"  << "Please Enter Your Name";
        QTest::newRow("30 Feb leap year")   << "A" << "30 February 1960"  << "Please Enter Correct Date Or Month!";
        QTest::newRow("29 Feb 1901")        << "A" << "29 February 1901"  << "Please Enter Correct Date Or Month!";
        QTest::newRow("31 Feb 2004")        << "A" << "31 February 2004"  << "Please Enter Correct Date Or Month!";
        QTest::newRow("31 April")           << "A" << "31 April 2000"     << "Please Enter Correct Date Or Month !";
        QTest::newRow("31 June")            << "A" << "31 June 1999"      << "Please Enter Correct Date Or Month !";
        QTest::newRow("31 September")       << "A" << "31 September 1999" << "Please Enter Correct Date Or Month !";
        QTest::newRow("31 November")        << "A" << "31 November 1999"  << "Please Enter Correct Date Or Month !";
        QTest::newRow("29 Feb 1900 passes") << "A" << "29 February 1900"  << "";
        QTest::newRow("29 Feb 2000 passes") << "A" << "29 February 2000"  << "";
        QTest::newRow("28 Feb 1901 passes") << " " << "28 February 1901"  << "";
        QTest::newRow("30 June passes")     << "A" << "30 June 1999"      << "";
        QTest::newRow("31 July passes")     << "A" << "31 July 1999"      << "";
        QTest::newRow("31 Dec passes")      << "A" << "31 December 2035"  << "";
        // clang-format on
    }
    void dateChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(QString, message);
        const QStringList d = date.split(' ');
        requestSign(d[0], d[1], d[2], qPrintable(name));
        QCOMPARE(rec.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(resultShown(), message.isEmpty());
        if (!message.isEmpty()) {
            const MsgBoxRequest& m = rec.messages[0];
            QVERIFY(m.icon == QMessageBox::Information && m.buttons == QMessageBox::Ok &&
                    m.owner == frmMain());
            QCOMPARE(frmMain()->cboDate->currentText() + frmMain()->txtName->text(), d[0] + name.toUpper());
            QCOMPARE(frmMain()->focusWidget() == frmMain()->txtName, name.isEmpty());
        }
    }

    void nameFilter_data()
    {
        QTest::addColumn<QString>("typed"); // "|" between the keys; "~" before text an input method commits
        QTest::addColumn<QString>("shown");
        QString lower, upper;
        for (char c = 'a'; c <= 'z'; ++c)
            lower += QString(c) + "|", upper += QChar(c - 32);
        // clang-format off
        QTest::newRow("a to z become capitals") << lower + "A|Z"        << upper + "AZ";
        QTest::newRow("space")                  << "J|o| |A|n"          << "JO AN";
        QTest::newRow("digit, hyphen, apostrophe") << "o|1|-|'|k"       << "O!!!K";
        QTest::newRow("[ ` @ {")                << "[|`|@|{"            << "!!!!";
        QTest::newRow("accented letters")       << "\u00e9|\u00c9"      << "!!";
        QTest::newRow("a key of several")       << "a1b"                << "A!B";
        QTest::newRow("dead key and e")         << "a|~\u00e9"          << "A!";
        QTest::newRow("input method word")      << "~c\u00e9d"          << "C!D";
        // clang-format on
    }
    // Each refused character shows the message ("!" in the expected text) and is not typed.
    void nameFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        FrmMain* w = activated(frmMain());
        for (const QString& key : typed.split('|', Qt::SkipEmptyParts)) {
            QInputMethodEvent commit;
            commit.setCommitString(key.mid(1));
            if (key.startsWith('~'))
                QApplication::sendEvent(w->txtName, &commit);
            else
                QTest::sendKeyEvent(QTest::Click, w->txtName, Qt::Key_unknown, key, Qt::NoModifier);
        }
        QTest::keyClick(w->txtName, Qt::Key_V, Qt::ControlModifier); // a control code, not a paste
        // Delete is a key, not a character, though X11 gives it the text DEL.
        QTest::sendKeyEvent(QTest::Click, w->txtName, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
        QTest::keyClicks(w->txtName, "x");
        QTest::keyClick(w->txtName, Qt::Key_Backspace);
        QCOMPARE(w->txtName->text(), QString(shown).remove('!'));
        QCOMPARE(rec.texts(), QStringList(shown.count('!') + 1, "Please Enter only Letters"));
    }

    // A list's value is in its description, which screen readers say with its name.
    void listValuesForScreenReaders()
    {
        FrmMain* w = activated(frmMain());
        auto description = [](QWidget* list) {
            return QAccessible::queryAccessibleInterface(list)->text(QAccessible::Description);
        };
        QCOMPARE(description(w->cboDate) + description(w->cboMonth) + description(w->cboYear),
                 QStringLiteral("1January1900"));
        w->cboDate->setFocus();
        QTest::keyClick(w->cboDate, Qt::Key_Down);
        w->cboYear->setCurrentText("1960");
        QCOMPARE(description(w->cboDate) + description(w->cboYear), QStringLiteral("21960"));
    }

    // An Alt chord is a command, never a character: it types and refuses nothing.
    void altChords_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text"); // what the platform attaches to the key
        QTest::newRow("Alt+Q") << int(Qt::Key_Q) << "q";
        QTest::newRow("Alt+1") << int(Qt::Key_1) << "1";
        QTest::newRow("Alt+Space") << int(Qt::Key_Space) << " ";
    }
    void altChords()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        FrmMain* w = activated(frmMain());
        QTest::sendKeyEvent(QTest::Click, w->txtName, Qt::Key(key), text, Qt::AltModifier);
        QCOMPARE(w->txtName->text(), QString());
        QVERIFY(rec.messages.isEmpty() && w->isVisible());
    }

    // Every way through a main window, by mouse, menu and key: the request shows the result;
    // Back shows the entry window again; every other way out brings up the exit screen.
    void waysThrough_data()
    {
        QTest::addColumn<QString>("window");  // where the user acts: frmMain, or frmDisplay after a request
        QTest::addColumn<QString>("control"); // clicked or triggered, the focus for the key, or "close"
        QTest::addColumn<int>("key");         // none for a click
        QTest::addColumn<int>("outcome");
        const int click = 0, alt = Qt::ALT;
        // clang-format off
        QTest::newRow("Find button")      << "frmMain"    << "cmdNext"          << click                     << int(SignShown);
        QTest::newRow("File > Find")      << "frmMain"    << "mnuFindPowerSign" << click                     << int(SignShown);
        QTest::newRow("Alt+O")            << "frmMain"    << "txtName"          << (alt | Qt::Key_O)         << int(SignShown);
        QTest::newRow("Alt+Z")            << "frmMain"    << "txtName"          << (alt | Qt::Key_Z)         << int(SignShown);
        QTest::newRow("Enter on Find")    << "frmMain"    << "cmdNext"          << int(Qt::Key_Return)       << int(SignShown);
        QTest::newRow("Space on Find")    << "frmMain"    << "cmdNext"          << int(Qt::Key_Space)        << int(SignShown);
        QTest::newRow("close box")        << "frmMain"    << "close"            << click                     << int(ExitScreen);
        QTest::newRow("Exit button")      << "frmMain"    << "cmdExit"          << click                     << int(ExitScreen);
        QTest::newRow("File > Exit")      << "frmMain"    << "mnuExit"          << click                     << int(ExitScreen);
        QTest::newRow("Esc")              << "frmMain"    << "txtName"          << int(Qt::Key_Escape)       << int(ExitScreen);
        QTest::newRow("Enter")            << "frmMain"    << "txtName"          << int(Qt::Key_Return)       << int(ExitScreen);
        QTest::newRow("Enter on a list")  << "frmMain"    << "cboMonth"         << int(Qt::Key_Return)       << int(ExitScreen);
        QTest::newRow("Alt+E")            << "frmMain"    << "txtName"          << (alt | Qt::Key_E)         << int(ExitScreen);
        QTest::newRow("Back button")      << "frmDisplay" << "cmdBack"          << click                     << int(EntryAgain);
        QTest::newRow("File > Back")      << "frmDisplay" << "mnuFileBack"      << click                     << int(EntryAgain);
        QTest::newRow("Enter on Back")    << "frmDisplay" << "cmdBack"          << int(Qt::Key_Return)       << int(EntryAgain);
        QTest::newRow("result: Exit")     << "frmDisplay" << "cmdExit"          << click                     << int(ExitScreen);
        QTest::newRow("result: File > Exit") << "frmDisplay" << "mnuExit"       << click                     << int(ExitScreen);
        QTest::newRow("result: close box")   << "frmDisplay" << "close"         << click                     << int(ExitScreen);
        QTest::newRow("result: Enter")    << "frmDisplay" << "cmdExit"          << int(Qt::Key_Enter)        << int(ExitScreen);
        QTest::newRow("result: Esc")      << "frmDisplay" << "cmdExit"          << int(Qt::Key_Escape)       << int(ExitScreen);
        QTest::newRow("result: Space")    << "frmDisplay" << "cmdExit"          << int(Qt::Key_Space)        << int(ExitScreen);
        // clang-format on
    }
    void waysThrough()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(int, outcome);
        QPointer<FrmMain> w = activated(frmMain());
        QTest::keyClicks(w->txtName, "ann");
        w->cboYear->setCurrentText("2010");
        w->cboMonth->setCurrentText("May");
        w->cboDate->setCurrentText("7");
        QWidget* acting = w;
        QString message;
        if (window == "frmDisplay") {
            QTest::mouseClick(w->cmdNext, Qt::LeftButton);
            acting = activated(frmDisplay());
            message = frmExitScreen()->Label2->text();
        }
        if (auto* focus = acting->findChild<QWidget*>(control); focus && key) {
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key(key & ~Qt::ALT), key & Qt::ALT ? Qt::AltModifier : Qt::NoModifier);
        } else if (focus) {
            QTest::mouseClick(focus, Qt::LeftButton);
        } else if (auto* item = acting->findChild<QAction*>(control)) {
            item->trigger();
        } else {
            acting->close();
        }
        // Alt+O and Alt+E animate the click.
        QTRY_VERIFY(resultShown() == (outcome == SignShown) &&
                    frmExitScreen()->isVisible() == (outcome == ExitScreen));
        QCOMPARE(frmMain()->isVisible(), outcome == EntryAgain);
        if (outcome == SignShown)
            QCOMPARE(frmDisplay()->lblZevodSign->text(), QStringLiteral("Leo"));
        if (!message.isEmpty())
            QCOMPARE(frmExitScreen()->Label2->text(), message); // drawn once per run
        Recorder::flushDeletes();
        QCOMPARE(w.isNull(), window == "frmMain" && outcome == ExitScreen);
        QVERIFY(rec.messages.isEmpty() && rec.opened.isEmpty() && !rec.processEnds);
    }

    // Back keeps the entry; the next request builds the result window afresh.
    void backKeepsTheEntry()
    {
        QPointer<FrmDisplay> first = requestSign("15", "March", "1960");
        QTest::mouseClick(first->cmdBack, Qt::LeftButton);
        Recorder::flushDeletes();
        FrmMain* w = frmMain();
        QVERIFY(first.isNull() && w->isVisible() && !frmExitScreen()->isVisible());
        // Created for its message, but never put on screen and withdrawn in one go.
        QVERIFY(!frmExitScreen()->testAttribute(Qt::WA_WState_Created));
        QCOMPARE(w->txtName->text() + w->cboDate->currentText() + w->cboMonth->currentText() +
                     w->cboYear->currentText(),
                 QStringLiteral("ANN15March1960"));
        w->cboYear->setCurrentText("1950");
        QTest::mouseClick(w->cmdNext, Qt::LeftButton);
        QCOMPARE(frmDisplay()->lblZevodSign->text(), QStringLiteral("Gemini"));
    }
};

QTEST_MAIN(TestEntry)
#include "tst_entry.moc"
