#pragma once

#include <QString>

class QDate;
class QDateTime;
class QLocale;
class QTime;

// Dates and times in the system's forms as the program shows them: the short date, and the
// long time without its time zone ("14:05:33"), for "!date", "!time" and the printed headers.
QString DateText(const QLocale& locale, const QDate& date);
QString TimeText(const QLocale& locale, const QTime& time);
// The date, a blank, the time.
QString DateTimeText(const QLocale& locale, const QDateTime& moment);
