#include "TestSupport.h"

#include "app/FrmExitScreen.h"
#include "display/FrmDisplay.h"
#include "entry/FrmMain.h"
#include "links/LinkLabel.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestEntry : public QObject
{
    Q_OBJECT
    Recorder rec;

    static FrmMain* showEntry() { return activated(frmMain()); }
    static bool resultShown() { return isLoaded<FrmDisplay>() && frmDisplay()->isVisible(); }

private slots:
    void init() { rec.reset(); }
    void cleanupTestCase() { rec.reset(); }

    void opensEmptyWithTheFirstEntriesPicked()
    {
        FrmMain* w = showEntry();
        QCOMPARE(w->windowTitle(), QStringLiteral("Quorvex v1.0"));
        QCOMPARE(w->client()->size(), QSize(499, 394));
        QCOMPARE(w->minimumSize(), w->maximumSize()); // fixed size
        QVERIFY(w->txtName->text().isEmpty());
        QCOMPARE(w->focusWidget(), w->txtName);
        QCOMPARE(w->cboDate->count(), 31);
        QCOMPARE(w->cboMonth->count(), 12);
        QCOMPARE(w->cboYear->count(), 136);
        QCOMPARE(w->cboDate->currentText(), QStringLiteral("1"));
        QCOMPARE(w->cboMonth->currentText(), QStringLiteral("January"));
        QCOMPARE(w->cboYear->currentText(), QStringLiteral("1900"));
        QCOMPARE(w->cboMonth->itemText(11), QStringLiteral("December"));
        QCOMPARE(w->cboYear->itemText(135), QStringLiteral("2035"));
        QCOMPARE(w->txtName->accessibleName(), QStringLiteral("Name"));
        QCOMPARE(w->cboYear->accessibleName(), QStringLiteral("Year"));
        QVERIFY(!w->findChild<QAction*>("mnuMakeMoneyOnline")->isEnabled());
    }

    void layoutAndColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Frame2") << "Frame2" << QRect(0, 0, 500, 57);
        QTest::newRow("Frame1") << "Frame1" << QRect(0, 56, 500, 281);
        QTest::newRow("Frame5") << "Frame5" << QRect(0, 336, 500, 57);
        QTest::newRow("txtName") << "txtName" << QRect(112, 16, 249, 25);
        QTest::newRow("cboDate") << "cboDate" << QRect(112, 64, 60, 21);
        QTest::newRow("cmdNext") << "cmdNext" << QRect(49, 224, 401, 41);
        QTest::newRow("cmdExit") << "cmdExit" << QRect(400, 16, 84, 31);
        QTest::newRow("lblFullBrand") << "lblFullBrand" << QRect(8, 11, 383, 41);
    }
    void layoutAndColours()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        FrmMain* w = showEntry();
        QCOMPARE(w->findChild<QWidget*>(name)->geometry(), geometry);
        const QImage image = w->client()->grab().toImage();
        QCOMPARE(image.pixelColor(2, 2), QColor(64, 64, 64));     // top band
        QCOMPARE(image.pixelColor(2, 150), QColor(58, 58, 58));   // middle band
        QCOMPARE(image.pixelColor(495, 390), QColor(64, 64, 64)); // bottom band
        QCOMPARE(w->Label61->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(w->Label61->font().bold() && w->Label61->font().underline());
        QCOMPARE(w->Label61->cursor().shape(), Qt::PointingHandCursor);
    }

    void aFullRequestShowsTheSignAndBackKeepsTheEntry()
    {
        FrmMain* w = showEntry();
        QTest::keyClicks(w->txtName, "anna");
        pick(w, "15", "March", "1960");
        QTest::mouseClick(w->cmdNext, Qt::LeftButton);
        QVERIFY(rec.messages.isEmpty());
        QVERIFY(resultShown());
        QVERIFY(!w->isVisible());
        QCOMPARE(frmDisplay()->lblZevodSign->text(), QStringLiteral("Cancer"));
        QVERIFY(frmDisplay()->lblSignDesc->text().startsWith("You will challenge people"));
        QVERIFY(isLoaded<FrmExitScreen>());
        QVERIFY(!frmExitScreen()->isVisible());

        QPointer<FrmDisplay> first = frmDisplay();
        QTest::mouseClick(first->cmdBack, Qt::LeftButton);
        flushDeletes();
        QVERIFY(first.isNull()); // destroyed on close
        QVERIFY(w->isVisible());
        QVERIFY(!frmExitScreen()->isVisible());
        QCOMPARE(w->txtName->text(), QStringLiteral("ANNA"));
        QCOMPARE(w->cboDate->currentText(), QStringLiteral("15"));
        QCOMPARE(w->cboMonth->currentText(), QStringLiteral("March"));
        QCOMPARE(w->cboYear->currentText(), QStringLiteral("1960"));

        // A new request builds the result window afresh.
        w->cboYear->setCurrentText(QStringLiteral("1950"));
        QTest::mouseClick(w->cmdNext, Qt::LeftButton);
        QCOMPARE(frmDisplay()->lblZevodSign->text(), QStringLiteral("Gemini"));
        QVERIFY(frmDisplay()->lblSignDesc->text().startsWith("Your journey"));
        QVERIFY(!frmDisplay()->findChild<QLabel*>("lblSignDesc")->text().contains("ANNA"));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::newRow("empty name, impossible date") << ""
                                                     << "31"
                                                     << "February"
                                                     << "1901"
                                                     << "Please Enter Your Name";
        QTest::newRow("30 Feb 1960") << "A"
                                     << "30"
                                     << "February"
                                     << "1960"
                                     << "Please Enter Correct Date Or Month!";
        QTest::newRow("29 Feb 1901") << "A"
                                     << "29"
                                     << "February"
                                     << "1901"
                                     << "Please Enter Correct Date Or Month!";
        QTest::newRow("31 Feb 2004") << "A"
                                     << "31"
                                     << "February"
                                     << "2004"
                                     << "Please Enter Correct Date Or Month!";
        QTest::newRow("31 Apr 2000") << "A"
                                     << "31"
                                     << "April"
                                     << "2000"
                                     << "Please Enter Correct Date Or Month !";
        QTest::newRow("31 Jun 1999") << "A"
                                     << "31"
                                     << "June"
                                     << "1999"
                                     << "Please Enter Correct Date Or Month !";
        QTest::newRow("31 Nov 1999") << "A"
                                     << "31"
                                     << "November"
                                     << "1999"
                                     << "Please Enter Correct Date Or Month !";
        QTest::newRow("29 Feb 1900 passes") << "A"
                                            << "29"
                                            << "February"
                                            << "1900"
                                            << "";
        QTest::newRow("29 Feb 2000 passes") << "A"
                                            << "29"
                                            << "February"
                                            << "2000"
                                            << "";
        QTest::newRow("30 Jun 1999 passes") << "A"
                                            << "30"
                                            << "June"
                                            << "1999"
                                            << "";
        QTest::newRow("31 Jul 1999 passes") << "A"
                                            << "31"
                                            << "July"
                                            << "1999"
                                            << "";
        QTest::newRow("one space passes") << " "
                                          << "28"
                                          << "February"
                                          << "1901"
                                          << "";
    }
    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, message);
        FrmMain* w = showEntry();
        QTest::keyClicks(w->txtName, name);
        pick(w, day, month, year);
        QTest::mouseClick(w->cmdNext, Qt::LeftButton);
        if (message.isEmpty()) {
            QVERIFY(rec.messages.isEmpty());
            QVERIFY(resultShown());
            return;
        }
        QCOMPARE(rec.messageTexts(), QStringList{message});
        QCOMPARE(rec.messages[0].icon, QMessageBox::Information);
        QCOMPARE(rec.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!isLoaded<FrmDisplay>());
        QVERIFY(w->isVisible());
        QCOMPARE(w->txtName->text(), name);
        QCOMPARE(w->cboDate->currentText(), day);
        if (name.isEmpty())
            QCOMPARE(w->focusWidget(), w->txtName);
    }

    void nameFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("refusals");
        QTest::newRow("letters become capitals") << "anna"
                                                 << "ANNA" << 0;
        QTest::newRow("capitals and space") << "Jo Ann"
                                            << "JO ANN" << 0;
        QTest::newRow("digit") << "a1"
                               << "A" << 1;
        QTest::newRow("hyphen and apostrophe") << "o-'k"
                                               << "OK" << 2;
        QTest::newRow("accented letter") << QString::fromUtf8("\u00e9") << "" << 1;
        QTest::newRow("bracket and grave accent") << "[`"
                                                  << "" << 2;
    }
    void nameFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, refusals);
        FrmMain* w = showEntry();
        for (char32_t c : typed.toUcs4()) // keyClicks knows ASCII only
            QTest::sendKeyEvent(QTest::Click, w->txtName, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                Qt::NoModifier);
        QCOMPARE(w->txtName->text(), shown);
        QCOMPARE(rec.messages.size(), refusals);
        for (const MsgBoxRequest& m : rec.messages)
            QCOMPARE(m.text, QStringLiteral("Please Enter only Letters"));
    }

    void aKeyWithSeveralCharactersIsFilteredWhole()
    {
        FrmMain* w = showEntry();
        QTest::sendKeyEvent(QTest::Click, w->txtName, Qt::Key_unknown, QStringLiteral("a1b"), Qt::NoModifier);
        QCOMPARE(w->txtName->text(), QStringLiteral("AB"));
        QCOMPARE(rec.messageTexts(), QStringList{"Please Enter only Letters"});
    }

    void editingKeysPass()
    {
        FrmMain* w = showEntry();
        QTest::keyClicks(w->txtName, "abc");
        QTest::keyClick(w->txtName, Qt::Key_Backspace);
        QTest::keyClick(w->txtName, Qt::Key_Left);
        QTest::keyClick(w->txtName, Qt::Key_Delete);
        QTest::keyClick(w->txtName, Qt::Key_Space);
        QCOMPARE(w->txtName->text(), QStringLiteral("A "));
        QVERIFY(rec.messages.isEmpty());
        QTest::keyClick(w->txtName, Qt::Key_V, Qt::ControlModifier); // a control code
        QCOMPARE(rec.messageTexts(), QStringList{"Please Enter only Letters"});
        QCOMPARE(w->txtName->text(), QStringLiteral("A "));
    }

    void enterAndEscPressExit_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Enter in name box") << int(Qt::Key_Return) << "txtName";
        QTest::newRow("Enter on a closed list") << int(Qt::Key_Return) << "cboMonth";
        QTest::newRow("Esc in name box") << int(Qt::Key_Escape) << "txtName";
        QTest::newRow("Esc on the Find button") << int(Qt::Key_Escape) << "cmdNext";
    }
    void enterAndEscPressExit()
    {
        QFETCH(int, key);
        QFETCH(QString, focus);
        FrmMain* w = showEntry();
        QPointer<FrmMain> entry = w;
        auto* target = w->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(!isLoaded<FrmMain>());
        QVERIFY(frmExitScreen()->isVisible());
        QVERIFY(rec.messages.isEmpty());
        flushDeletes();
        QVERIFY(entry.isNull());
    }

    void findRequests_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter on the Find button") << "enter";
        QTest::newRow("Space on the Find button") << "space";
        QTest::newRow("Alt+O") << "altO";
        QTest::newRow("Alt+Z") << "altZ";
        QTest::newRow("File menu") << "menu";
    }
    void findRequests()
    {
        QFETCH(QString, how);
        FrmMain* w = showEntry();
        QTest::keyClicks(w->txtName, "ann");
        pick(w, "7", "May", "2010");
        if (how == "enter" || how == "space") {
            w->cmdNext->setFocus();
            QTest::keyClick(w->cmdNext, how == "enter" ? Qt::Key_Return : Qt::Key_Space);
        } else if (how == "altO" || how == "altZ") {
            QTest::keyClick(w, how == "altO" ? Qt::Key_O : Qt::Key_Z, Qt::AltModifier);
            QTRY_VERIFY(resultShown()); // the shortcut animates the click
        } else {
            w->findChild<QAction*>("mnuFindPowerSign")->trigger();
        }
        QVERIFY(resultShown());
        QCOMPARE(frmDisplay()->lblZevodSign->text(), QStringLiteral("Leo"));
        QVERIFY(rec.messages.isEmpty());
    }

    // The real message box, as the user sees it: title, icon, text and its OK button.
    void aRefusalShowsARealMessageBox()
    {
        FrmMain* w = showEntry();
        setMsgBoxAnswerer(nullptr);
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        QTest::mouseClick(w->cmdNext, Qt::LeftButton);
        rec.installAnswerer();
        QCOMPARE(title, QStringLiteral("Quorvex"));
        QCOMPARE(text, QStringLiteral("Please Enter Your Name"));
        QCOMPARE(icon, QMessageBox::Information);
        QVERIFY(!isLoaded<FrmDisplay>());
    }

    void altEPressesExit()
    {
        FrmMain* w = showEntry();
        QTest::keyClick(w, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!isLoaded<FrmMain>());
        QVERIFY(frmExitScreen()->isVisible());
    }

    void theMenusCarryTheirCaptions()
    {
        FrmMain* w = showEntry();
        const QStringList expected{"Find My &Zevod Astrology Sign", "E&xit"};
        QStringList file;
        for (QAction* a : w->mnuFile->actions())
            file << a->text();
        QCOMPARE(file, expected);
        QStringList help;
        for (QAction* a : w->mnuHelp->actions())
            help << (a->isSeparator() ? a->objectName() : a->text());
        QCOMPARE(help, (QStringList{"&Online Help", "&Visit Us Online", "mnuHelp1",
                                    "Check for Software &Update", "mnuHelp2", "&About Software"}));
        QCOMPARE(w->mnuFile->title(), QStringLiteral("&File"));
        QCOMPARE(w->mnuHelp->title(), QStringLiteral("&Help"));
    }
};

QTEST_MAIN(TestEntry)
#include "tst_entry.moc"
