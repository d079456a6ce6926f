#include "TestSupport.h"

#include "app/FrmExitScreen.h"
#include "app/ModTellAFriend.h"
#include "display/FrmDisplay.h"
#include "entry/FrmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

class TestExit : public QObject
{
    Q_OBJECT
    Recorder rec;

    FrmExitScreen* leaveEntryWindow()
    {
        frmMain()->show();
        QTest::mouseClick(frmMain()->cmdExit, Qt::LeftButton);
        return activated(frmExitScreen());
    }
    // Fills the form's four visible boxes the way a user does: click in, type.
    static void fill(FrmExitScreen* x, const QString& name, const QString& email, const QString& friendName,
                     const QString& friendEmail)
    {
        const std::pair<QLineEdit*, QString> boxes[] = {{x->txtName, name},
                                                        {x->txtEmail, email},
                                                        {x->txtFriendName, friendName},
                                                        {x->txtFriendEmail, friendEmail}};
        for (const auto& [box, text] : boxes) {
            box->setFocus();
            box->setText(text);
        }
        x->cmdSubmit->setFocus();
    }

private slots:
    void init() { rec.reset(); }
    void cleanupTestCase() { rec.reset(); }

    void leavingTheEntryWindowShowsTheExitScreen_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("close box") << "close";
        QTest::newRow("Exit button") << "cmdExit";
        QTest::newRow("File > Exit") << "mnuExit";
    }
    void leavingTheEntryWindowShowsTheExitScreen()
    {
        QFETCH(QString, route);
        FrmMain* w = frmMain();
        w->show();
        if (route == "close")
            w->close();
        else if (route == "cmdExit")
            QTest::mouseClick(w->cmdExit, Qt::LeftButton);
        else
            w->findChild<QAction*>("mnuExit")->trigger();
        QVERIFY(!isLoaded<FrmMain>());
        FrmExitScreen* x = frmExitScreen();
        QVERIFY(x->isVisible());
        QVERIFY(x->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(x->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(FrmExitScreen::supportMessages().contains(x->Label2->text()));
        QCOMPARE(rec.processEnds, 0);
        QVERIFY(rec.opened.isEmpty());
    }

    void closingTheExitScreenQuits_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("E&xit") << false;
        QTest::newRow("close box") << true;
    }
    void closingTheExitScreenQuits()
    {
        QFETCH(bool, closeBox);
        // Leave from the result window, so the entry window is loaded but hidden.
        FrmMain* w = frmMain();
        QTest::mouseClick(requestSign("1", "May", "1960")->cmdExit, Qt::LeftButton);
        FrmExitScreen* x = frmExitScreen();
        QVERIFY(isLoaded<FrmMain>() && !w->isVisible());
        if (closeBox)
            x->close();
        else
            QTest::mouseClick(x->cmdClose, Qt::LeftButton);
        QCOMPARE(rec.processEnds, 1);
        QVERIFY(Forms::loaded().isEmpty());
        QVERIFY(rec.opened.isEmpty());
        QVERIFY(rec.messages.isEmpty());
    }

    void theMessageIsDrawnOncePerRun()
    {
        FrmMain* w = frmMain();
        w->show();
        QTest::keyClicks(w->txtName, "x");
        QTest::mouseClick(w->cmdNext, Qt::LeftButton); // creates the exit screen hidden
        const QString message = frmExitScreen()->Label2->text();
        QVERIFY(FrmExitScreen::supportMessages().contains(message));
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(frmDisplay()->cmdBack, Qt::LeftButton);
            QTest::mouseClick(w->cmdNext, Qt::LeftButton);
        }
        QCOMPARE(frmExitScreen()->Label2->text(), message);
    }

    void theExitScreensTexts()
    {
        FrmExitScreen* x = frmExitScreen();
        QCOMPARE(x->size(), QSize(741, 315));
        QCOMPARE(x->Frame6->geometry(), QRect(488, 8, 249, 305));
        QCOMPARE(x->cmdClose->text(), QStringLiteral("E&xit"));
        QCOMPARE(x->cmdSubmit->text(), QStringLiteral("Refer A Friend &Now"));
        const QString text = x->Label3->text();
        QVERIFY(text.contains(QString(61, ' ') + "All the programs"));
        QVERIFY(!text.contains(QString(62, ' ')));
        QVERIFY(text.contains(QStringLiteral("world\u2019s largest")));
        QVERIFY(text.endsWith("family. "));
        // The message box lies below the frame's visible area.
        QVERIFY(x->txtMessage->geometry().top() > x->Frame2->height());
    }

    void tickingTheBoxOpensTheHomePageOnce()
    {
        FrmExitScreen* x = leaveEntryWindow();
        for (int click = 1; click <= 2; ++click) {
            QTest::mouseClick(x->Check1, Qt::LeftButton);
            QVERIFY(!x->Check1->isChecked());
            QCOMPARE(rec.opened.size(), click);
        }
        QCOMPARE(rec.opened.last(), QUrl("http://www.harrowfen.com"));
        QTest::mouseClick(x->lblGoToHome, Qt::LeftButton);
        QCOMPARE(rec.opened.last(), QUrl("http://www.harrowfen.com/harrowfensoftwares"));
        QVERIFY(x->isVisible());
    }

    void placeholders()
    {
        FrmExitScreen* x = leaveEntryWindow();
        x->txtName->setText("  Your Name ");
        x->txtName->setFocus();
        QCOMPARE(x->txtName->text(), QString());
        QTest::keyClicks(x->txtName, "   ");
        x->txtEmail->setFocus();
        QCOMPARE(x->txtName->text(), QStringLiteral("Your Name"));
        QCOMPARE(x->txtEmail->text(), QString());
        x->txtName->setFocus();
        QCOMPARE(x->txtEmail->text(), QStringLiteral("Your Email Address"));
        QCOMPARE(x->txtName->text(), QString());
        x->txtName->setText("your name"); // case counts: not the placeholder
        x->txtEmail->setFocus();
        x->txtName->setFocus();
        QCOMPARE(x->txtName->text(), QStringLiteral("your name"));
    }

    void emailBoxesRefuseBlanks_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("txtEmail") << "txtEmail";
        QTest::newRow("txtFriendEmail") << "txtFriendEmail";
    }
    void emailBoxesRefuseBlanks()
    {
        QFETCH(QString, box);
        FrmExitScreen* x = leaveEntryWindow();
        auto* edit = x->findChild<QLineEdit*>(box);
        edit->setFocus();
        QTest::keyClicks(edit, "a b");
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(rec.messageTexts(), QStringList{"Email Address Cannot Contain Space"});
        QCOMPARE(rec.messages[0].icon, QMessageBox::Critical);
        QTest::keyClicks(x->txtName, "a b"); // the name box takes blanks
        QCOMPARE(rec.messages.size(), 1);
    }

    void submitRefusals_data()
    {
        QTest::addColumn<QStringList>("form"); // name, email, friend's name, friend's email
        QTest::addColumn<QString>("message");
        QTest::newRow("all placeholders")
            << QStringList{"Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address"}
            << "Please Enter Proper Email Address";
        QTest::newRow("same addresses")
            << QStringList{"A", "a@b.c", "B", "a@b.c"} << "Please Enter Distinct Email Addresses";
        QTest::newRow("same, blanks around")
            << QStringList{"A", " a@b.c", "B", "a@b.c  "} << "Please Enter Distinct Email Addresses";
        QTest::newRow("no full stop")
            << QStringList{"A", "a@bc", "B", "b@c.d"} << "Please Enter Proper Email Address";
        QTest::newRow("friend without at sign")
            << QStringList{"A", "a@b.c", "B", "b.c"} << "Please Enter Proper Email Address";
        QTest::newRow("name at placeholder")
            << QStringList{"Your Name", "a@b.c", "B", "b@c.d"} << "Please Enter Your Name";
        QTest::newRow("friend's name at placeholder")
            << QStringList{"A", "a@b.c", "Friend's Name", "b@c.d"} << "Please Enter Your Friend's Name";
        QTest::newRow("case differs: distinct") << QStringList{"A", "a@b.c", "B", "A@b.c"} << "";
        QTest::newRow("full stop before at sign") << QStringList{"A", "a.b@c", "B", "b@c.d"} << "";
    }
    void submitRefusals()
    {
        QFETCH(QStringList, form);
        QFETCH(QString, message);
        FrmExitScreen* x = leaveEntryWindow();
        fill(x, form[0], form[1], form[2], form[3]);
        QTest::mouseClick(x->cmdSubmit, Qt::LeftButton);
        if (message.isEmpty()) {
            QVERIFY(rec.messages.isEmpty());
            QCOMPARE(rec.opened.size(), 1);
            return;
        }
        QCOMPARE(rec.messageTexts(), QStringList{message});
        QCOMPARE(rec.messages[0].icon, QMessageBox::Critical);
        QVERIFY(rec.opened.isEmpty());
        QCOMPARE(x->txtName->text(), form[0]);
    }

    void theUntouchedMessageIsSentWithItsLineBreak()
    {
        FrmExitScreen* x = leaveEntryWindow();
        fill(x, "Ann", "ann@x.org", "Bob", "bob@y.org");
        QTest::mouseClick(x->cmdSubmit, Qt::LeftButton);
        QCOMPARE(rec.opened.size(), 1);
        const QString address = rec.opened[0].toString(QUrl::FullyEncoded);
        QVERIFY(address.startsWith("http://www.harrowfen.com/hfsuite-refer-a-friend.php?taf1="));
        QVERIFY(address.endsWith("&taf6=http://quorvex.harrowfen.com/"));
        const QUrlQuery query(rec.opened[0]);
        QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QStringLiteral("Your Message\r\n"));
        QCOMPARE(modTellAFriend::strMessage, QStringLiteral("Your Message\r\n"));

        // Emptied by the user, the box shows its placeholder again and is refused.
        x->txtMessage->setFocus();
        QCOMPARE(x->txtMessage->toPlainText(), QStringLiteral("Your Message\n"));
        x->txtMessage->clear();
        x->cmdSubmit->setFocus();
        QCOMPARE(x->txtMessage->toPlainText(), QStringLiteral("Your Message"));
        QTest::mouseClick(x->cmdSubmit, Qt::LeftButton);
        QCOMPARE(rec.messageTexts(), QStringList{"Please Enter Your Message"});
        QCOMPARE(rec.opened.size(), 1);
    }

    void theAddressCarriesExactlyWhatWasTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("friendName");
        QTest::newRow("plain") << "Ann"
                               << "Hello"
                               << "Bob";
        QTest::newRow("delimiters") << "A&B=C"
                                    << "x#y+z?w%20&taf4=evil"
                                    << "D;E/F";
        QTest::newRow("blanks and line breaks") << "Ann  Lee"
                                                << "line 1\r\nline 2\ttab"
                                                << "Bob\nSmith";
        const QString longText = QString::fromUtf8("a&=# \u00e9+%").repeated(32766 / 7 + 1).left(32766);
        QTest::newRow("32,766 characters each") << longText << longText << longText;
        QTest::newRow("non-ASCII") << QString::fromUtf8("Zoë Ünal") << QString::fromUtf8("Привет, 友達 👋")
                                   << QString::fromUtf8("José");
    }
    void theAddressCarriesExactlyWhatWasTyped()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, friendName);
        FrmExitScreen* x = leaveEntryWindow();
        const QString typed = name.size() < 32766 ? "  " + name + " " : name; // blanks around are trimmed
        fill(x, typed, "a@b.c#d", friendName, "e&f@g.h");
        x->txtMessage->setPlainText(message);
        QTest::mouseClick(x->cmdSubmit, Qt::LeftButton);
        QCOMPARE(rec.opened.size(), 1);
        const QUrl url = rec.opened[0];
        QCOMPARE(url.toString(QUrl::RemoveQuery),
                 QStringLiteral("http://www.harrowfen.com/hfsuite-refer-a-friend.php"));
        const QUrlQuery query(url);
        const auto items = query.queryItems(QUrl::FullyDecoded);
        QStringList keys;
        for (const auto& item : items)
            keys << item.first;
        QCOMPARE(keys, (QStringList{"taf1", "taf2", "taf3", "taf4", "taf5", "taf6"}));
        QCOMPARE(items[0].second, name);
        QCOMPARE(items[1].second, QStringLiteral("a@b.c#d"));
        QCOMPARE(items[2].second, QString(message).replace("\r\n", "\n").replace("\n", "\r\n"));
        QCOMPARE(items[3].second, friendName);
        QCOMPARE(items[4].second, QStringLiteral("e&f@g.h"));
        QCOMPARE(items[5].second, QStringLiteral("http://quorvex.harrowfen.com/"));
        QVERIFY(x->isVisible());
    }
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
