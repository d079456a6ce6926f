#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// At most every two weeks, start-up asks whether to look for a newer version.

// Reads "Duration", asks when it lies 15 or more calendar days from today (either way),
// and stores the moment of the answer. Stops at its first failure.
void RunUpdateReminder();
// The same with the clock and the locale given.
void runUpdateReminder(const QDateTime& now, const QLocale& locale);

// The stored text of a date-time: ISO 8601 to the second (2031-02-03T21:04:05), which reads
// back under every locale.
QString reminderText(const QDateTime& moment);
// Reads that form back, or the locale's own short date and long time that earlier versions
// wrote; an invalid QDateTime when the text is neither.
QDateTime readReminderText(const QString& text, const QLocale& locale);
