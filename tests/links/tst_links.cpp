#include "TestSupport.h"

#include "links/Promotions.h"
#include "ui/LinkLabel.h"

#include <QAction>
#include <QCheckBox>

namespace
{
const QString home = "http://www.harrowfen.com";
const QString fullBrand = "http://help.harrowfen.com/fully-branded.html";
const QString cobrand = "http://help.harrowfen.com/co-brand.html";
} // namespace

class TestLinks : public QObject
{
    Q_OBJECT
    Recorder rec;

private slots:
    void init() { rec.reset(); }

    void everyItemOpensItsPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        for (const char* w : {"frmMain", "frmDisplay"}) {
            const auto row = [w](const char* control) -> QTestData& {
                return QTest::addRow("%s %s", w, control) << w << control;
            };
            row("mnuOnline") << "http://quorvex.harrowfen.com/quorvex-help.html";
            row("mnuVisit") << home;
            row("mnuUpdate") << "http://quorvex.harrowfen.com/download-quorvex.html";
            row("mnuDonate") << "http://help.harrowfen.com/donate.html";
            row("mnuMakeMoneyOnline") << fullBrand;
            row("Label61") << home;
            row("lblCobrand") << cobrand;
            row("lblFullBrand") << fullBrand;
        }
        // clang-format off
        QTest::newRow("frmExitScreen Check1")      << "frmExitScreen" << "Check1"      << home;
        QTest::newRow("frmExitScreen lblGoToHome") << "frmExitScreen" << "lblGoToHome" << "http://www.harrowfen.com/harrowfensoftwares";
        QTest::newRow("frmAbout lblHomePage")      << "frmAbout"      << "lblHomePage" << home;
        QTest::newRow("frmAbout Label5")           << "frmAbout"      << "Label5"      << fullBrand;
        // clang-format on
    }
    void everyItemOpensItsPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, address);
        QWidget* w = shownWindow(window);
        if (auto* label = w->findChild<QWidget*>(control)) {
            label->raise(); // the offers lie on each other
            QTest::mouseClick(label, Qt::LeftButton);
        } else {
            auto* item = w->findChild<QAction*>(control);
            item->setEnabled(true); // "Make Money Online" is switched off; its handler still has a page
            item->trigger();
        }
        QCOMPARE(rec.opened, QStringList{address});
        auto* check = w->findChild<QCheckBox*>(); // ticked for a moment, so the next click opens again
        QVERIFY2(w->isVisible(), "the window was left");
        QVERIFY2(!(check && check->isChecked()), "the check box stays ticked");
    }

    // A link reached by Tab opens its page with Return, the keypad's Enter or Space, and the
    // window stays; a modified key is no press.
    void keysOnAFocusedLink_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QStringList>("opened");
        const QString softwares = "http://www.harrowfen.com/harrowfensoftwares";
        // clang-format off
        QTest::newRow("entry, Return")              << "frmMain"       << "Label61"     << keys(Qt::Key_Return)                      << QStringList{home};
        QTest::newRow("entry, keypad Enter")        << "frmMain"       << "Label61"     << keys(Qt::Key_Enter, Qt::KeypadModifier)   << QStringList{home};
        QTest::newRow("entry, Space")               << "frmMain"       << "Label61"     << keys(Qt::Key_Space)                       << QStringList{home};
        QTest::newRow("entry, Ctrl+Space")          << "frmMain"       << "Label61"     << keys(Qt::Key_Space, Qt::ControlModifier)  << QStringList{};
        QTest::newRow("result, keypad Enter")       << "frmDisplay"    << "Label61"     << keys(Qt::Key_Enter, Qt::KeypadModifier)   << QStringList{home};
        QTest::newRow("exit screen, keypad Enter")  << "frmExitScreen" << "lblGoToHome" << keys(Qt::Key_Enter, Qt::KeypadModifier)   << QStringList{softwares};
        // clang-format on
    }
    void keysOnAFocusedLink()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QTestEventList, keys);
        QFETCH(QStringList, opened);
        QWidget* w = shownWindow(window);
        QVERIFY2(w, qPrintable(window + " did not come"));
        QWidget* link = w->findChild<QWidget*>(control);
        link->setFocus();
        keys.simulate(link);
        QCOMPARE(rec.opened, opened);
        QVERIFY2(w->isVisible(), "the window was left");
    }

    void coBrandRule()
    {
        const float justBelow1 = std::nextafter(1.0f, 0.0f);
        const QList<int> numbers{coBrandNumber(0), coBrandNumber(0.2f), coBrandNumber(0.5f),
                                 coBrandNumber(justBelow1)};
        QCOMPARE(numbers, (QList<int>{1, 2, 4, 6}));
    }

    // Only the offer in front is in the tab order, whichever the draw put there.
    void onlyTheOfferInFrontIsReachable()
    {
        FrmMain* w = activated(frmMain());
        for (int i = 0; i < 20; ++i) {
            CoBrand_Randomize(w->lblCobrand, w->lblFullBrand);
            const bool fullBrand = intCoBrandRandomNumber % 2 == 0;
            QCOMPARE(w->lblFullBrand->focusPolicy() == Qt::TabFocus, fullBrand);
            QCOMPARE(w->lblCobrand->focusPolicy() == Qt::TabFocus, !fullBrand);
        }
    }

    void aboutWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        QTest::newRow("entry, Enter") << "frmMain" << int(Qt::Key_Return);
        QTest::newRow("result, Esc") << "frmDisplay" << int(Qt::Key_Escape);
    }
    // Modal, owned by its window, focus on OK; Enter and Esc close it.
    void aboutWindow()
    {
        QFETCH(QString, window);
        QFETCH(int, key);
        QWidget* w = shownWindow(window);
        bool ran = false;
        onNextModal(this, [&](QWidget* modal) {
            auto* about = qobject_cast<FrmAbout*>(modal);
            QVERIFY2(about, "the About window opens");
            QCOMPARE(about->parentWidget(), w);
            QCOMPARE(about->focusWidget(), about->cmdOK);
            QTest::keyClick(about->cmdOK, Qt::Key(key));
            ran = true;
        });
        w->findChild<QAction*>("mnuAbout")->trigger();
        QVERIFY2(ran, "no modal window opened");
        QVERIFY2(!QApplication::activeModalWidget(), "the About window is still open");
        QVERIFY2(w->isVisible(), "the window under the About window was left");
    }
};

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
