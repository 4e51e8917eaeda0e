#include "platform/date_time.h"

#include <QDate>
#include <cmath>

namespace {
const QDate kDayZero(1899, 12, 30);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

TDateTime EncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return static_cast<TDateTime>(kDayZero.daysTo(QDate(year, month, day)));
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
    const QDate d = kDayZero.addDays(static_cast<qint64>(std::trunc(date)));
    year = d.year();
    month = d.month();
    day = d.day();
}
