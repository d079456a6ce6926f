#include "sign/ModPlanetSign.h"

#include <QDate>
#include <QLocale>
#include <QTest>

namespace
{

// Pickers with fixed texts that count what the lookup reads.
struct Pickers : DatePickers {
    QString year, month, day;
    mutable int yearReads = 0, monthReads = 0, dayReads = 0;
    Pickers(QString y, QString m, QString d) : year(std::move(y)), month(std::move(m)), day(std::move(d)) {}
    QString yearText() const override { return ++yearReads, year; }
    QString monthText() const override { return ++monthReads, month; }
    QString dayText() const override { return ++dayReads, day; }
};

// The dated periods of the Zevod sign table, kept apart from the program's year/month form.
struct Period {
    QDate from, to;
    const char* sign;
};
const Period periods[] = {
    {{1900, 1, 1}, {1904, 5, 23}, "Pisces"},   {{1904, 5, 24}, {1904, 8, 19}, "Aries"},
    {{1904, 8, 20}, {1905, 3, 14}, "Pisces"},  {{1905, 3, 15}, {1917, 5, 25}, "Aries"},
    {{1917, 5, 26}, {1917, 10, 20}, "Taurus"}, {{1917, 10, 21}, {1918, 3, 26}, "Aries"},
    {{1918, 3, 27}, {1932, 7, 31}, "Taurus"},  {{1932, 8, 1}, {1932, 10, 5}, "Gemini"},
    {{1932, 10, 6}, {1933, 5, 27}, "Taurus"},  {{1933, 5, 28}, {1933, 12, 22}, "Gemini"},
    {{1933, 12, 23}, {1934, 3, 31}, "Taurus"}, {{1934, 4, 1}, {1953, 7, 17}, "Gemini"},
    {{1953, 7, 18}, {1953, 12, 21}, "Cancer"}, {{1953, 12, 22}, {1954, 5, 30}, "Gemini"},
    {{1954, 5, 31}, {1978, 10, 8}, "Cancer"},  {{1978, 10, 9}, {1978, 11, 21}, "Leo"},
    {{1978, 11, 22}, {1979, 8, 9}, "Cancer"},  {{1979, 8, 10}, {1980, 1, 28}, "Leo"},
    {{1980, 1, 29}, {1980, 6, 25}, "Cancer"},  {{1980, 6, 26}, {2007, 11, 23}, "Leo"},
    {{2007, 11, 24}, {2007, 12, 6}, "Virgo"},  {{2007, 12, 7}, {2008, 9, 12}, "Leo"},
    {{2008, 9, 13}, {2009, 2, 19}, "Virgo"},   {{2009, 2, 20}, {2009, 8, 1}, "Leo"},
    {{2009, 8, 2}, {2010, 5, 6}, "Virgo"},     {{2010, 5, 7}, {2010, 5, 21}, "Leo"},
    {{2010, 5, 22}, {2035, 12, 31}, "Virgo"},
};

QString monthName(int month) { return QLocale::c().standaloneMonthName(month, QLocale::LongFormat); }

QString lookUp(const QString& year, const QString& month, const QString& day, const QString& before = {})
{
    strZevodSign = before;
    Pickers pickers(year, month, day);
    try {
        FindZevodSign(pickers);
    } catch (const ConversionError&) {
        return QStringLiteral("<error>") + strZevodSign;
    }
    return strZevodSign;
}

} // namespace

class TestSign : public QObject
{
    Q_OBJECT
private slots:
    void everyDateHasThePeriodsSign()
    {
        QDate expectedStart(1900, 1, 1);
        int checked = 0;
        for (const Period& period : periods) {
            QCOMPARE(period.from, expectedStart); // the periods meet without gap or overlap
            for (QDate d = period.from; d <= period.to; d = d.addDays(1)) {
                const QString sign =
                    lookUp(QString::number(d.year()), monthName(d.month()), QString::number(d.day()));
                if (sign != QLatin1String(period.sign))
                    QFAIL(qPrintable(d.toString(Qt::ISODate) + ": " + sign + ", expected " + period.sign));
                ++checked;
            }
            expectedStart = period.to.addDays(1);
        }
        QCOMPARE(expectedStart, QDate(2036, 1, 1));
        QCOMPARE(checked, QDate(1900, 1, 1).daysTo(QDate(2036, 1, 1)));
    }

