#include "TestSupport.h"

#include "app/FrmExitScreen.h"
#include "display/FrmDisplay.h"
#include "entry/FrmMain.h"
#include "links/FrmAbout.h"
#include "links/LinkLabel.h"
#include "sign/ModPlanetSign.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class TestDisplay : public QObject
{
    Q_OBJECT
    Recorder rec;

private slots:
    void init() { rec.reset(); }
    void cleanupTestCase() { rec.reset(); }

    void designTextsAndLayout()
    {
        FrmDisplay* d = frmDisplay();
        QCOMPARE(d->windowTitle(), QStringLiteral("Quorvex v1.0"));
        QCOMPARE(d->client()->size(), QSize(497, 368));
        QCOMPARE(d->lblZevodSign->text(), QStringLiteral("lblZevodSign"));
        QVERIFY(d->lblSignDesc->text().startsWith("This is an idealistic combination"));
        QCOMPARE(d->fraPowerSign->title(), QStringLiteral("Zevod Astrology Sign"));
        QCOMPARE(d->cmdBack->geometry(), QRect(88, 277, 409, 31));
        QCOMPARE(d->cmdExit->geometry(), QRect(0, 277, 81, 31));
        QCOMPARE(d->lblFullBrand->geometry(), d->lblCobrand->geometry());
        QCOMPARE(d->cmdBack->palette().color(QPalette::Button), QColor(128, 128, 128));
        QCOMPARE(d->findChild<QAction*>("mnuUpdate")->text(), QStringLiteral("&Check for Software Update"));
        QVERIFY(!d->findChild<QAction*>("mnuMakeMoneyOnline")->isEnabled());
        QStringList file;
        for (QAction* a : d->mnuFile->actions())
            file << a->text();
        QCOMPARE(file, (QStringList{"&Back", "E&xit"}));
    }

    void theFullyBrandedOfferIsInFront()
    {
        FrmDisplay* d = requestSign("1", "January", "1990");
        const QPoint centre = d->lblFullBrand->geometry().center();
        QCOMPARE(d->Frame5->childAt(centre), static_cast<QWidget*>(d->lblFullBrand));
    }

    void focusIsOnExit_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void focusIsOnExit()
    {
        QFETCH(int, key);
        FrmDisplay* d = requestSign("15", "March", "1960");
        QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->cmdExit));
        QTest::keyClick(d->focusWidget(), Qt::Key(key));
        QVERIFY(!isLoaded<FrmDisplay>());
        QVERIFY(frmExitScreen()->isVisible());
        QVERIFY(!frmMain()->isVisible()); // still loaded, hidden
        QVERIFY(isLoaded<FrmMain>());
    }

    void enterOnBackGoesBack()
    {
        FrmDisplay* d = requestSign("15", "March", "1960");
        d->cmdBack->setFocus();
        QTest::keyClick(d->cmdBack, Qt::Key_Return);
        QVERIFY(!isLoaded<FrmDisplay>());
        QVERIFY(frmMain()->isVisible());
        QVERIFY(!frmExitScreen()->isVisible());
    }

    void routesOut_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("back");
        QTest::newRow("Back button") << "cmdBack" << true;
        QTest::newRow("File > Back") << "mnuFileBack" << true;
        QTest::newRow("Exit button") << "cmdExit" << false;
        QTest::newRow("File > Exit") << "mnuExit" << false;
        QTest::newRow("close box") << "close" << false;
    }
    void routesOut()
    {
        QFETCH(QString, route);
        QFETCH(bool, back);
        FrmDisplay* d = requestSign("15", "March", "1960");
        const QString message = frmExitScreen()->Label2->text();
        if (route == "close")
            d->close();
        else if (auto* button = d->findChild<QPushButton*>(route))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            d->findChild<QAction*>(route)->trigger();
        QVERIFY(!isLoaded<FrmDisplay>());
        QCOMPARE(frmMain()->isVisible(), back);
        QCOMPARE(frmExitScreen()->isVisible(), !back);
        QCOMPARE(frmExitScreen()->Label2->text(), message); // drawn once per run
        QCOMPARE(rec.processEnds, 0);
        QVERIFY(rec.opened.isEmpty());
    }

    // Every label of every window shows its whole text with DejaVu Sans standing in for
    // Verdana: a wrapped label is tall enough for its lines, any other wide enough.
    void noLabelIsClipped()
    {
        FrmAbout about;
        strZevodSign = QStringLiteral("Sagittarius"); // the longest sign name
        showZevodSignInResult();
        for (QWidget* window : {static_cast<QWidget*>(frmMain()), static_cast<QWidget*>(frmDisplay()),
                                static_cast<QWidget*>(frmExitScreen()), static_cast<QWidget*>(&about)}) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->text().isEmpty())
                    continue;
                const QString where = window->objectName() + "." + label->objectName();
                if (label->wordWrap())
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                             qPrintable(where + QString(" needs %1 px, has %2")
                                                    .arg(label->heightForWidth(label->width()))
                                                    .arg(label->height())));
                else
                    QVERIFY2(label->sizeHint().width() <= label->width(),
                             qPrintable(where + QString(" needs %1 px, has %2")
                                                    .arg(label->sizeHint().width())
                                                    .arg(label->width())));
                // and inside its window
                const QRect inWindow(label->mapTo(window, QPoint(0, 0)), label->size());
                QVERIFY2(window->rect().contains(inWindow) || label->parentWidget()->objectName() == "Frame2",
                         qPrintable(where + " lies outside its window"));
            }
        }
    }

    void anUnmatchedSignLeavesTheDescription_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("description");
        QTest::newRow("empty") << "" << FrmDisplay::placeholderDescription();
        QTest::newRow("small initial") << "leo" << FrmDisplay::placeholderDescription();
        QTest::newRow("Libra") << "Libra"
                               << "";
        QTest::newRow("Virgo") << "Virgo" << *signDescription("Virgo");
    }
    void anUnmatchedSignLeavesTheDescription()
    {
        QFETCH(QString, sign);
        QFETCH(QString, description);
        strZevodSign = sign;
        showZevodSignInResult();
        QCOMPARE(frmDisplay()->lblSignDesc->text(), description);
        QCOMPARE(frmDisplay()->lblZevodSign->text(), sign);
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
