#include "TestSupport.h"

#include <QAccessible>

#include "app/FrmExitScreen.h"
#include "sign/ModPlanetSign.h"

#include <QAction>
#include <QLabel>

namespace
{
QStringList announced;
void recordAnnouncements(QAccessibleEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        announced << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#else
    Q_UNUSED(event);
#endif
}
} // namespace

class TestDisplay : public QObject
{
    Q_OBJECT
    Recorder rec;

private slots:
    void init() { rec.reset(); }

    // A screen reader says the sign and its paragraph as the window opens, though no label
    // of them takes the focus.
    void aScreenReaderHearsTheSign()
    {
        FrmDisplay* d = requestSign("15", "March", "1960");
        QCOMPARE(QAccessible::queryAccessibleInterface(d)->text(QAccessible::Description),
                 QStringLiteral("Zevod Astrology Sign: Cancer. You will challenge people who break their "
                                "promises. You will want to spiritually do good for people. You may not take "
                                "blame for your actions and find fault with others."));
    }

    // Where Qt can announce (6.8 and later), the sign and its paragraph are announced once,
    // as the window becomes active, not again when the user comes back to it.
    void theSignIsAnnouncedOnce()
    {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        QSKIP("Qt before 6.8 has no announcements");
#endif
        announced.clear();
        QAccessible::installUpdateHandler(recordAnnouncements);
        QAccessible::setActive(true);
        FrmDisplay* d = requestSign("15", "March", "1960");
        QTRY_COMPARE(announced.size(), 1);
        QWidget other;
        activated(&other);
        activated(d);
        QTest::qWait(50);
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::setActive(false);
        QCOMPARE(announced,
                 QStringList{"Zevod Astrology Sign: Cancer. You will challenge people who break their "
                             "promises. You will want to spiritually do good for people. You may not "
                             "take blame for your actions and find fault with others."});
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
