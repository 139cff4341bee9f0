#include "conversation/clock_text.h"

#include <QDateTime>
#include <QLocale>

namespace {

// The locale's long time format without its time-zone letters ("t" and its longer forms);
// text between quotes is literal and stays.
QString LongTimeFormatWithoutZone(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar ch : format) {
        if (ch == u'\'') quoted = !quoted;
        if (!quoted && ch == u't') continue;
        kept += ch;
    }
    kept = kept.trimmed();
    // The blank that stood before the zone, when it stood inside the format.
    kept.replace(QStringLiteral("  "), QStringLiteral(" "));
    return kept;
}

}  // namespace

QString DateText(const QLocale& locale, const QDate& date) {
    return locale.toString(date, QLocale::ShortFormat);
}

QString TimeText(const QLocale& locale, const QTime& time) {
    return locale.toString(time, LongTimeFormatWithoutZone(locale));
}

QString DateTimeText(const QLocale& locale, const QDateTime& moment) {
    return DateText(locale, moment.date()) + u' ' + TimeText(locale, moment.time());
}