    void everyPickerCombinationFindsASign()
    {
        const QStringList seven{"Pisces", "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo"};
        for (int year = 1900; year <= 2035; ++year)
            for (int month = 1; month <= 12; ++month)
                for (int day = 1; day <= 31; ++day) {
                    const QString sign =
                        lookUp(QString::number(year), monthName(month), QString::number(day));
                    if (!seven.contains(sign))
                        QFAIL(qPrintable(
                            QStringLiteral("%1 %2 %3: \"%4\"").arg(day).arg(month).arg(year).arg(sign)));
                }
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("expected"); // "<error>" marks a conversion error
        QTest::addColumn<int>("reads");        // 1 year only, 2 year and month, 3 all three

        QTest::newRow("first day") << "1900"
                                   << "January"
                                   << "1"
                                   << "Pisces" << 1;
        QTest::newRow("last day") << "2035"
                                  << "December"
                                  << "31"
                                  << "Virgo" << 1;
        QTest::newRow("1899 unchanged") << "1899"
                                        << "January"
                                        << "1"
                                        << "Before" << 1;
        QTest::newRow("2036 unchanged") << "2036"
                                        << "January"
                                        << "1"
                                        << "Before" << 1;
        QTest::newRow("fractional year") << "1950.5"
                                         << "January"
                                         << "1"
                                         << "Before" << 1;
        QTest::newRow("whole year reads no month or day") << "1903"
                                                          << "Smarch"
                                                          << "x"
                                                          << "Pisces" << 1;
        QTest::newRow("split month day 23") << "1904"
                                            << "May"
                                            << "23"
                                            << "Pisces" << 3;
        QTest::newRow("split month day 24") << "1904"
                                            << "May"
                                            << "24"
                                            << "Aries" << 3;
        QTest::newRow("fractional day after threshold") << "1904"
                                                        << "May"
                                                        << "23.5"
                                                        << "Aries" << 3;
        QTest::newRow("small-letter month") << "1904"
                                            << "may"
                                            << "1"
                                            << "Before" << 2;
        QTest::newRow("whole month reads no day") << "1904"
                                                  << "June"
                                                  << "x"
                                                  << "Aries" << 2;
        QTest::newRow("split month non-numeric day") << "1904"
                                                     << "May"
                                                     << "x"
                                                     << "<error>Before" << 3;
        QTest::newRow("year of letters") << "abcd"
                                         << "May"
                                         << "1"
                                         << "<error>Before" << 1;
        QTest::newRow("May 2010 day 6") << "2010"
                                        << "May"
                                        << "6"
                                        << "Virgo" << 3;
        QTest::newRow("May 2010 day 7") << "2010"
                                        << "May"
                                        << "7"
                                        << "Leo" << 3;
        QTest::newRow("May 2010 day 21") << "2010"
                                         << "May"
                                         << "21"
                                         << "Leo" << 3;
        QTest::newRow("May 2010 day 22") << "2010"
                                         << "May"
                                         << "22"
                                         << "Virgo" << 3;
        QTest::newRow("threshold 31 keeps day 31") << "1932"
                                                   << "July"
                                                   << "31"
                                                   << "Taurus" << 3;
        QTest::newRow("day past threshold 31") << "1934"
                                               << "March"
                                               << "32"
                                               << "Gemini" << 3;
        QTest::newRow("blanks and sign accepted") << " +1950 "
                                                  << "March"
                                                  << "1"
                                                  << "Gemini" << 1;
    }

