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

// The stored text of a date-time: the locale's short date with a four-digit year and its
// time with seconds; ISO 8601 where that form would not survive the settings encoding or
// read back as the same moment.
QString reminderText(const QDateTime& moment, const QLocale& locale);
// Reads either form back; an invalid QDateTime when the text is neither.
QDateTime readReminderText(const QString& text, const QLocale& locale);

extern const char* const updateQuestion;
