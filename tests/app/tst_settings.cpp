#include "TestSupport.h"

#include "app/Settings.h"
#include "app/UpdateReminder.h"

#include <QDir>
#include <QSettings>
#include <QTest>

namespace
{

void clearStore()
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, applicationName());
    store.clear();
    store.sync();
}

QString storedFile()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, applicationName()).fileName();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
    Recorder rec;
    const QString updatePage = QStringLiteral("http://quorvex.harrowfen.com/download-quorvex.html");

private slots:
    void init()
    {
        rec.reset();
        clearStore();
    }

    void encoding_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("date-time") << "12/05/2026 10:37:46"
                                   << "12/05/2026 10:37:46";
        QTest::newRow("key") << "Duration"
                             << "Duration";
        QTest::newRow("letters, digits and marks") << "2026-12-05T10:37:46 AM."
                                                   << "2026-12-05T10:37:46 AM.";
        QTest::newRow("code 170 kept") << QString(QChar(170)) << QString(QChar(170));
        QTest::newRow("code 171 and above dropped") << QString::fromUtf8("a\u00abb\u00ffc\u0101d") << "abcd";
    }
    void encoding()
    {
        QFETCH(QString, plain);
        QFETCH(QString, decoded);
        const QString encoded = EncodeSetting(plain);
        QCOMPARE(DecodeSetting(encoded), decoded);
        for (int i = 0; i < decoded.size(); ++i)
            QCOMPARE(encoded.at(i).unicode(), decoded.at(i).unicode() + 85);
    }

    void decodeDropsCodesBelow85()
    {
        QCOMPARE(DecodeSetting(QStringLiteral("A\u00a0")), QStringLiteral("K"));
    }

    void storeRoundTripUnderTheEncodedKey()
    {
        QCOMPARE(GetStoredSetting("Duration"), QString());
        SaveStoredSetting("Duration", "12/05/2026 10:37:46");
        QCOMPARE(GetStoredSetting("Duration"), QStringLiteral("12/05/2026 10:37:46"));
        QSettings raw(storedFile(), QSettings::IniFormat);
        raw.beginGroup("Settings");
        QCOMPARE(raw.childKeys(), QStringList{EncodeSetting("Duration")});
        QCOMPARE(raw.value(EncodeSetting("Duration")).toString(), EncodeSetting("12/05/2026 10:37:46"));
        QVERIFY(QFileInfo(storedFile()).completeBaseName() == applicationName());
    }

    void reminder_data()
    {
        QTest::addColumn<QDateTime>("stored"); // invalid: nothing stored
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        const QDateTime now(QDate(2026, 12, 7), QTime(0, 5, 0));
        QTest::newRow("empty store") << QDateTime() << now << int(QMessageBox::Yes) << false;
        QTest::newRow("14 days back") << now.addDays(-14) << now << int(QMessageBox::Yes) << false;
        QTest::newRow("15 days back, No") << now.addDays(-15) << now << int(QMessageBox::No) << true;
        QTest::newRow("15 days back, Yes") << now.addDays(-15) << now << int(QMessageBox::Yes) << true;
        QTest::newRow("late evening, just after midnight 15 days on")
            << QDateTime(QDate(2026, 11, 22), QTime(23, 50, 0)) << now << int(QMessageBox::No) << true;
        QTest::newRow("14 days ahead") << now.addDays(14) << now << int(QMessageBox::No) << false;
        QTest::newRow("15 days ahead") << now.addDays(15) << now << int(QMessageBox::No) << true;
    }
    void reminder()
    {
        QFETCH(QDateTime, stored);
        QFETCH(QDateTime, now);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        const QLocale locale(QLocale::English, QLocale::UnitedStates);
        if (stored.isValid())
            SaveStoredSetting("Duration", reminderText(stored, locale));
        rec.answer = QMessageBox::StandardButton(answer);
        runUpdateReminder(now, locale);

        QCOMPARE(rec.messages.size(), asked ? 1 : 0);
        if (asked) {
            const MsgBoxRequest& m = rec.messages[0];
            QCOMPARE(m.text, QStringLiteral("There maybe an update to this software available\r"
                                            "Do you want to check for an update?"));
            QCOMPARE(m.icon, QMessageBox::Information);
            QCOMPARE(m.buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(m.defaultButton, QMessageBox::Yes);
        }
        const bool rewritten = asked || !stored.isValid();
        QCOMPARE(readReminderText(GetStoredSetting("Duration"), locale), rewritten ? now : stored);
        QCOMPARE(rec.openedAddresses(),
                 asked && answer == QMessageBox::Yes ? QStringList{updatePage} : QStringList{});
    }

    void aStoredTextThatIsNoDateIsLeftAlone()
    {
        SaveStoredSetting("Duration", "not a date");
        for (int start = 0; start < 2; ++start)
            runUpdateReminder(QDateTime::currentDateTime(), QLocale::c());
        QVERIFY(rec.messages.isEmpty());
        QCOMPARE(GetStoredSetting("Duration"), QStringLiteral("not a date"));
    }

    void theWrittenDateReadsBackInEveryLocale_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"C", "en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ar_EG", "fa_IR", "ko_KR",
                                 "zh_CN", "ru_RU", "hi_IN"})
            QTest::newRow(name) << name;
    }
    void theWrittenDateReadsBackInEveryLocale()
    {
        QFETCH(QString, locale);
        const QLocale l(locale);
        const QDateTime first(QDate(2031, 2, 3), QTime(21, 4, 5));
        runUpdateReminder(first, l); // first run: stores, asks nothing
        const QString text = GetStoredSetting("Duration");
        QVERIFY2(!text.isEmpty(), "the first run stores the date");
        QVERIFY2(text.contains("2031") || text.contains("31"), qPrintable(text));
        QCOMPARE(readReminderText(text, l), first);
        const bool latinForm = QStringList{"C", "en_US", "en_GB", "de_DE", "fr_FR", "ru_RU"}.contains(locale);
        if (latinForm) // the user's own form, not the ISO fallback
            QVERIFY2(!text.contains('T') || locale == "C", qPrintable(text));
        runUpdateReminder(first.addDays(10), l); // no question on the next start
        QVERIFY(rec.messages.isEmpty());
        runUpdateReminder(first.addDays(15), l);
        QCOMPARE(rec.messages.size(), 1);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
