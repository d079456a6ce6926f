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

    void waysOut_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("back");
        // clang-format off
        QTest::newRow("Back button")   << "cmdBack"     << true;
        QTest::newRow("File > Back")   << "mnuFileBack" << true;
        QTest::newRow("Enter on Back") << "Return"      << true;
        QTest::newRow("Exit button")   << "cmdExit"     << false;
        QTest::newRow("File > Exit")   << "mnuExit"     << false;
        QTest::newRow("close box")     << "close"       << false;
        QTest::newRow("Enter")         << "Enter"       << false;
        QTest::newRow("Esc")           << "Escape"      << false;
        QTest::newRow("Space")         << "Space"       << false;
        // clang-format on
    }
    void waysOut()
    {
        QFETCH(QString, how);
        QFETCH(bool, back);
        FrmDisplay* d = requestSign("15", "March", "1960");
        const QString message = frmExitScreen()->Label2->text();
        if (how == "close")
            d->close();
        else if (auto* button = d->findChild<QPushButton*>(how))
            QTest::mouseClick(button, Qt::LeftButton);
        else if (auto* item = d->findChild<QAction*>(how))
            item->trigger();
        else if (how == "Return")
            QTest::keyClick(d->cmdBack, Qt::Key_Return);
        else
            QTest::keyClick(d->cmdExit, how == "Escape"  ? Qt::Key_Escape
                                        : how == "Space" ? Qt::Key_Space
                                                         : Qt::Key_Enter);
        QVERIFY(!isLoaded<FrmDisplay>() && isLoaded<FrmMain>());
        QCOMPARE(frmMain()->isVisible(), back);
        QCOMPARE(frmExitScreen()->isVisible(), !back);
        QCOMPARE(frmExitScreen()->Label2->text(), message); // drawn once per run
        QVERIFY(!rec.processEnds && rec.opened.isEmpty());
    }

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
