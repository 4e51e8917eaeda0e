#pragma once
// TDateTime values against Qt's dates, and the general text conversions of dates and
// times in the program's format settings (short date format, time separator), read at
// every use.

#include "platform/date_time.h"

#include <QDateTime>
#include <QString>

// Whole days count the date, the fraction's size the time of day, also before day zero.
QDateTime DateTimeToQDateTime(TDateTime Value);
TDateTime QDateTimeToDateTime(const QDateTime& Value);
// The clock's moment (the replaceable wall clock) as a TDateTime.
TDateTime NowDateTime();

// The short time format ("hh:mm" with the time separator) and the long one (seconds too).
QString ShortTimeFormat();
QString LongTimeFormat();

// A date in the short date format; a year of two digits is taken in 1950..2049. Raise
// EConvertError for a text that is no date.
TDateTime StrToDate(const QString& Text);
// Hours and minutes, seconds optional, with the time separator. Raise EConvertError.
TDateTime StrToTime(const QString& Text);
// A date, optionally followed by a blank and a time. Raise EConvertError.
TDateTime StrToDateTime(const QString& Text);
QString DateToStr(TDateTime Value);
QString TimeToStr(TDateTime Value);
