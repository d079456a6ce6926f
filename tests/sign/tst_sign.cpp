#include "sign/ModPlanetSign.h"

#include <QDate>
#include <QLocale>
#include <QTest>

namespace
{

// Pickers with fixed texts.
struct Pickers : DatePickers {
    QString year, month, day;
    Pickers(QString y, QString m, QString d) : year(std::move(y)), month(std::move(m)), day(std::move(d)) {}
    QString yearText() const override { return year; }
    QString monthText() const override { return month; }
    QString dayText() const override { return day; }
};

// The sign after the lookup (the one before, if it finds none); failed tells whether it ended
// on a conversion error.
QString lookUp(const Pickers& pickers, const QString& before = {}, bool* failed = nullptr)
{
    strZevodSign = before;
    try {
        FindZevodSign(pickers);
    } catch (const ConversionError&) {
        if (failed)
            *failed = true;
    }
    return strZevodSign;
}

QString monthName(int month) { return QLocale::c().standaloneMonthName(month); }

// The Zevod sign table read as dated periods, written apart from the program's year and
// month form.
const struct Period {
    QDate to;
    const char* sign;
} periods[] = {
    {{1904, 5, 23}, "Pisces"},  {{1904, 8, 19}, "Aries"},   {{1905, 3, 14}, "Pisces"},
    {{1917, 5, 25}, "Aries"},   {{1917, 10, 20}, "Taurus"}, {{1918, 3, 26}, "Aries"},
    {{1932, 7, 31}, "Taurus"},  {{1932, 10, 5}, "Gemini"},  {{1933, 5, 27}, "Taurus"},
    {{1933, 12, 22}, "Gemini"}, {{1934, 3, 31}, "Taurus"},  {{1953, 7, 17}, "Gemini"},
    {{1953, 12, 21}, "Cancer"}, {{1954, 5, 30}, "Gemini"},  {{1978, 10, 8}, "Cancer"},
    {{1978, 11, 21}, "Leo"},    {{1979, 8, 9}, "Cancer"},   {{1980, 1, 28}, "Leo"},
    {{1980, 6, 25}, "Cancer"},  {{2007, 11, 23}, "Leo"},    {{2007, 12, 6}, "Virgo"},
    {{2008, 9, 12}, "Leo"},     {{2009, 2, 19}, "Virgo"},   {{2009, 8, 1}, "Leo"},
    {{2010, 5, 6}, "Virgo"},    {{2010, 5, 21}, "Leo"},     {{2035, 12, 31}, "Virgo"},
};

} // namespace

class TestSign : public QObject
{
    Q_OBJECT
private slots:
    // Every date from 1 January 1900 to 31 December 2035 gets the sign of its period (days
    // that no month has are in the lookup table).
    void everyDateHasThePeriodsSign()
    {
        QDate day(1900, 1, 1);
        for (const Period& period : periods)
            for (; day <= period.to; day = day.addDays(1)) {
                const QString sign = lookUp(
                    Pickers(QString::number(day.year()), monthName(day.month()), QString::number(day.day())));
                if (sign != QLatin1String(period.sign))
                    QFAIL(qPrintable(day.toString(Qt::ISODate) + ": " + sign + ", expected " + period.sign));
            }
        QCOMPARE(day, QDate(2036, 1, 1));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("expected"); // "Before" is the sign the lookup found before
        QTest::addColumn<bool>("error");       // whether it ends on a conversion error
        // clang-format off
        QTest::newRow("1899 unchanged")                  << "1899"   << "January" << "1"    << "Before" << false;
        QTest::newRow("2036 unchanged")                  << "2036"   << "January" << "1"    << "Before" << false;
        QTest::newRow("fractional year")                 << "1950.5" << "January" << "1"    << "Before" << false;
        QTest::newRow("whole year reads no month or day") << "1903"  << "Smarch"  << "x"    << "Pisces" << false;
        QTest::newRow("fractional day after threshold")  << "1904"   << "May"     << "23.5" << "Aries"  << false;
        QTest::newRow("small-letter month")              << "1904"   << "may"     << "1"    << "Before" << false;
        QTest::newRow("whole month reads no day")        << "1904"   << "June"    << "x"    << "Aries"  << false;
        QTest::newRow("split month, day no number")      << "1904"   << "May"     << "x"    << "Before" << true;
        QTest::newRow("year of letters")                 << "abcd"   << "May"     << "1"    << "Before" << true;
        QTest::newRow("day past threshold 31")           << "1934"   << "March"   << "32"   << "Gemini" << false;
        QTest::newRow("30 February, split month")        << "2009"   << "February" << "30"  << "Leo"    << false;
        QTest::newRow("empty")                           << ""       << "March"   << "1"    << "Before" << true;
        QTest::newRow("blanks only")                     << "  "     << "March"   << "1"    << "Before" << true;
        QTest::newRow("decimal comma")                   << "1950,0" << "March"   << "1"    << "Before" << true;
        QTest::newRow("a line break after the year")     << "1950\n" << "March"  << "1"    << "Before" << true;
        // clang-format on
    }
    void lookup()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, expected);
        QFETCH(bool, error);
        bool failed = false;
        QCOMPARE(lookUp(Pickers(year, month, day), QStringLiteral("Before"), &failed), expected);
        QCOMPARE(failed, error);
    }
};

QTEST_GUILESS_MAIN(TestSign)
#include "tst_sign.moc"
