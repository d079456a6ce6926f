#include "TestSupport.h"

#include "ui/LinkLabel.h"
#include "ui/Platform.h"

#include <QAccessible>
#include <QSignalSpy>

class TestUi : public QObject
{
    Q_OBJECT
    Recorder rec;

private slots:
    void init() { rec.reset(); }

    // The platform the program asks Qt for on each desktop (none: Qt's own choice, or the
    // user's), and what it prints if Qt cannot start there: one line naming the display that
    // could not be reached, or, when the display was there and the plugin failed, Qt's own
    // words (faults.sh runs the program with a display that is gone and with a broken plugin).
    void start_data()
    {
        QTest::addColumn<QByteArray>("qpaPlatform"); // QT_QPA_PLATFORM; empty when unset
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<QStringList>("qtSaid"); // when Qt then fails
        QTest::addColumn<QByteArray>("printed");
        const QByteArray none;
        const QString fatal =
            "This application failed to start because no Qt platform plugin could be initialized.";
        const QString notLoaded =
            "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.";
        const QString noWayland = "Failed to create wl_display (No such file or directory)";
        using L = QStringList;
        // clang-format off
        QTest::newRow("Xwayland on a Wayland desktop, both gone") << none << QByteArray(":1") << QByteArray("wayland-1") << QByteArray("xcb;wayland") << L{"could not connect to display :1", notLoaded, noWayland, fatal} << QByteArray("Quorvex: cannot open the display \":1\"");
        QTest::newRow("X11 desktop, a broken plugin")  << none << QByteArray(":0") << none           << QByteArray("xcb")     << L{notLoaded, fatal} << ("Quorvex: the display is there, but the platform plugin could not start:\n" + notLoaded + "\n" + fatal).toUtf8();
        QTest::newRow("Wayland without X, gone")       << none << none << QByteArray("wl-7")         << QByteArray("wayland") << L{noWayland, fatal} << QByteArray("Quorvex: cannot open the Wayland display \"wl-7\"");
        QTest::newRow("the user chose Wayland")        << QByteArray("wayland") << QByteArray(":0") << none << none         << L{noWayland, fatal} << QByteArray("Quorvex: cannot open the Wayland display \"wayland-0\"");
        QTest::newRow("the user chose another")        << QByteArray("eglfs") << QByteArray(":0") << none << none           << L{} << QByteArray("Quorvex: cannot start on the platform \"eglfs\"");
        QTest::newRow("no display")                    << none << none << none                       << none                  << L{"could not connect to display ", fatal} << QByteArray("Quorvex: no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set");
        // clang-format on
    }
    void start()
    {
        QFETCH(QByteArray, qpaPlatform);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, chosen);
        QFETCH(QStringList, qtSaid);
        QFETCH(QByteArray, printed);
        QCOMPARE(chosenPlatform(qpaPlatform, display, waylandDisplay), chosen);
        QCOMPARE(startFailure(chosen.isEmpty() ? qpaPlatform : chosen, display, waylandDisplay, qtSaid),
                 printed);
    }

    // A window left where no screen is now (a monitor unplugged while it was hidden) comes
    // back onto the screen there is.
    void aKeptPositionOffEveryScreenComesBack()
    {
        FrmMain* w = activated(frmMain());
        w->windowHandle()->setFramePosition(QPoint(-5000, -4000)); // moved there by the user
        QTest::qWait(50);
        w->hide();
        w->show();
        QVERIFY2(w->screen()->availableGeometry().contains(w->windowHandle()->frameGeometry()),
                 "the window is not wholly on the screen");
    }

    // A link shows the focus that Tab gives it and has the hand pointer; a screen reader
    // meets a link named by its text, "&" and all, that it can press. An "&" is no access
    // key. (Its clicks and keys are in the links' tests.)
    void aLinkLabel()
    {
        QWidget parent;
        LinkLabel link(&parent, "link", QRect(10, 10, 100, 20), "A &B", 9, Qt::AlignLeft);
        activated(&parent);
        QSignalSpy clicks(&link, &LinkLabel::clicked);
        const QImage unfocused = link.grab().toImage();
        QTest::keyClick(&parent, Qt::Key_Tab);
        QVERIFY2(link.hasFocus(), "Tab reaches the link");
        QVERIFY2(link.grab().toImage() != unfocused, "the link shows the focus");
        QCOMPARE(link.shortcut(), QKeySequence()); // not Alt+B
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(&link);
        QCOMPARE(a11y->role(), QAccessible::Link);
        QCOMPARE(a11y->text(QAccessible::Name), QStringLiteral("A &B"));
        a11y->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.size(), 1);
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
