#include "TestSupport.h"

#include "app/FrmExitScreen.h"
#include "app/Settings.h"
#include "app/UpdateReminder.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QPlainTextEdit>
#include <stdexcept>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{
// Where the settings and the lock are, as each platform names its folders: Windows keeps a
// user's settings in the roaming application data and a lock of this machine in the local
// one (under "qttest" in QStandardPaths' test mode, as Qt's own locations are).
#ifdef Q_OS_WIN
const QString settingsFile =
    QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + "/qttest/tst_app.ini";
const QString lockFile =
    QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA")) + "/qttest/tst_app-single-copy.lock";
#else
const QString settingsFile = QDir::homePath() + "/.qttest/config/tst_app.ini";
const QString lockFile =
    QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/tst_app-single-copy.lock";
#endif
const QString updatePage = "http://quorvex.harrowfen.com/download-quorvex.html";
} // namespace

class TestApp : public QObject
{
    Q_OBJECT
    Recorder rec;

public:
    enum Obstacle { Fifo, LockFolder, Huge, ForeignLink, ForeignFile, GroupWritable };
    Q_ENUM(Obstacle)

private:
    FrmExitScreen* leave()
    {
        QTest::mouseClick(activated(frmMain())->cmdExit, Qt::LeftButton);
        return activated(frmExitScreen());
    }
    // Fills the form's boxes, each entered and left the way a user does; the hidden message
    // box only when a fifth text is given.
    static void fill(FrmExitScreen* x, const QStringList& texts)
    {
        QWidget* boxes[] = {x->txtName, x->txtEmail, x->txtFriendName, x->txtFriendEmail, x->txtMessage};
        for (int i = 0; i < texts.size(); ++i) {
            boxes[i]->setFocus();
            boxes[i]->setProperty(i < 4 ? "text" : "plainText", texts[i]);
        }
        x->cmdSubmit->setFocus();
    }

private slots:
    void init()
    {
        rec.reset();
        for (const QString& file :
             {settingsFile, settingsFile + ".lock", QDir::homePath() + "/.qttest/target"})
            QFile::remove(file);
        QDir(settingsFile + ".lock").removeRecursively();
        // A private folder, whatever an earlier run left.
        QDir().mkpath(QFileInfo(settingsFile).path());
        QFile::setPermissions(QFileInfo(settingsFile).path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A second copy: the message, the end, and nothing read or written.
    void anotherCopyEndsAtTheGuard()
    {
        QDir().mkpath(QFileInfo(lockFile).path());
        QLockFile first(lockFile);
        QVERIFY(first.tryLock(0));
        StartProgram();
        QCOMPARE(rec.texts(), QStringList{"Application is already running"});
        QCOMPARE(rec.messages[0].icon, QMessageBox::Information);
        QCOMPARE(rec.processEnds, 1);
        QVERIFY2(!isLoaded<FrmMain>(), "the second copy shows no window");
        QVERIFY2(!QFile::exists(settingsFile), "the second copy writes no setting");
    }

    // The file, its section and the encoded key and value, as a reader of the INI file sees.
    // Under a umask that lets everyone write, the folder the program makes and the file it
    // writes are the user's alone.
    void theStoreFile()
    {
        const QString folder = QFileInfo(settingsFile).path();
        QVERIFY(QDir(folder).removeRecursively());
        QCOMPARE(GetStoredSetting("Duration"), QString());
#ifdef Q_OS_UNIX
        const mode_t before = ::umask(0);
        SaveStoredSetting("Duration", "12/05/2026 10:37:46");
        ::umask(before);
        const auto rw = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
        QCOMPARE(QFileInfo(folder).permissions(), rw | QFile::ExeOwner | QFile::ExeUser);
        QCOMPARE(QFileInfo(settingsFile).permissions(), rw);
#else
        SaveStoredSetting("Duration", "12/05/2026 10:37:46");
#endif
        QCOMPARE(GetStoredSetting("Duration"), QStringLiteral("12/05/2026 10:37:46"));
        QFile file(settingsFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            QString::fromUtf8(file.readAll()).remove('\r').trimmed(), // Windows ends lines with CR LF
            QString::fromUtf8("[Settings]\n%99%CA%C7%B6%C9%BE%C4%C3=\u0086\u0087\u0084\u0085\u008a\u0084"
                              "\u0087\u0085\u0087\u008bu\u0086\u0085\u008f\u0088\u008c\u008f\u0089\u008b"));
        // Codes of 171 and up have no shifted code and are left out; decoding drops codes below 85.
        QCOMPARE(EncodeSetting("a\u00aab\u00abc\u0101") + DecodeSetting("A\u00a0"),
                 QString("\u00b6\u00ff\u00b7\u00b8K"));
    }

    // What someone or something put in the store's way: it is neither read nor written, at
    // once, and the start goes on without it.
    void storeInTheWay_data()
    {
        QTest::addColumn<Obstacle>("obstacle");
        // clang-format off
        QTest::newRow("a folder at the lock's path") << LockFolder;
        QTest::newRow("a 2 MiB file")                << Huge;
#ifdef Q_OS_UNIX // (on Windows a user's profile folders are the user's alone by their access lists)
        QTest::newRow("a FIFO for the file")         << Fifo;
        QTest::newRow("another user's link")         << ForeignLink;
        QTest::newRow("another user's file")         << ForeignFile;
        QTest::newRow("a folder its group can write") << GroupWritable;
#endif
        // clang-format on
    }
    void storeInTheWay()
    {
        QFETCH(Obstacle, obstacle);
        const QByteArray file = QFile::encodeName(settingsFile);
        const QByteArray target = QFile::encodeName(QDir::homePath() + "/.qttest/target");
        if (obstacle == LockFolder)
            QVERIFY(QDir().mkdir(settingsFile + ".lock"));
        else if (obstacle == Huge)
            QVERIFY(QFile(settingsFile).open(QIODevice::WriteOnly) && QFile(settingsFile).resize(2 << 20));
#ifdef Q_OS_UNIX
        else if (obstacle == Fifo)
            QCOMPARE(::mkfifo(file.constData(), 0600), 0);
        else if (obstacle == GroupWritable)
            QCOMPARE(::chmod(QFile::encodeName(QFileInfo(settingsFile).path()).constData(), 0770), 0);
        else if (::getuid() != 0)
            QSKIP("only root can stand in for another user");
        else {
            QVERIFY(QFile(target).open(QIODevice::WriteOnly));
            QCOMPARE(::symlink(target.constData(), file.constData()), 0);
            QCOMPARE(::lchown(obstacle == ForeignLink ? file.constData() : target.constData(), 4242, 4242),
                     0);
        }
#endif
        if (obstacle != LockFolder) // reading takes no lock
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, GetStoredSetting("Duration"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, SaveStoredSetting("Duration", "12/05/2026 10:37:46"));
        QCOMPARE(QFileInfo(QFile::decodeName(target)).size(), 0);
    }

    void reminder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asked");
        // clang-format off
        QTest::newRow("first run")                  << ""                       << "en_US" << true  << false;
        QTest::newRow("14 days back")               << "2026-11-23T00:05:00"    << "en_US" << true  << false;
        QTest::newRow("late evening 15 days back")  << "2026-11-22T23:50:00"    << "en_US" << false << true;
        QTest::newRow("15 days back, Yes")          << "2026-11-22T08:00:00"    << "ja_JP" << true  << true;
        QTest::newRow("14 days ahead")              << "2026-12-21T23:59:59"    << "de_DE" << true  << false;
        QTest::newRow("15 days ahead")              << "2026-12-22T00:00:00"    << "de_DE" << false << true;
        QTest::newRow("earlier American form")      << "11/22/2026 11:50:00 PM" << "en_US" << true  << true;
        QTest::newRow("earlier German form")        << "22.11.2026 23:50:00"    << "de_DE" << true  << true;
        QTest::newRow("earlier German, 14 days")    << "23.11.2026 23:50:00"    << "de_DE" << true  << false;
        QTest::newRow("not a date")                 << "not a date"             << "C"     << true  << false;
        // clang-format on
    }
    void reminder()
    {
        QFETCH(QString, stored);
        QFETCH(QString, locale);
        QFETCH(bool, yes);
        QFETCH(bool, asked);
        if (!stored.isEmpty())
            SaveStoredSetting("Duration", stored);
        rec.answer = yes ? QMessageBox::Yes : QMessageBox::No;
        runUpdateReminder(QDateTime(QDate(2026, 12, 7), QTime(0, 5)), QLocale(locale));
        QCOMPARE(rec.texts(), asked ? QStringList{"There maybe an update to this software available\r"
                                                  "Do you want to check for an update?"}
                                    : QStringList());
        QCOMPARE(GetStoredSetting("Duration"),
                 asked || stored.isEmpty() ? QStringLiteral("2026-12-07T00:05:00") : stored);
        QCOMPARE(rec.opened, asked && yes ? QStringList{updatePage} : QStringList());
    }

    // The request creates the exit screen; left from the result window it comes (above all: see the
    // end-to-end test), a screen reader meets it as a window and the keyboard starts on Exit, shown. Its
    // close box ends the real event loop with 0 and closes the hidden entry window too; main then frees every
    // window while Qt is whole. Ending the process from inside the loop fails here rather than passing.
    void theExitScreenEndsTheRun()
    {
        static bool inLoop = false;
        static const int registered = std::atexit([] {
            if (inLoop) {
                std::fputs("FAIL: the process ended inside the event loop\n", stderr);
                std::_Exit(3);
            }
        });
        Q_UNUSED(registered);
        FrmDisplay* result = requestSign("1", "May", "1960");
        QVERIFY2(isLoaded<FrmExitScreen>(), "the request creates the exit screen, its message drawn then");
        QTest::mouseClick(result->cmdExit, Qt::LeftButton);
        FrmExitScreen* x = frmExitScreen();
        QTRY_VERIFY2(x->isVisible(), "the exit screen shows once the result window is gone");
        QVERIFY2(isLoaded<FrmMain>() && !frmMain()->isVisible(), "the entry window stays loaded, hidden");
        QCOMPARE(QAccessible::queryAccessibleInterface(x)->role(), QAccessible::Window);
        QCOMPARE(x->focusWidget(), x->cmdClose);
        QVERIFY2(x->testAttribute(Qt::WA_KeyboardFocusChange), "the focus on Exit is shown");
        setProcessEnd(nullptr);
        QTimer::singleShot(0, x, [x] { x->close(); });
        inLoop = true;
        const int status = QCoreApplication::exec();
        inLoop = false;
        rec.catchProcessEnd();
        QCOMPARE(status, 0);
        QVERIFY2(Forms::loaded().isEmpty(), "a window is still loaded after the quit");
        QCOMPARE(rec.opened + rec.texts(), QStringList());
        // Qt 6.8 returns from the loop with the closed windows not yet deleted.
        frmMain()->show();
        frmMain()->close();
        QCOMPARE(endRun(status), 0);
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    // The desktop (on Wayland the dock, the task switcher, the icon) matches the program's
    // windows to the desktop entry the build installs by its file name. (On X11 it goes by the
    // window class, which the package's tests read against the installed entry.)
    void theDesktopEntryIsTheProgramsOwn()
    {
        QVERIFY(QFileInfo::exists(DESKTOP_ENTRY));
        QCOMPARE(QGuiApplication::desktopFileName() + ".desktop.in", QFileInfo(DESKTOP_ENTRY).fileName());
    }

    // Tab goes round each window's controls, from where the focus is as the window opens.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        using L = QStringList;
        // clang-format off
        QTest::newRow("entry")       << "frmMain"       << L{"txtName", "cboDate", "cboMonth", "cboYear", "cmdNext", "cmdExit", "Label61", "lblFullBrand", "txtName"};
        QTest::newRow("result")      << "frmDisplay"    << L{"cmdExit", "cmdBack", "Label61", "lblFullBrand", "cmdExit"};
        QTest::newRow("exit screen") << "frmExitScreen" << L{"cmdClose", "lblGoToHome", "txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail", "cmdSubmit", "Check1", "cmdClose"};
        // clang-format on
    }
    void tabOrder()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        QWidget* w = shownWindow(window);
        QStringList seen;
        for (int i = 0; i < order.size(); ++i, QTest::keyClick(w->focusWidget(), Qt::Key_Tab))
            seen << w->focusWidget()->objectName();
        QCOMPARE(seen, order);
    }

