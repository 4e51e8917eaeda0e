#include "platform/date_time_conversion.h"

#include "platform/format_settings.h"
#include "platform/wall_clock.h"

#include <QTime>
#include <cmath>

namespace {

const QDate kDayZero(1899, 12, 30);
constexpr double kMillisecondsPerDay = 86400000.0;

QDate ReadShortDate(const QString& Text) {
    const QString format = FormatSettings().ShortDateFormat;
    QDate date = QDate::fromString(Text, format);
    if (date.isValid()) return date;
    // A year written with two digits: the century closest to now.
    QString shortYear = format;
    shortYear.replace(QLatin1String("yyyy"), QLatin1String("yy"));
    date = QDate::fromString(Text, shortYear);
    if (date.isValid() && date.year() < 1950) date = date.addYears(100);
    return date;
}

QTime ReadTime(const QString& Text) {
    const QString separator = FormatSettings().TimeSeparator;
    for (const QString& format : {QStringLiteral("H%1m%1s").arg(separator), QStringLiteral("H%1m").arg(separator)}) {
        const QTime time = QTime::fromString(Text, format);
        if (time.isValid()) return time;
    }
    return {};
}

}  // namespace

QDateTime DateTimeToQDateTime(TDateTime Value) {
    if (!std::isfinite(Value)) return {};
    const double days = std::trunc(Value);
    if (std::fabs(days) > 3.0e6) return {};
    const qint64 milliseconds = std::llround(std::fabs(Value - days) * kMillisecondsPerDay);
    const QDate date = kDayZero.addDays(qint64(days));
    return QDateTime(date, QTime(0, 0)).addMSecs(std::min<qint64>(milliseconds, 86399999));
}

TDateTime QDateTimeToDateTime(const QDateTime& Value) {
    if (!Value.isValid()) return 0;
    const double days = double(kDayZero.daysTo(Value.date()));
    const double fraction = Value.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
    return days < 0 ? days - fraction : days + fraction;
}

TDateTime NowDateTime() { return QDateTimeToDateTime(Now()); }

QString ShortTimeFormat() { return QStringLiteral("hh%1mm").arg(FormatSettings().TimeSeparator); }

QString LongTimeFormat() { return QStringLiteral("hh%1mm%1ss").arg(FormatSettings().TimeSeparator); }

TDateTime StrToDate(const QString& Text) {
    const QDate date = ReadShortDate(Text.trimmed());
    if (!date.isValid()) throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(Text));
    return double(kDayZero.daysTo(date));
}

TDateTime StrToTime(const QString& Text) {
    const QTime time = ReadTime(Text.trimmed());
    if (!time.isValid()) throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(Text));
    return time.msecsSinceStartOfDay() / kMillisecondsPerDay;
}

TDateTime StrToDateTime(const QString& Text) {
    const QString trimmed = Text.trimmed();
    const int blank = trimmed.indexOf(QLatin1Char(' '));
    if (blank < 0) return StrToDate(trimmed);
    const TDateTime date = StrToDate(trimmed.left(blank));
    const TDateTime time = StrToTime(trimmed.mid(blank + 1));
    return date < 0 ? date - time : date + time;
}

QString DateToStr(TDateTime Value) {
    return DateTimeToQDateTime(Value).date().toString(FormatSettings().ShortDateFormat);
}

QString TimeToStr(TDateTime Value) { return DateTimeToQDateTime(Value).time().toString(LongTimeFormat()); }
