#include "UpdateReminder.h"

#include "Settings.h"
#include "links/ModHelp.h"
#include "ui/MsgBox.h"
#include "ui/RunStep.h"

#include <QRegularExpression>

namespace
{

const char* const updateQuestion = "There maybe an update to this software available\r"
                                   "Do you want to check for an update?";

const QString durationKey = QStringLiteral("Duration");

// The locale's general date-time form as earlier versions wrote it: its short date with the
// whole year, and its time with seconds but without a time-zone name.
QString localeFormat(const QLocale& locale)
{
    QString date = locale.dateFormat(QLocale::ShortFormat);
    if (!date.contains(QLatin1String("yyyy")))
        date.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    QString time = locale.timeFormat(QLocale::LongFormat);
    time.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return date + QLatin1Char(' ') + time.trimmed();
}

} // namespace

QString reminderText(const QDateTime& moment)
{
    return moment.toString(Qt::ISODate); // to the second
}

QDateTime readReminderText(const QString& text, const QLocale& locale)
{
    QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
    if (!moment.isValid())
        moment = locale.toDateTime(text, localeFormat(locale));
    return moment;
}

void runUpdateReminder(const QDateTime& now, const QLocale& locale)
{
    const QString stored = GetStoredSetting(durationKey);
    if (stored.isEmpty()) {
        SaveStoredSetting(durationKey, reminderText(now));
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
    // The user's Yes opens the page even when the store cannot be written; the failed save
    // itself stays silent.
    runStep([&] { SaveStoredSetting(durationKey, reminderText(now)); });
    if (answer == QMessageBox::Yes)
        OpenUpdatePage();
}

void RunUpdateReminder() { runUpdateReminder(QDateTime::currentDateTime(), QLocale()); }