    void placeholders()
    {
        FrmExitScreen* x = leave();
        // The focus comes, and a turn of the event loop later the placeholder goes.
        auto enter = [](QWidget* box) {
            box->setFocus();
            QCoreApplication::processEvents();
        };
        x->txtName->setText("  Your Name ");
        enter(x->txtName);
        QTest::keyClicks(x->txtName, "   ");
        enter(x->txtEmail);
        QCOMPARE(x->txtName->text() + "|" + x->txtEmail->text(), QStringLiteral("Your Name|"));
        enter(x->txtName);
        QCOMPARE(x->txtName->text() + "|" + x->txtEmail->text(), QStringLiteral("|Your Email Address"));
        // Leaving a blank box puts its placeholder back at once, as the focus moves on.
        QTest::keyClick(x->txtName, Qt::Key_Tab);
        QCOMPARE(x->txtName->text(), QStringLiteral("Your Name"));
        // Typed ahead: a box the focus passes through before the loop turns keeps its placeholder.
        QTest::keyClick(x->txtEmail, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(x->txtEmail->text(), QStringLiteral("Your Email Address"));
        enter(x->txtName);
        x->txtName->setText("your name"); // case counts: not the placeholder
        enter(x->txtEmail);
        enter(x->txtName);
        QCOMPARE(x->txtName->text(), QStringLiteral("your name"));
        // The "@" comes with AltGr (Ctrl+Alt) on German and French keyboards.
        for (QLineEdit* box : {x->txtEmail, x->txtFriendEmail}) {
            enter(box);
            QTest::keyClicks(box, "a b");
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Q, QStringLiteral("@"),
                                Qt::ControlModifier | Qt::AltModifier);
            QCOMPARE(box->text(), QStringLiteral("ab@"));
        }
        QCOMPARE(rec.texts(), QStringList(2, "Email Address Cannot Contain Space"));
        QCOMPARE(rec.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(rec.messages[1].owner, x);
    }

    void submit_data()
    {
        QTest::addColumn<QStringList>("form"); // name, e-mail, friend's name, friend's e-mail[, message]
        QTest::addColumn<QString>("refusal");  // the message, if the form is refused
        QTest::addColumn<QString>("query");    // else the query of the page opened
        using L = QStringList;
        // clang-format off
        QTest::newRow("all placeholders")       << L{"Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address"} << "Please Enter Proper Email Address" << "";
        QTest::newRow("distinct before proper") << L{"A", "ab", "B", "ab"}          << "Please Enter Distinct Email Addresses" << "";
        QTest::newRow("same, blanks around")    << L{"A", " a@b.c", "B", "a@b.c "}  << "Please Enter Distinct Email Addresses" << "";
        QTest::newRow("no full stop")           << L{"A", "a@bc", "B", "b@c.d"}     << "Please Enter Proper Email Address" << "";
        QTest::newRow("friend without at sign") << L{"A", "a@b.c", "B", "b.c"}      << "Please Enter Proper Email Address" << "";
        QTest::newRow("proper before name")     << L{"Your Name", "a@b.c", "B", "bc"} << "Please Enter Proper Email Address" << "";
        QTest::newRow("name before message")    << L{"Your Name", "a@b.c", "B", "b@c.d", ""} << "Please Enter Your Name" << "";
        QTest::newRow("message before friend")  << L{"A", "a@b.c", "Friend's Name", "b@c.d", ""} << "Please Enter Your Message" << "";
        QTest::newRow("friend's name")          << L{"A", "a@b.c", "  ", "b@c.d"}  << "Please Enter Your Friend's Name" << "";
        QTest::newRow("untouched message, CR LF") << L{"A", "a@b.c", "B", "A@b.c"} << "" << "taf1=A&taf2=a%40b.c&taf3=Your%20Message%0D%0A&taf4=B&taf5=A%40b.c";
        QTest::newRow("stop before at sign")    << L{" A ", "a.b@c", "B", "b@c.d"} << "" << "taf1=A&taf2=a.b%40c&taf3=Your%20Message%0D%0A&taf4=B&taf5=b%40c.d";
        QTest::newRow("values as typed")        << L{"A&B=C", "a@b.c#d", "Zo\u00eb+%", "e&f@g.h", "Hi  there\n?"} << "" << "taf1=A%26B%3DC&taf2=a%40b.c%23d&taf3=Hi%20%20there%0D%0A%3F&taf4=Zo%C3%AB%2B%25&taf5=e%26f%40g.h";
        const QString e5000(5000, QChar(0xe9)), e6000(6000, QChar(0xe9));
        QTest::newRow("long message, 30,000 encoded") << L{"A", "a@b.c", "B", "b@c.d", e5000} << "" << "taf1=A&taf2=a%40b.c&taf3=" + QString("%C3%A9").repeated(5000) + "&taf4=B&taf5=b%40c.d";
        QTest::newRow("too long to open")       << L{"A", "a@b.c", "B", "b@c.d", e6000} << "Please Shorten Your Message" << "";
        // clang-format on
    }
    // The refusals come in the order of the checks; an accepted form opens the page with each
    // value percent-encoded, so that the page reads back exactly what was typed.
    void submit()
    {
        QFETCH(QStringList, form);
        QFETCH(QString, refusal);
        QFETCH(QString, query);
        FrmExitScreen* x = leave();
        fill(x, form);
        QTest::mouseClick(x->cmdSubmit, Qt::LeftButton);
        QCOMPARE(rec.texts() + rec.opened,
                 QStringList{query.isEmpty() ? refusal
                                             : "http://www.harrowfen.com/hfsuite-refer-a-friend.php?" +
                                                   query + "&taf6=http://quorvex.harrowfen.com/"});
        if (!refusal.isEmpty()) {
            QCOMPARE(rec.messages[0].icon, QMessageBox::Critical);
            QCOMPARE(rec.messages[0].owner, x);
        }
    }

    // Where no browser can be started, the form says so rather than nothing.
    void referralWithoutABrowser()
    {
        FrmExitScreen* x = leave();
        fill(x, {"A", "a@b.c", "B", "b@c.d"});
        QDesktopServices::unsetUrlHandler("http"); // the test platform opens nothing by itself
        QTest::mouseClick(x->cmdSubmit, Qt::LeftButton);
        QDesktopServices::setUrlHandler("http", &rec, "open");
        QCOMPARE(rec.texts(), QStringList{"The Refer A Friend Page Could Not Be Opened"});
    }

    // Within the double-click interval of a main window becoming active again (a box over it
    // closed, the user came back from another program), keys that would press a button press
    // nothing, while typing goes on and a click counts. Input goes to the native window, as
    // it comes from the display. (Two quick Enters are in the end-to-end test.)
    void inputRightAfterActivation_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<Qt::Key>("key");   // none for a click on Find
        QTest::addColumn<QString>("typed"); // what the name box then holds
        QTest::addColumn<bool>("pressed");  // whether Find or Exit was pressed at once
        // clang-format off
        QTest::newRow("Space on Find")                << "cmdNext" << Qt::Key_Space  << ""  << false;
        QTest::newRow("Space in the name box")        << "txtName" << Qt::Key_Space  << " " << false;
        QTest::newRow("keypad Enter in the name box") << "txtName" << Qt::Key_Enter  << ""  << false;
        QTest::newRow("a click on Find")              << "txtName" << Qt::Key_unknown << "" << true;
        // clang-format on
    }
    void inputRightAfterActivation()
    {
        QFETCH(QString, focus);
        QFETCH(Qt::Key, key);
        QFETCH(QString, typed);
        QFETCH(bool, pressed);
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(300);
        QPointer<FrmMain> w = activated(frmMain());
        QTest::qWait(400);
        QWidget other;
        activated(&other);
        activated(w.data())->findChild<QWidget*>(focus)->setFocus();
        const auto act = [&] {
            if (key == Qt::Key_unknown)
                QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, w->cmdNext->mapTo(w, QPoint(5, 5)));
            else
                QTest::keyClick(w->windowHandle(), key,
                                key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        };
        act();
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0); // for the tests that follow, too
        QVERIFY2(w, "the entry window was left");
        QCOMPARE(w->txtName->text(), typed);
        QCOMPARE(rec.messages.size() + isLoaded<FrmExitScreen>(), pressed ? 1 : 0);
        if (!pressed) { // the same key, later, presses its button (or types)
            act();
            QCOMPARE(rec.messages.size() + isLoaded<FrmExitScreen>(), typed.isEmpty() ? 1 : 0);
        }
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
