#include "TestSupport.h"

#include "ui/LinkLabel.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QWindow>

class TestUi : public QObject
{
    Q_OBJECT
    Recorder rec;

private slots:
    void init() { rec.reset(); }

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

    // On native Wayland the title bar that Qt draws offers maximize and full screen: every
    // fixed-size window, asked for each, keeps its size (wayland.sh runs this on weston).
    void fixedSizeOnNativeWayland_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* window : {"frmMain", "frmExitScreen", "frmAbout", "box"})
            QTest::newRow(window) << window;
    }
    void fixedSizeOnNativeWayland()
    {
        if (QGuiApplication::platformName() != "wayland")
            QSKIP("for native Wayland");
        QFETCH(QString, window);
        const auto askToEnlarge = [](QWidget* w) {
            QVERIFY2(w, "the window did not come");
            const QSize size = w->size();
            for (Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
                w->windowHandle()->setWindowStates(state);
                QTest::qWait(800); // the compositor's answer, if it were to enlarge it
                QCOMPARE(w->size(), size);
                QVERIFY(!(w->windowHandle()->windowStates() & state));
            }
        };
        if (window != "box")
            return askToEnlarge(shownWindow(window));
        rec.onRealBox(askToEnlarge,
                      [] { MsgBox(QStringLiteral("Please Enter only Letters"), QMessageBox::Information); });
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
