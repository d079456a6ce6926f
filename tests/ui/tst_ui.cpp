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

    void platformChoice_data()
    {
        QTest::addColumn<QByteArray>("qpaPlatform"); // QT_QPA_PLATFORM; empty when unset
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("chosen");
        const QByteArray none;
        // clang-format off
        QTest::newRow("Xwayland on a Wayland desktop") << none          << QByteArray(":0") << QByteArray("wayland-0") << QByteArray("xcb;wayland");
        QTest::newRow("X11 desktop")                   << none          << QByteArray(":0") << none                    << QByteArray("xcb");
        QTest::newRow("Wayland without X")             << none          << none             << QByteArray("wayland-0") << QByteArray("wayland");
        QTest::newRow("the user chose")                << QByteArray("wayland") << QByteArray(":0") << QByteArray("wayland-0") << none;
        QTest::newRow("no display")                    << none          << none             << none                    << none;
        // clang-format on
    }
    void platformChoice()
    {
        QFETCH(QByteArray, qpaPlatform);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, chosen);
        QCOMPARE(chosenPlatform(qpaPlatform, display, waylandDisplay), chosen);
    }

    // What the program prints when Qt cannot start: one line naming the display that could
    // not be reached, or, when the display was there and the plugin failed, Qt's own words
    // (faults.sh runs the program with a display that is gone).
    void startFailure_data()
    {
        QTest::addColumn<QByteArray>("platform"); // what Qt was asked for
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QStringList>("qtSaid");
        QTest::addColumn<QByteArray>("printed");
        const QString fatal =
            "This application failed to start because no Qt platform plugin could be initialized.";
        const QString notLoaded =
            "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.";
        using L = QStringList;
        // clang-format off
        QTest::newRow("both gone")        << QByteArray("xcb;wayland") << QByteArray(":1") << QByteArray("wayland-1") << L{"could not connect to display :1", notLoaded, "Failed to create wl_display (No such file or directory)", fatal} << QByteArray("Quorvex: cannot open the display \":1\"");
        QTest::newRow("none set")         << QByteArray("xcb;wayland") << QByteArray()     << QByteArray()          << L{"could not connect to display ", fatal} << QByteArray("Quorvex: no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set");
        QTest::newRow("Wayland, named")   << QByteArray("wayland")     << QByteArray()     << QByteArray("wl-7")    << L{"Failed to create wl_display (No such file or directory)", fatal} << QByteArray("Quorvex: cannot open the Wayland display \"wl-7\"");
        QTest::newRow("another platform") << QByteArray("eglfs")       << QByteArray(":0") << QByteArray()          << L{} << QByteArray("Quorvex: cannot start on the platform \"eglfs\"");
        QTest::newRow("a broken plugin")  << QByteArray("xcb")         << QByteArray(":0") << QByteArray()          << L{notLoaded, fatal} << ("Quorvex: the display is there, but the platform plugin could not start:\n" + notLoaded + "\n" + fatal).toUtf8();
        // clang-format on
    }
    void startFailure()
    {
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QStringList, qtSaid);
        QFETCH(QByteArray, printed);
        QCOMPARE(::startFailure(platform, display, waylandDisplay, qtSaid), printed);
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
        const QRect area = w->screen()->availableGeometry();
        QVERIFY2(area.contains(w->windowHandle()->frameGeometry()),
                 qPrintable(QStringLiteral("frame at %1,%2")
                                .arg(w->windowHandle()->framePosition().x())
                                .arg(w->windowHandle()->framePosition().y())));
    }

    // Clicked by a press and a release on it, by Enter and Space; not when the mouse left it
    // before the release. It shows when it has the focus. A screen reader sees a link it can press.
    void aLinkLabel()
    {
        QWidget parent;
        LinkLabel link(&parent, "link", QRect(10, 10, 100, 20), "Click here", 9, Qt::AlignLeft);
        activated(&parent);
        QSignalSpy clicks(&link, &LinkLabel::clicked);
        QTest::mouseClick(&link, Qt::LeftButton);
        QTest::mousePress(&link, Qt::LeftButton);
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(150, 5)); // dragged away
        QTest::mouseClick(&link, Qt::RightButton);
        QCOMPARE(clicks.size(), 1);
        const QImage unfocused = link.grab().toImage();
        QTest::keyClick(&parent, Qt::Key_Tab);
        QVERIFY2(link.hasFocus(), "Tab reaches the link");
        QVERIFY2(link.grab().toImage() != unfocused, "the link shows the focus");
        QTest::keyClick(&link, Qt::Key_Return);
        QTest::keyClick(&link, Qt::Key_Space);
        QTest::keyClick(&link, Qt::Key_A);
        QCOMPARE(clicks.size(), 3);
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(&link);
        QCOMPARE(a11y->role(), QAccessible::Link);
        QCOMPARE(a11y->text(QAccessible::Name), QStringLiteral("Click here"));
        a11y->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.size(), 4);
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
