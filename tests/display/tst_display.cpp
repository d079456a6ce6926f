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
    // of them takes the focus: that starts on Exit, then Back, then the links.
    void aScreenReaderHearsTheSign()
    {
        FrmDisplay* d = requestSign("15", "March", "1960");
        QCOMPARE(QAccessible::queryAccessibleInterface(d)->text(QAccessible::Description),
                 QStringLiteral("Zevod Astrology Sign: Cancer. You will challenge people who break their "
                                "promises. You will want to spiritually do good for people. You may not take "
                                "blame for your actions and find fault with others."));
        QStringList order;
        for (int i = 0; i < 4; ++i, QTest::keyClick(d->focusWidget(), Qt::Key_Tab))
            order << d->focusWidget()->objectName();
        QCOMPARE(order, (QStringList{"cmdExit", "cmdBack", "Label61", "lblFullBrand"}));
    }

    // The paragraph goes in only for a sign with a row; the sign always.
    void aSignWithoutARowLeavesTheParagraph_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<bool>("kept");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("small initial") << "leo" << true;
        QTest::newRow("Libra, an empty row") << "Libra" << false;
    }
    void aSignWithoutARowLeavesTheParagraph()
    {
        QFETCH(QString, sign);
        QFETCH(bool, kept);
        const QString before = frmDisplay()->lblSignDesc->text();
        strZevodSign = sign;
        showZevodSignInResult();
        QCOMPARE(frmDisplay()->lblSignDesc->text(), kept ? before : QString());
        QCOMPARE(frmDisplay()->lblZevodSign->text(), sign);
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
