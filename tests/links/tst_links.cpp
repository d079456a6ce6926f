#include "TestSupport.h"

#include "links/Promotions.h"
#include "ui/LinkLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>

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

    // The menus as a person reads them, each opened by its access key: the captions with their
    // access keys ("&"), separators as empty captions, and which items are switched off.
    void menusAsRead_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Qt::Key>("key"); // with Alt
        QTest::addColumn<QStringList>("items");
        using L = QStringList;
        // clang-format off
        QTest::newRow("entry File")  << "frmMain"    << Qt::Key_F << L{"Find My &Zevod Astrology Sign", "E&xit"};
        QTest::newRow("entry Help")  << "frmMain"    << Qt::Key_H << L{"&Online Help", "&Visit Us Online", "", "Check for Software &Update", "", "&About Software"};
        QTest::newRow("result File") << "frmDisplay" << Qt::Key_F << L{"&Back", "E&xit"};
        QTest::newRow("result Help") << "frmDisplay" << Qt::Key_H << L{"&Online Help", "&Visit Us Online", "", "&Check for Software Update", "", "&About Software"};
        // clang-format on
    }
    void menusAsRead()
    {
        QFETCH(QString, window);
        QFETCH(Qt::Key, key);
        QFETCH(QStringList, items);
        QWidget* w = shownWindow(window);
        QStringList bar;
        for (QAction* menu : w->findChild<QMenuBar*>()->actions())
            bar << menu->text() + (menu->isEnabled() ? "" : " (off)");
        QCOMPARE(bar, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online (off)"}));
        QTest::keyClick(w, key, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY2(menu, "Alt and the access key open the menu");
        QStringList read;
        for (QAction* item : menu->actions())
            read << item->text();
        QTest::keyClick(menu, Qt::Key_Escape);
        QCOMPARE(read, items);
    }

    // Each item opens its page once, clicked, chosen from its menu or, for a link reached by
    // Tab, pressed with Return, the keypad's Enter or Space; the window stays.
    void everyItemOpensItsPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QTestEventList>("keys"); // none: clicked, or chosen from its menu
        QTest::addColumn<QString>("address");
        const QTestEventList click;
        for (const char* w : {"frmMain", "frmDisplay"}) {
            const auto row = [w, click](const char* control) -> QTestData& {
                return QTest::addRow("%s %s", w, control) << w << control << click;
            };
            row("mnuOnline") << "http://quorvex.harrowfen.com/quorvex-help.html";
            row("mnuVisit") << home;
            row("mnuUpdate") << "http://quorvex.harrowfen.com/download-quorvex.html";
            row("mnuDonate") << "http://help.harrowfen.com/donate.html";
            row("Label61") << home;
            row("lblCobrand") << cobrand;
            row("lblFullBrand") << fullBrand;
        }
        const QString softwares = "http://www.harrowfen.com/harrowfensoftwares";
        const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
        // clang-format off
        QTest::newRow("frmExitScreen Check1")      << "frmExitScreen" << "Check1"      << click << home;
        QTest::newRow("frmExitScreen lblGoToHome") << "frmExitScreen" << "lblGoToHome" << click << softwares;
        QTest::newRow("frmAbout lblHomePage")      << "frmAbout"      << "lblHomePage" << click << home;
        QTest::newRow("frmAbout Label5")           << "frmAbout"      << "Label5"      << click << fullBrand;
        QTest::newRow("entry link, Return")        << "frmMain"       << "Label61"     << keys(Qt::Key_Return)        << home;
        QTest::newRow("entry link, keypad Enter")  << "frmMain"       << "Label61"     << keys(Qt::Key_Enter, keypad) << home;
        QTest::newRow("entry link, Space")         << "frmMain"       << "Label61"     << keys(Qt::Key_Space)         << home;
        QTest::newRow("result link, keypad Enter") << "frmDisplay"    << "Label61"     << keys(Qt::Key_Enter, keypad) << home;
        QTest::newRow("exit screen link, keypad Enter") << "frmExitScreen" << "lblGoToHome" << keys(Qt::Key_Enter, keypad) << softwares;
        // clang-format on
    }
    void everyItemOpensItsPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QTestEventList, keys);
        QFETCH(QString, address);
        QWidget* w = shownWindow(window);
        QVERIFY2(w, qPrintable(window + " did not come"));
        if (auto* label = w->findChild<QWidget*>(control)) {
            label->raise(); // the offers lie on each other
            if (keys.isEmpty()) {
                QTest::mouseClick(label, Qt::LeftButton);
            } else {
                label->setFocus();
                keys.simulate(label);
            }
        } else {
            w->findChild<QAction*>(control)->trigger();
        }
        QCOMPARE(rec.opened, QStringList{address});
        auto* check = w->findChild<QCheckBox*>(); // ticked for a moment, so the next click opens again
        QVERIFY2(w->isVisible(), "the window was left");
        QVERIFY2(!(check && check->isChecked()), "the check box stays ticked");
    }

    // Modal, owned by its window, focus on OK; Esc closes it (and Enter presses OK, the
    // default button, as Qt's dialogs do).
    void aboutWindow()
    {
        QWidget* w = shownWindow("frmDisplay");
        bool ran = false;
        onNextModal(this, [&](QWidget* modal) {
            auto* about = qobject_cast<FrmAbout*>(modal);
            QVERIFY2(about, "the About window opens");
            QCOMPARE(about->parentWidget(), w);
            QCOMPARE(about->focusWidget(), about->cmdOK);
            QTest::keyClick(about->cmdOK, Qt::Key_Escape);
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