    void lookup()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, expected);
        QFETCH(int, reads);
        strZevodSign = QStringLiteral("Before");
        Pickers pickers(year, month, day);
        QString result;
        try {
            FindZevodSign(pickers);
            result = strZevodSign;
        } catch (const ConversionError&) {
            result = QStringLiteral("<error>") + strZevodSign;
        }
        QCOMPARE(result, expected);
        QCOMPARE(pickers.yearReads, 1);
        QCOMPARE(pickers.monthReads, reads >= 2 ? 1 : 0);
        QCOMPARE(pickers.dayReads, reads >= 3 ? 1 : 0);
    }

    void aFailedLookupKeepsThePreviousSign()
    {
        QCOMPARE(lookUp("1950", "March", "1"), QStringLiteral("Gemini"));
        Pickers later("2036", "March", "1");
        FindZevodSign(later);
        QCOMPARE(strZevodSign, QStringLiteral("Gemini"));
    }

    void numberForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "1960" << true << 1960.0;
        QTest::newRow("blanks") << "  31 " << true << 31.0;
        QTest::newRow("plus") << "+7" << true << 7.0;
        QTest::newRow("minus") << "-7" << true << -7.0;
        QTest::newRow("fraction") << "23.5" << true << 23.5;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("trailing point") << "7." << true << 7.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank only") << "  " << false << 0.0;
        QTest::newRow("decimal comma") << "23,5" << false << 0.0;
        QTest::newRow("exponent") << "1e3" << false << 0.0;
        QTest::newRow("tab") << "\t7" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("thousands") << "1,960" << false << 0.0;
        QTest::newRow("arabic digits") << QString::fromUtf8("\u0661\u0669") << false << 0.0;
    }

    void numberForms()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        bool ok = true;
        double result = 0;
        try {
            result = toNumber(text);
        } catch (const ConversionError&) {
            ok = false;
        }
        QCOMPARE(ok, accepted);
        if (accepted)
            QCOMPARE(result, value);
    }

    void descriptions_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<bool>("hasRow");
        QTest::addColumn<QString>("text");
        QTest::newRow("Aries")
            << "Aries" << true
            << "You feel a sense of urgency to experience the heights and depths of your spiritual "
               "existence. You often assert your need for liberation in a forceful and ruthless way. "
               "You are keen to start a new life afresh and take initiatives for spiritual "
               "advancement.";
        QTest::newRow("Taurus")
            << "Taurus" << true
            << "You are not very good at adapting to changes and do so in a gradual way. You may "
               "suffer from some major illness.";
        QTest::newRow("Gemini")
            << "Gemini" << true
            << "Your journey will bring you in touch with the other world. This will take you into "
               "a completely different realm.";
        QTest::newRow("Cancer")
            << "Cancer" << true
            << "You will challenge people who break their promises. You will want to spiritually do "
               "good for people. You may not take blame for your actions and find fault with "
               "others.";
        QTest::newRow("Leo")
            << "Leo" << true
            << "You will forever be in a fight for survival. You will be working to discover a map "
               "that can lead you to make new discoveries. You will need to leave the safety of your "
               "current reality and explore the unknown.";
        QTest::newRow("Virgo")
            << "Virgo" << true
            << "You may have made many promises. The time has come to fulfill your oaths. You will "
               "need to recompensate for all the promises that you have made.";
        QTest::newRow("Pisces")
            << "Pisces" << true
            << "This amplifies emotionalism to heighten its effect on the individual and the ways "
               "he expresses his ideas. You encourage the idea of spiritual transformation through "
               "spreading compassion and unconditional love for the entire humanity. On the "
               "negative side, you may resort to addiction to escape this mundane world.";
        QTest::newRow("Libra empty") << "Libra" << true << "";
        QTest::newRow("Aquarius empty") << "Aquarius" << true << "";
        QTest::newRow("small initial") << "leo" << false << "";
        QTest::newRow("empty name") << "" << false << "";
    }

    void descriptions()
    {
        QFETCH(QString, sign);
        QFETCH(bool, hasRow);
        QFETCH(QString, text);
        const auto description = signDescription(sign);
        QCOMPARE(description.has_value(), hasRow);
        if (hasRow)
            QCOMPARE(*description, text);
    }
};

QTEST_GUILESS_MAIN(TestSign)
#include "tst_sign.moc"
