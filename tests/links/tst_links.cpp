#include "TestSupport.h"

#include "display/FrmDisplay.h"
#include "entry/FrmMain.h"
#include "links/FrmAbout.h"
#include "links/LinkLabel.h"
#include "links/ModHelp.h"
#include "links/Promotions.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace
{
const QString home = "http://www.harrowfen.com";
const QString help = "http://quorvex.harrowfen.com/quorvex-help.html";
const QString donate = "http://help.harrowfen.com/donate.html";
const QString update = "http://quorvex.harrowfen.com/download-quorvex.html";
const QString cobrand = "http://help.harrowfen.com/co-brand.html";
const QString fullBrand = "http://help.harrowfen.com/fully-branded.html";
const QString softwares = "http://www.harrowfen.com/harrowfensoftwares";
} // namespace

class TestLinks : public QObject
{
    Q_OBJECT
    Recorder rec;

    QWidget* window(const QString& which)
    {
        if (which == "frmMain")
            return activated(frmMain());
        return requestSign("1", "January", "1990");
    }

    // Runs `inside` once the About window is up, while its modal loop runs.
    void withAbout(QWidget* from, std::function<void(FrmAbout*)> inside)
    {
        bool ran = false;
        QTimer::singleShot(0, this, [&] {
            auto* about = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
            QVERIFY(about);
            ran = true;
            inside(about);
        });
        from->findChild<QAction*>("mnuAbout")->trigger();
        QVERIFY(ran);
    }

private slots:
    void init() { rec.reset(); }
    void cleanupTestCase() { rec.reset(); }

