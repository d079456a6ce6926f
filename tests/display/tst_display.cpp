#include "TestSupport.h"

#include <QAccessible>

#include "app/FrmExitScreen.h"
#include "sign/ModPlanetSign.h"

#include <QAction>
#include <QLabel>

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
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
