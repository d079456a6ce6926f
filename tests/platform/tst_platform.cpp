#include "platform/PlatformChoice.h"
#include "platform/StartFailure.h"

#include <QTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
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
#ifdef Q_OS_WIN
        // Windows has one platform and no display to miss, also under wine with DISPLAY set.
        const QString missing = "Could not find the Qt platform plugin \"windows\" in \"\"";
        QTest::newRow("wine with an X display")        << none << QByteArray(":0") << none          << none << L{missing, fatal} << ("Quorvex: the Windows platform plugin could not start:\n" + missing + "\n" + fatal).toUtf8();
        QTest::newRow("the user chose offscreen")      << QByteArray("offscreen") << none << none    << none << L{fatal}          << ("Quorvex: the Windows platform plugin could not start:\n" + fatal).toUtf8();
#else
        QTest::newRow("Xwayland on a Wayland desktop, both gone") << none << QByteArray(":1") << QByteArray("wayland-1") << QByteArray("xcb;wayland") << L{"could not connect to display :1", notLoaded, noWayland, fatal} << QByteArray("Quorvex: cannot open the display \":1\"");
        QTest::newRow("X11 desktop, a broken plugin")  << none << QByteArray(":0") << none           << QByteArray("xcb")     << L{notLoaded, fatal} << ("Quorvex: the display is there, but the platform plugin could not start:\n" + notLoaded + "\n" + fatal).toUtf8();
        QTest::newRow("Wayland without X, gone")       << none << none << QByteArray("wl-7")         << QByteArray("wayland") << L{noWayland, fatal} << QByteArray("Quorvex: cannot open the Wayland display \"wl-7\"");
        QTest::newRow("the user chose Wayland")        << QByteArray("wayland") << QByteArray(":0") << none << none         << L{noWayland, fatal} << QByteArray("Quorvex: cannot open the Wayland display \"wayland-0\"");
        QTest::newRow("the user chose another")        << QByteArray("eglfs") << QByteArray(":0") << none << none           << L{} << QByteArray("Quorvex: cannot start on the platform \"eglfs\"");
        QTest::newRow("no display")                    << none << none << none                       << none                  << L{"could not connect to display ", fatal} << QByteArray("Quorvex: no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set");
#endif
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
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
