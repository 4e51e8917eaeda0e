#include "controls/date_utilities.h"

#include "platform/format_settings.h"

#include <cmath>

namespace {

// A two-digit year below 26 is in this century, any other in the last one; a year
// written with more digits is a full year.
int FullYear(const QString& yearText, int year) {
    int digits = 0;
    for (QChar ch : yearText) digits += ch.isDigit() ? 1 : 0;
    if (digits > 2) return year;
    return year < 26 ? year + 2000 : year + 1900;
}

TDateTime ParseDate(const QString& text, bool monthFirst) {
    QChar separator;
    for (QChar candidate : {QLatin1Char('/'), QLatin1Char('.'), QLatin1Char('-')})
        if (text.contains(candidate)) {
            separator = candidate;
            break;
        }
    if (separator.isNull()) return 0;
    const qsizetype first = text.indexOf(separator);
    const qsizetype second = text.indexOf(separator, first + 1);
    if (second < 0) return 0;
    bool ok1 = false, ok2 = false, ok3 = false;
    const int a = text.left(first).toInt(&ok1);
    const int b = text.mid(first + 1, second - first - 1).toInt(&ok2);
    const QString yearText = text.mid(second + 1);
    const int year = yearText.toInt(&ok3);
    if (!ok1 || !ok2 || !ok3) return 0;
    return monthFirst ? EncodeDate(FullYear(yearText, year), a, b) : EncodeDate(FullYear(yearText, year), b, a);
}

// The time of day of date, carried over to a date computed from its parts.
TDateTime TimeOfDay(TDateTime date) { return date - std::trunc(date); }

}  // namespace

bool IsDateLikeText(const QString& text) {
    const QChar separator = FormatSettings().DateSeparator;
    const qsizetype first = text.indexOf(separator);
    if (first < 1) return false;
    const qsizetype next = text.indexOf(separator, first + 1);
    return next > first + 1;
}

TDateTime ParseDateMDY(const QString& text) { return ParseDate(text, true); }

TDateTime ParseDateDMY(const QString& text) { return ParseDate(text, false); }

TDateTime IncDateParts(int years, int months, int days, TDateTime date, int offset) {
    const bool onlyDays = days != 0 && years == 0 && months == 0;
    const bool onlyYears = years != 0 && months == 0 && days == 0;
    const bool onlyMonths = months != 0 && years == 0 && days == 0;
    if (onlyDays) return date + days;
    if (!onlyYears && !onlyMonths) return date + offset;
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    if (onlyYears) {
        year += years;
    } else {
        // Months counted from year 0 so that any step lands on a real month.
        const int total = year * 12 + (month - 1) + months;
        year = total >= 0 ? total / 12 : (total - 11) / 12;
        month = total - year * 12 + 1;
    }
    // 31 January plus one month is the last day of February, not an error.
    day = qMin(day, DaysInMonth(year, month));
    return EncodeDate(year, month, day) + TimeOfDay(date);
}