    void everyItemOpensItsPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        for (const char* w : {"frmMain", "frmDisplay"}) {
            const QString p = QString::fromLatin1(w) + ": ";
            QTest::newRow(qPrintable(p + "mnuOnline")) << w << "mnuOnline" << help;
            QTest::newRow(qPrintable(p + "mnuVisit")) << w << "mnuVisit" << home;
            QTest::newRow(qPrintable(p + "mnuUpdate")) << w << "mnuUpdate" << update;
            QTest::newRow(qPrintable(p + "mnuDonate")) << w << "mnuDonate" << donate;
            QTest::newRow(qPrintable(p + "mnuMakeMoneyOnline")) << w << "mnuMakeMoneyOnline" << fullBrand;
            QTest::newRow(qPrintable(p + "Label61")) << w << "Label61" << home;
            QTest::newRow(qPrintable(p + "lblCobrand")) << w << "lblCobrand" << cobrand;
            QTest::newRow(qPrintable(p + "lblFullBrand")) << w << "lblFullBrand" << fullBrand;
        }
    }
    void everyItemOpensItsPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, address);
        QWidget* w = this->window(window);
        if (auto* label = w->findChild<LinkLabel*>(control)) {
            label->raise(); // the offers lie on each other
            QTest::mouseClick(label, Qt::LeftButton);
        } else {
            auto* action = w->findChild<QAction*>(control);
            action->setEnabled(true); // "Make Money Online" is switched off; its handler still has a page
            action->trigger();
        }
        QCOMPARE(rec.openedAddresses(), QStringList{address});
        QVERIFY(w->isVisible());
    }

    void theOpenersUseTheirRows()
    {
        for (auto opener : {OpenOnlineHelpPage, OpenHomePage, OpenDonatePage, OpenUpdatePage, OpenCoBrandPage,
                            OpenFullBrandPage, OpenSoftwaresPage})
            opener();
        QCOMPARE(rec.openedAddresses(),
                 (QStringList{help, home, donate, update, cobrand, fullBrand, softwares}));
        OpenWebPage("http://www.harrowfen.com/a?b=c&d=e#f");
        QCOMPARE(rec.opened.last().toString(QUrl::FullyEncoded),
                 QStringLiteral("http://www.harrowfen.com/a?b=c&d=e#f"));
    }

    void coBrandRule_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0.0f << 1;
        QTest::newRow("0.2") << 0.2f << 2;
        QTest::newRow("0.5") << 0.5f << 4;
        QTest::newRow("just below 1") << std::nextafter(1.0f, 0.0f) << 6;
    }
    void coBrandRule()
    {
        QFETCH(float, r);
        QFETCH(int, number);
        QCOMPARE(int(coBrandNumber(r)), number);
    }

    void theVisibleOfferOpensItsOwnPage()
    {
        for (int run = 0; run < 12; ++run) {
            rec.reset();
            FrmMain* w = frmMain();
            w->show();
            CoBrand_Randomize();
            const bool fullInFront = intCoBrandRandomNumber % 2 == 0;
            QVERIFY(intCoBrandRandomNumber >= 1 && intCoBrandRandomNumber <= 6);
            QWidget* front = w->Frame5->childAt(w->lblCobrand->geometry().center());
            QCOMPARE(front, fullInFront ? static_cast<QWidget*>(w->lblFullBrand) : w->lblCobrand);
            QTest::mouseClick(front, Qt::LeftButton);
            QCOMPARE(rec.openedAddresses(), QStringList{fullInFront ? fullBrand : cobrand});
            // The result window keeps its design order whatever the entry window shows.
            QTest::keyClicks(w->txtName, "x");
            QTest::mouseClick(w->cmdNext, Qt::LeftButton);
            FrmDisplay* d = frmDisplay();
            QCOMPARE(d->Frame5->childAt(d->lblCobrand->geometry().center()),
                     static_cast<QWidget*>(d->lblFullBrand));
        }
    }

    void promotionalTexts()
    {
        QCOMPARE(coBrandOfferText(),
                 QStringLiteral(
                     "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
                     "your site's name &  link here. See \"Help\" for details.Click Here for more info on "
                     "co-branding."));
        QCOMPARE(frmMain()->lblFullBrand->text(), fullBrandOfferText());
    }

    // Without a mouse: Tab goes past the window's own controls to the links, Enter opens the
    // focused link instead of pressing Exit, and a screen reader sees a link it can press.
    void linksWorkWithoutAMouse()
    {
        FrmMain* w = activated(frmMain());
        QStringList order;
        w->txtName->setFocus();
        for (int i = 0; i < 8; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"txtName", "cboDate", "cboMonth", "cboYear", "cmdNext", "cmdExit",
                                     "Label61", "lblFullBrand"}));
        w->lblFullBrand->setFocus();
        QTest::keyClick(w->lblFullBrand, Qt::Key_Return);
        QCOMPARE(rec.openedAddresses(), QStringList{fullBrand});
        QVERIFY(w->isVisible());

        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(w->Label61);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), boardPromotionText());
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(rec.openedAddresses(), (QStringList{fullBrand, home}));
    }

    void aboutClosesWithEnterAndEsc_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        QTest::newRow("entry, Enter") << "frmMain" << int(Qt::Key_Return);
        QTest::newRow("entry, Esc") << "frmMain" << int(Qt::Key_Escape);
        QTest::newRow("result, Enter") << "frmDisplay" << int(Qt::Key_Return);
        QTest::newRow("result, Esc") << "frmDisplay" << int(Qt::Key_Escape);
    }
    void aboutClosesWithEnterAndEsc()
    {
        QFETCH(QString, window);
        QFETCH(int, key);
        QWidget* w = this->window(window);
        withAbout(w, [&](FrmAbout* about) {
            QCOMPARE(about->focusWidget(), static_cast<QWidget*>(about->cmdOK));
            QCOMPARE(about->size(), QSize(423, 264));
            QCOMPARE(about->Label2->text(), QStringLiteral("Quorvex v1.0"));
            QVERIFY(about->Label1->text().startsWith(FrmAbout::introText() + " "));
            QCOMPARE(about->lblHomePage->text(),
                     QStringLiteral("Click here to visit http://www.harrowfen.com"));
            QTest::keyClick(about->cmdOK, Qt::Key(key));
        });
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(w->isVisible());
        QVERIFY(rec.opened.isEmpty());
    }

    void aboutLinksLeaveItOpen()
    {
        QWidget* w = this->window("frmMain");
        withAbout(w, [&](FrmAbout* about) {
            QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
            QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
            QTest::mouseClick(about->Label5, Qt::LeftButton);
            QVERIFY(about->isVisible());
            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        });
        QCOMPARE(rec.openedAddresses(), (QStringList{home, home, fullBrand}));
    }
};

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
