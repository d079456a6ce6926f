#include "UpdateReminder.h"

#include "MsgBox.h"
#include "Settings.h"
#include "links/ModHelp.h"

#include <QRegularExpression>
#include <stdexcept>

const char* const updateQuestion = "There maybe an update to this software available\r"
                                   "Do you want to check for an update?";

namespace
{

const QString durationKey = QStringLiteral("Duration");

// The locale's general date-time form, made to keep the whole year and the seconds, and
// without a time-zone name, which does not read back.
QString localeFormat(const QLocale& locale)
{
    QString date = locale.dateFormat(QLocale::ShortFormat);
    if (!date.contains(QLatin1String("yyyy")))
        date.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    QString time = locale.timeFormat(QLocale::LongFormat);
    time.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return date + QLatin1Char(' ') + time.trimmed();
}

bool survivesEncoding(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() > 170)
            return false;
    return true;
}

} // namespace

QString reminderText(const QDateTime& moment, const QLocale& locale)
{
    const QDateTime exact = moment.addMSecs(-moment.time().msec());
    const QString format = localeFormat(locale);
    const QString text = locale.toString(exact, format);
    if (survivesEncoding(text) && locale.toDateTime(text, format) == exact)
        return text;
    return exact.toString(Qt::ISODate);
}

QDateTime readReminderText(const QString& text, const QLocale& locale)
{
    QDateTime moment = locale.toDateTime(text, localeFormat(locale));
    if (!moment.isValid())
        moment = QDateTime::fromString(text, Qt::ISODate);
    return moment;
}

void runUpdateReminder(const QDateTime& now, const QLocale& locale)
{
    const QString stored = GetStoredSetting(durationKey);
    if (stored.isEmpty()) {
        SaveStoredSetting(durationKey, reminderText(now, locale));
        return;
    }
    const QDateTime then = readReminderText(stored, locale);
    if (!then.isValid())
        return; // not a date: no question, and the value stays as it is
    const qint64 days = now.date().daysTo(then.date());
    if (days >= -14 && days <= 14)
        return;
    const auto answer = MsgBox(QString::fromLatin1(updateQuestion), QMessageBox::Information,
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    SaveStoredSetting(durationKey, reminderText(now, locale));
    if (answer == QMessageBox::Yes)
        OpenUpdatePage();
}

void RunUpdateReminder() { runUpdateReminder(QDateTime::currentDateTime(), QLocale()); }
